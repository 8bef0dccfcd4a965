#include "edit/FindCommands.h"

#include "support/EditingViewFixture.h"
#include "support/ScriptedViewServices.h"
#include "view/DayDrawing.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::CanvasOp;
using test::Date;

const DateTime Shown = Date(2024, 6, 12);
const DateTime Friday = Date(2024, 6, 14);
const DateTime NextMonday = Date(2024, 6, 17);

class FindCommandsTest : public test::EditingViewFixture
{
protected:
    void SetUp() override
    {
        Start(ViewMode::Week, Shown);
        StoreNumberedDay(Friday);
        StoreNumberedDay(NextMonday);
    }
};

TEST_F(FindCommandsTest, FindNextMovesTheViewToTheHitAndStaysWithoutOne)
{
    View.State.SelectedCell = 20;
    ASSERT_TRUE(FindNextRequest(View, "P4", false));
    EXPECT_EQ(View.State.FindHit.Date, Friday);
    EXPECT_EQ(View.State.FindHit.Field, FindField::Yotei(4));
    EXPECT_EQ(View.State.CalendarDate, Friday);
    EXPECT_EQ(View.State.CurrentDate, Friday);
    EXPECT_EQ(View.State.SelectedCell, -1);

    ASSERT_TRUE(FindNextRequest(View, "P4", false));
    EXPECT_EQ(View.State.CalendarDate, NextMonday);
    EXPECT_FALSE(FindNextRequest(View, "P4", false)); // "最後まで検索しました。"
    EXPECT_EQ(View.State.CalendarDate, NextMonday);
    EXPECT_EQ(View.State.CurrentDate, NextMonday);

    // "データの最初から検索する" goes back to the first stored day.
    ASSERT_TRUE(FindNextRequest(View, "P4", true));
    EXPECT_EQ(View.State.CalendarDate, Friday);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(FindCommandsTest, ReplaceRequestsLeaveTheShownDayInTheWorkingDay)
{
    EXPECT_FALSE(ReplaceRequest(View, "P4", "x")); // no hit yet
    ASSERT_TRUE(FindNextRequest(View, "P4", false));
    EXPECT_TRUE(ReplaceRequest(View, "P4", "x"));
    EXPECT_EQ(StoredDay(Friday).GetYotei(4), "x");
    EXPECT_EQ(StoredDay(NextMonday).GetYotei(4), "P4");
    EXPECT_FALSE(View.State.FindHit.Found);

    View.SelectCalendarDate(Shown);
    const ReplaceAllResult all = ReplaceAllRequest(View, "C", "c");
    EXPECT_TRUE(all.Result.Ok);
    EXPECT_EQ(all.ChangedFields, 20);
    EXPECT_EQ(StoredDay(NextMonday).GetNaiyou(9), "c9");
    EXPECT_EQ(View.State.CurrentDate, Shown);
}

TEST_F(FindCommandsTest, RequestsMatchUnderTheDialogsOptions)
{
    constexpr MatchOptions IgnoreCase{false, false, true};
    EXPECT_FALSE(FindNextRequest(View, "p4", false));
    ASSERT_TRUE(FindNextRequest(View, "p4", false, IgnoreCase));
    EXPECT_EQ(View.State.FindHit.Field, FindField::Yotei(4));
    EXPECT_TRUE(ReplaceRequest(View, "p4", "x", IgnoreCase));
    EXPECT_EQ(StoredDay(Friday).GetYotei(4), "x");
    EXPECT_EQ(ReplaceAllRequest(View, "p4", "y", IgnoreCase).ChangedFields, 1);
    EXPECT_EQ(StoredDay(NextMonday).GetYotei(4), "y");
}

TEST_F(FindCommandsTest, AHitInAToDoItemIsSelectedAndScrolledIntoThePane)
{
    WindowSize = TenToDoRows;
    AddItems(30);
    Start(ViewMode::Week, Shown, true);
    ASSERT_EQ(View.State.ToDoRowCount, 10);
    const int lastRow = View.State.ToDoRowCount - 1;
    const FindOrder toDos{false, true};
    const FindOrder backwardToDos{true, true};
    View.State.SelectedCell = 20;

    // The last item lies below the pane: the pane scrolls so that its row is the last one shown.
    ASSERT_TRUE(FindNextRequest(View, "item 29", false, {}, toDos));
    EXPECT_EQ(View.State.FindHit.ToDoItem, 29);
    EXPECT_EQ(View.State.FindHit.Field, ToDoSubjectField);
    EXPECT_EQ(View.State.SelectedCell, -1);
    EXPECT_EQ(View.State.SelectedToDoRow, lastRow);
    EXPECT_EQ(View.State.ToDoScrollTop, 30 - lastRow);
    EXPECT_EQ(View.State.CalendarDate, Shown); // the planner stays where it was
    // Redrawn, the pane marks the found text in yellow over the item's subject, as a day's hit is marked.
    Draw();
    std::vector<CanvasOp> marked;
    for (const CanvasOp& op : Canvas.TextOps("item 29"))
        if (op.Background == TextColours::FindHitBackground)
            marked.push_back(op);
    ASSERT_EQ(marked.size(), 1u);
    const Rect subject = Canvas.TextOps("item 29").front().Area; // drawn before its mark
    EXPECT_EQ(marked[0].Area.Left, subject.Left);
    EXPECT_EQ(marked[0].Area.Top, subject.Top);

    // Backward to item 0, above the pane: the pane scrolls up to it.
    ASSERT_TRUE(FindNextRequest(View, "item 0", false, {}, backwardToDos));
    EXPECT_EQ(View.State.FindHit.ToDoItem, 0);
    EXPECT_EQ(View.State.ToDoScrollTop, 0);
    EXPECT_EQ(View.State.SelectedToDoRow, 1);

    // On backward, the days come after the items: Friday and the next Monday hold "P4" at their plans.
    ASSERT_TRUE(FindNextRequest(View, "P4", false, {}, backwardToDos));
    EXPECT_EQ(View.State.FindHit.ToDoItem, -1);
    EXPECT_EQ(View.State.CalendarDate, NextMonday);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(FindCommandsTest, TheCommandsOpenTheDialogInTheirMode)
{
    test::ScriptedViewServices dialogs;
    ASSERT_TRUE(FindNextRequest(View, "P4", false));
    EXPECT_TRUE(IsViewCommandEnabled(View, CommandId::EditFind));
    // The hit is the view's own: opening the dialog changes the view, never the document.
    EXPECT_EQ(RunViewCommand(View, CommandId::EditFind, dialogs), CommandOutcome::ViewChanged);
    EXPECT_FALSE(View.State.FindHit.Found);
    EXPECT_EQ(RunViewCommand(View, CommandId::EditFind, dialogs), CommandOutcome::ViewChanged);
    EXPECT_EQ(RunViewCommand(View, CommandId::EditReplace, dialogs), CommandOutcome::ViewChanged);
    EXPECT_EQ(dialogs.FindDialogsOpened, (std::vector<FindDialogMode>{FindDialogFind, FindDialogReplace}));
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(FindCommandsTest, OpeningTheDialogInEachModeResetsTheHit)
{
    struct Step
    {
        FindDialogMode Mode;
        bool Opens;
    };
    const Step steps[] = {
        {FindDialogFind, true},     {FindDialogFind, false}, {FindDialogReplace, true},
        {FindDialogReplace, false}, {FindDialogFind, true},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(FindNextRequest(View, "P4", true));
        EXPECT_EQ(BeginFind(View, step.Mode), step.Opens);
        EXPECT_EQ(View.State.FindDialogMode, step.Mode);
        EXPECT_EQ(View.State.FindHit.Found, !step.Opens); // an open dialog of the same mode keeps the hit
    }
    EXPECT_FALSE(CanReplaceIn(FindDialogFind));
    EXPECT_TRUE(CanReplaceIn(FindDialogReplace));

    EndFind(View);
    EXPECT_EQ(View.State.FindDialogMode, FindDialogClosed);
    EXPECT_FALSE(View.State.FindHit.Found);
}

} // namespace
} // namespace planova
