// Two windows of one document, each on another day: what one of them edits, undoes or redraws
// never moves the other, and each edit lands on the day its own window chose.

#include "edit/CommandIds.h"
#include "edit/CommandTable.h"
#include "edit/FindCommands.h"
#include "edit/Selection.h"
#include "support/EditingViewFixture.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::Confirming;
using test::Date;
using test::RecordingCanvas;
using test::ScriptedViewServices;

const DateTime Wednesday = Date(2024, 6, 12); // the first window's week starts on Sunday 9 June
const DateTime Thursday = Date(2024, 6, 13);
const DateTime September10 = Date(2024, 9, 10); // the second window's day

class TwoViewsTest : public test::EditingViewFixture
{
protected:
    void SetUp() override
    {
        Start(ViewMode::Week, Wednesday);
        Other.InitialUpdate(Wednesday);
        Other.ShowView(ViewMode::Day);
        Other.SelectCalendarDate(September10);
        DrawBoth();
    }

    void DrawBoth()
    {
        Draw();
        OtherCanvas.Ops.clear();
        Other.DrawScreen(OtherCanvas, ScreenGeometry{WindowSize.Width, WindowSize.Height, 140, 16},
                         Wednesday);
    }

    /// Edits the memo of the selected cell's day through the edit dialog, as Enter on the cell does.
    void EditMemo(PlannerView& view, int cell, const std::string& memo)
    {
        view.State.SelectedCell = cell;
        ScriptedViewServices dialog = Confirming([&](EntryDialogValues& values) { values.Text1 = memo; });
        ASSERT_EQ(RunViewCommand(view, CommandId::Edit, dialog), CommandOutcome::DocumentChanged);
    }

    void Undo(PlannerView& view)
    {
        ScriptedViewServices none;
        ASSERT_EQ(RunViewCommand(view, CommandId::EditUndo, none), CommandOutcome::DocumentChanged);
    }

    /// Both windows still show their own days.
    void ExpectEachOnItsOwnDay(const DateTime& firstWindowDay)
    {
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(firstWindowDay));
        EXPECT_TRUE(View.State.FirstShownDate.IsIdenticalTo(Date(2024, 6, 9)));
        EXPECT_EQ(View.Mode(), ViewMode::Week);
        EXPECT_TRUE(Other.State.CurrentDate.IsIdenticalTo(September10));
        EXPECT_TRUE(Other.State.FirstShownDate.IsIdenticalTo(September10));
        EXPECT_EQ(Other.Mode(), ViewMode::Day);
    }

    PlannerView Other{Document};
    RecordingCanvas OtherCanvas;
};

TEST_F(TwoViewsTest, EachWindowEditsUndoesAndRedrawsOnItsOwnDay)
{
    EditMemo(View, CellIndexOf(ViewMode::Week, 4, DayRow::Memo), "first window"); // Thursday's column
    DrawBoth();
    EditMemo(Other, DayRow::Memo, "second window");
    DrawBoth();
    ExpectEachOnItsOwnDay(Thursday);
    EXPECT_EQ(Document.Day(Thursday).GetMemo(), "first window");
    EXPECT_EQ(Document.Day(September10).GetMemo(), "second window");
    EXPECT_TRUE(Canvas.HasText("first window"));
    EXPECT_FALSE(Canvas.HasText("second window"));
    EXPECT_TRUE(OtherCanvas.HasText("second window"));
    EXPECT_FALSE(OtherCanvas.HasText("first window"));

    // The history belongs to the document: the first window's undo takes back the newest edit, the
    // second window's, and neither window moves to its day.
    Undo(View);
    DrawBoth();
    ExpectEachOnItsOwnDay(Thursday);
    EXPECT_EQ(Document.Day(September10).GetMemo(), "");
    EXPECT_EQ(Document.Day(Thursday).GetMemo(), "first window");
    EXPECT_FALSE(OtherCanvas.HasText("second window"));

    Undo(Other);
    DrawBoth();
    ExpectEachOnItsOwnDay(Thursday);
    EXPECT_EQ(Document.Day(Thursday).GetMemo(), "");
    EXPECT_FALSE(Canvas.HasText("first window"));

    // Stepping on goes from each window's own day.
    View.Step(+1);
    Other.Step(+1);
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 6, 20)));
    EXPECT_TRUE(Other.State.CurrentDate.IsIdenticalTo(Date(2024, 9, 11)));
}

TEST_F(TwoViewsTest, AFindHitIsMarkedOnlyInTheWindowThatFoundIt)
{
    EditMemo(View, CellIndexOf(ViewMode::Week, 4, DayRow::Memo), "needle");
    ASSERT_TRUE(FindNextRequest(View, "needle", true));
    DrawBoth();
    EXPECT_TRUE(View.State.FindHit.Found);
    EXPECT_FALSE(Other.State.FindHit.Found);
    EXPECT_TRUE(Other.State.CurrentDate.IsIdenticalTo(September10));
}

} // namespace
} // namespace planova
