#include "view/ScreenPainter.h"

#include "support/Dates.h"
#include "support/RecordingCanvas.h"
#include "support/ViewSchoolYear.h"
#include "view/PlannerView.h"

#include <gtest/gtest.h>

#include <utility>

namespace planova {
namespace {

using test::RecordingCanvas;

using test::Date;

const ScreenGeometry Window{1920, 1080, 140, 16};
const DateTime Now = DateTime::FromDateTime(2024, 6, 12, 10, 0, 0);

/// The texts of a recording, in drawing order.
std::vector<std::string> TextsOf(const RecordingCanvas& canvas)
{
    std::vector<std::string> texts;
    for (const test::CanvasOp& op : canvas.Texts())
        texts.push_back(op.Bytes);
    return texts;
}

class ScreenPainterTest : public ::testing::Test
{
protected:
    /// Shows the mode with the ToDo pane on the day, a cell selected, and runs the layout step.
    ScreenDrawResult LayOut(ViewMode mode)
    {
        View.InitialUpdate(Date(2024, 6, 12));
        View.ShowView(mode);
        View.State.ToDoView = true;
        View.State.SelectedCell = 3;
        return View.LayoutScreen(Window, 96);
    }

    CPlanovaDoc Document = test::SchoolYearDocument(2024);
    PlannerView View{Document};
};

TEST_F(ScreenPainterTest, ViewsAndToDoPaneArePaintedFromAReadOnlyDocument)
{
    for (const ViewMode mode : {ViewMode::Day, ViewMode::Week, ViewMode::Month}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const ScreenDrawResult drawn = LayOut(mode);
        ASSERT_TRUE(drawn.ToDoPaneShown);
        const std::vector<CDayData> days = Document.DayList();
        const std::vector<CToDo> items = Document.ToDoList();

        // A copy that can only be read: the paint step has no other way to the days and items.
        const CPlanovaDoc readOnly = Document;
        RecordingCanvas painted;
        PaintScreen(painted, readOnly, View.State, View.Print, drawn, Now);

        // The paint is the whole redraw's drawing, and every shown day and item is in it.
        RecordingCanvas redrawn;
        View.DrawScreen(redrawn, Window, Now);
        EXPECT_EQ(TextsOf(painted), TextsOf(redrawn));
        EXPECT_EQ(Document.DayList(), days);
        EXPECT_EQ(Document.ToDoList(), items);
        EXPECT_FALSE(Document.IsModified());
        DateTime date = View.State.FirstShownDate;
        for (int n = 0; n < drawn.Layout.DayCount(); ++n, date = date.AddDays(1)) {
            if (const CDayData* day = Document.FindStoredDay(date); day && !day->GetGyouji().empty()) {
                EXPECT_TRUE(painted.HasText(day->GetGyouji())) << n;
            }
        }
        const ShownToDoItems shown = ShownItemsOf(drawn.ToDoPane, Document.ToDoCount());
        ASSERT_GT(shown.End, shown.First);
        for (int item = shown.First; item < shown.End; ++item)
            EXPECT_TRUE(painted.HasText(Document.ToDoList()[static_cast<std::size_t>(item)].GetKennmei()));
    }
}

TEST_F(ScreenPainterTest, ADateWithoutARecordIsPaintedAsAnEmptyRecordOfThatDate)
{
    View.InitialUpdate(Date(2030, 6, 12)); // far past the school year: no day of the week is stored
    View.ShowView(ViewMode::Week);
    const ScreenDrawResult drawn = View.LayoutScreen(Window, 96);
    RecordingCanvas withoutRecords;
    PaintScreen(withoutRecords, std::as_const(Document), View.State, View.Print, drawn, Now);

    CPlanovaDoc emptyRecords = Document;
    for (int n = 0; n < WeekDays; ++n)
        emptyRecords.PutDay(emptyRecords.Day(View.State.FirstShownDate.AddDays(n)));
    RecordingCanvas withEmptyRecords;
    PaintScreen(withEmptyRecords, std::as_const(emptyRecords), View.State, View.Print, drawn, Now);
    EXPECT_FALSE(TextsOf(withoutRecords).empty()); // the dates are drawn
    EXPECT_EQ(TextsOf(withoutRecords), TextsOf(withEmptyRecords));
}

} // namespace
} // namespace planova
