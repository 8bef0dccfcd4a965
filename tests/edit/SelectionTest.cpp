#include "edit/Selection.h"

#include "support/Cp932Literals.h"
#include "support/EditingViewFixture.h"
#include "edit/OpenEntry.h"
#include "edit/ToDoSort.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::Cancelling;
using test::Confirming;
using test::Date;
using test::ScriptedViewServices;
using test::Sj;

class SelectionTest : public test::EditingViewFixture
{
protected:
    void ExpectShown(const DateTime& day)
    {
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(day));
        EXPECT_TRUE(View.State.CalendarDate.IsIdenticalTo(day));
    }

    ScriptedViewServices Dialog; // cancels
};

TEST(SplitCellTest, CellIndexToColumnAndRowAndDay)
{
    struct Case
    {
        ViewMode Mode;
        int Cell;
        CellPlace Place;
        int DaysAfterFirst;
    };
    const Case cases[] = {
        {ViewMode::Day, 0, {0, 0}, 0},    {ViewMode::Day, 12, {0, 12}, 0}, {ViewMode::Week, 39, {3, 0}, 3},
        {ViewMode::Week, 90, {6, 12}, 6}, {ViewMode::Month, 0, {0, 0}, 0}, {ViewMode::Month, 41, {6, 5}, 41},
        {ViewMode::Month, 7, {1, 1}, 8},
    };
    const DateTime first = Date(2024, 5, 26);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Cell);
        EXPECT_EQ(SplitCell(c.Mode, c.Cell), c.Place);
        EXPECT_EQ(CellIndexOf(c.Mode, c.Place.Column, c.Place.Row), c.Cell);
        EXPECT_TRUE(DayOfCell(c.Mode, first, c.Cell).IsIdenticalTo(first.AddDays(c.DaysAfterFirst)));
    }
}

TEST_F(SelectionTest, HitTestingCountsLeftAndTopEdgesAndSeesToDoRowsOnlyWhileThePaneIsShown)
{
    Start(ViewMode::Day, Date(2024, 6, 12), true);
    const Rect cell = View.State.CellRects[4];
    EXPECT_EQ(HitTest(View.State, {cell.Left, cell.Top}).Cell, 4);
    EXPECT_EQ(HitTest(View.State, {cell.Right - 1, cell.Bottom - 1}).Cell, 4);
    EXPECT_EQ(HitTest(View.State, {cell.Left, cell.Bottom}).Cell, 5);
    EXPECT_EQ(HitTest(View.State, {cell.Right, cell.Top}).Cell, -1);

    const Point row = ToDoRowPoint(2);
    EXPECT_EQ(HitTest(View.State, row).ToDoRow, 2);
    EXPECT_EQ(HitTest(View.State, row).Cell, -1);
    View.State.ToDoView = false; // the rectangles of the last redraw are still there
    EXPECT_EQ(HitTest(View.State, row).ToDoRow, -1);
    EXPECT_EQ(HitTest(View.State, {5, 5}).Cell, -1);
}

TEST_F(SelectionTest, MonthViewClickSelectsTheDayOfTheCell)
{
    struct Case
    {
        const char* Name;
        int Column;
        int Row;
        DateTime Day;
        DateTime GridStart; ///< the grid that shows the day's month
        CellPlace Selected; ///< where the day stands on it
    };
    // June 2024 begins on a Saturday: the grid runs from Sunday 26 May to Saturday 6 July. A grey day
    // of May or July moves the grid to its month, and the selection goes with the day.
    const Case cases[] = {
        {"first cell, 26 May", 0, 0, Date(2024, 5, 26), Date(2024, 4, 28), {0, 4}},
        {"a day of the month", 3, 2, Date(2024, 6, 12), Date(2024, 5, 26), {3, 2}},
        {"row 5, column 6, 6 July", 6, 5, Date(2024, 7, 6), Date(2024, 6, 30), {6, 0}},
        {"row 5, column 0, 30 June", 0, 5, Date(2024, 6, 30), Date(2024, 5, 26), {0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Start(ViewMode::Month, Date(2024, 6, 20));
        ASSERT_TRUE(View.State.FirstShownDate.IsIdenticalTo(Date(2024, 5, 26)));
        PressLeft(View, CellPoint(CellIndexOf(ViewMode::Month, c.Column, c.Row)), 1000);
        const int selected = CellIndexOf(ViewMode::Month, c.Selected.Column, c.Selected.Row);
        EXPECT_EQ(View.State.SelectedCell, selected);
        EXPECT_EQ(View.State.SelectedToDoRow, -1);
        EXPECT_TRUE(View.State.FirstShownDate.IsIdenticalTo(c.GridStart));
        ExpectShown(c.Day);
        EXPECT_FALSE(Document.IsModified());
        // The redraw lays out the same grid; the selected cell shows the day that was clicked.
        Draw();
        EXPECT_TRUE(View.State.FirstShownDate.IsIdenticalTo(c.GridStart));
        EXPECT_TRUE(DayOfCell(ViewMode::Month, View.State.FirstShownDate, View.State.SelectedCell)
                        .IsIdenticalTo(c.Day));
    }
}

TEST_F(SelectionTest, EnterAfterAClickOnAGreyDayOpensThatDay)
{
    // December 2024's grid shows 5 January 2025 grey at row 5, column 0. On January's grid that day
    // stands in row 1; a selection left in row 5 would be 2 February there, and Enter would open it.
    Start(ViewMode::Month, Date(2024, 12, 8));
    const int greyDay = CellIndexOf(ViewMode::Month, 0, 5);
    ASSERT_TRUE(
        DayOfCell(ViewMode::Month, View.State.FirstShownDate, greyDay).IsIdenticalTo(Date(2025, 1, 5)));
    PressLeft(View, CellPoint(greyDay), 1000);
    Draw();
    EXPECT_EQ(View.State.SelectedCell, CellIndexOf(ViewMode::Month, 0, 1));
    EXPECT_TRUE(PressKey(View, NavigationKey::Enter, Dialog).Taken);
    EXPECT_EQ(View.Mode(), ViewMode::Day);
    ExpectShown(Date(2025, 1, 5));
}

TEST_F(SelectionTest, APressOutsideEveryCellClearsTheSelectionAndKeepsTheDay)
{
    Start(ViewMode::Week, Date(2024, 6, 12), true);
    View.State.SelectedCell = 20;
    PressLeft(View, {20, 400}, 1000);
    EXPECT_EQ(View.State.SelectedCell, -1);
    EXPECT_EQ(View.State.SelectedToDoRow, -1);
    ExpectShown(Date(2024, 6, 12));

    PressLeft(View, ToDoRowPoint(3), 2000);
    EXPECT_EQ(View.State.SelectedToDoRow, 3);
    EXPECT_EQ(View.State.SelectedCell, -1);
}

TEST_F(SelectionTest, DoubleClickOnAWeekDateHeaderShowsThatDayWithTheToDoPaneAsItWas)
{
    for (const bool toDoView : {false, true}) {
        SCOPED_TRACE(toDoView);
        Start(ViewMode::Week, Date(2024, 6, 10), toDoView); // Monday; the week starts on Sunday 9 June
        View.Print.PrintType = 1;
        const int wednesdayHeader = CellIndexOf(ViewMode::Week, 3, DayRow::Date);
        PressLeft(View, CellPoint(wednesdayHeader), 1000);
        EXPECT_FALSE(DoubleClickLeft(View, CellPoint(wednesdayHeader), 1001, 500, Dialog));
        EXPECT_EQ(View.Mode(), ViewMode::Day);
        EXPECT_EQ(View.State.ToDoView, toDoView);
        EXPECT_EQ(View.Print.PrintType, 1);
        EXPECT_EQ(View.State.SelectedCell, -1);
        ExpectShown(Date(2024, 6, 12));
        EXPECT_TRUE(Dialog.Started.empty());
    }
}

TEST_F(SelectionTest, DoubleClickOnTheDayViewsDateHeaderOpensNothing)
{
    Start(ViewMode::Day, Date(2024, 6, 12));
    EXPECT_FALSE(DoubleClickLeft(View, CellPoint(DayRow::Date), 1000, 500, Dialog));
    EXPECT_TRUE(Dialog.Started.empty());
    EXPECT_EQ(View.Mode(), ViewMode::Day);
    EXPECT_EQ(View.State.SelectedCell, DayRow::Date);
    ExpectShown(Date(2024, 6, 12));
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(SelectionTest, DoubleClickOnAPeriodRowEditsItWithTheDialog)
{
    Start(ViewMode::Week, Date(2024, 4, 3));
    StoreNumberedDay(Date(2024, 4, 2));
    const int cell = CellIndexOf(ViewMode::Week, 2, DayRow::FirstPeriod + 3);
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text2 = "new plan"; });
    PressLeft(View, CellPoint(cell), 1000);
    EXPECT_TRUE(DoubleClickLeft(View, CellPoint(cell), 1001, 500, dialog));

    ASSERT_EQ(dialog.Started.size(), 1u);
    EXPECT_EQ(dialog.Started[0].EditMode, EditPeriodRow);
    EXPECT_EQ(dialog.Started[0].Text1, "L3");
    EXPECT_EQ(dialog.Started[0].TitlePrefix, Sj("2024年 4月 2日"));
    EXPECT_EQ(StoredDay(Date(2024, 4, 2)).GetYotei(3), "new plan");
    EXPECT_EQ(View.State.SelectedCell, cell);
    ExpectShown(Date(2024, 4, 2));
}

TEST_F(SelectionTest, DoubleClickInTheMonthViewOpensTheDayOfItsFirstClick)
{
    // A click on a day of another month moves the grid at the next redraw, which may come before
    // the double-click arrives; some platforms also deliver the second click as a press.
    struct Case
    {
        const char* Name;
        std::vector<std::int64_t> Presses; // a redraw follows each press
        std::int64_t DoubleClick;
        DateTime Opened;
    };
    const Case cases[] = {
        {"press, redraw, double-click", {1000}, 1200, Date(2024, 5, 26)},
        {"press, redraw, second press, double-click", {1000, 1200}, 1200, Date(2024, 5, 26)},
        {"a press long before is no first click", {1000}, 5000, Date(2024, 4, 28)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        View.State.RecentCellPresses = {};
        Start(ViewMode::Month, Date(2024, 6, 20));
        for (const std::int64_t time : c.Presses) {
            PressLeft(View, CellPoint(0), time);
            Draw();
        }
        DoubleClickLeft(View, CellPoint(0), c.DoubleClick, 500, Dialog);
        EXPECT_EQ(View.Mode(), ViewMode::Day);
        ExpectShown(c.Opened);
    }
}

TEST_F(SelectionTest, RightPressSelectsWithoutChangingTheDayAndTellsWhetherTheMenuOpens)
{
    Start(ViewMode::Week, Date(2024, 6, 12), true);
    AddItems(2);
    Draw();
    struct Case
    {
        const char* Name;
        Point At;
        int Cell;
        int ToDoRow;
        bool Menu;
    };
    const Case cases[] = {
        {"a cell of another day", CellPoint(CellIndexOf(ViewMode::Week, 5, 4)), 5 * 13 + 4, -1, true},
        {"the ToDo header", ToDoRowPoint(0), -1, 0, false},
        {"an item", ToDoRowPoint(1), -1, 1, true},
        {"an empty ToDo row", ToDoRowPoint(6), -1, 6, true},
        {"nothing", {20, 400}, -1, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(PressRight(View, c.At), c.Menu);
        EXPECT_EQ(View.State.SelectedCell, c.Cell);
        EXPECT_EQ(View.State.SelectedToDoRow, c.ToDoRow);
        ExpectShown(Date(2024, 6, 12));
    }
}

TEST_F(SelectionTest, ArrowKeysMoveTheCellWithinTheGridAndStopAtItsEdges)
{
    struct Case
    {
        const char* Name;
        ViewMode Mode;
        CellPlace From;
        NavigationKey Key;
        CellPlace To;
    };
    using enum NavigationKey;
    const Case cases[] = {
        {"week: down", ViewMode::Week, {2, 4}, Down, {2, 5}},
        {"week: down on the memo row", ViewMode::Week, {2, 12}, Down, {2, 12}},
        {"week: up", ViewMode::Week, {2, 4}, Up, {2, 3}},
        {"week: up on the date header", ViewMode::Week, {2, 0}, Up, {2, 0}},
        {"week: right", ViewMode::Week, {2, 4}, Right, {3, 4}},
        {"week: right on the last column", ViewMode::Week, {6, 4}, Right, {6, 4}},
        {"week: left", ViewMode::Week, {2, 4}, Left, {1, 4}},
        {"week: left on the first column", ViewMode::Week, {0, 4}, Left, {0, 4}},
        {"month: down on the last week row", ViewMode::Month, {3, 5}, Down, {3, 5}},
        {"month: down", ViewMode::Month, {3, 4}, Down, {3, 5}},
        {"month: right on the last column", ViewMode::Month, {6, 2}, Right, {6, 2}},
        {"day: down on the memo row", ViewMode::Day, {0, 12}, Down, {0, 12}},
        {"day: up", ViewMode::Day, {0, 5}, Up, {0, 4}},
        {"day: left does nothing", ViewMode::Day, {0, 5}, Left, {0, 5}},
        {"day: right does nothing", ViewMode::Day, {0, 5}, Right, {0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Start(c.Mode, Date(2024, 6, 12));
        View.State.SelectedCell = CellIndexOf(c.Mode, c.From.Column, c.From.Row);
        const KeyOutcome outcome = PressKey(View, c.Key, Dialog);
        EXPECT_TRUE(outcome.Taken);
        EXPECT_FALSE(outcome.DocumentChanged);
        EXPECT_EQ(View.State.SelectedCell, CellIndexOf(c.Mode, c.To.Column, c.To.Row));
        ExpectShown(Date(2024, 6, 12));
    }
}

TEST_F(SelectionTest, ToDoArrowKeysMoveTheRowAndScrollThePaneAtItsEnds)
{
    struct Case
    {
        const char* Name;
        int Items;
        int Row;
        int Top;
        NavigationKey Key;
        int ExpectedRow;
        int ExpectedTop;
    };
    using enum NavigationKey;
    // The window holds ten pane rows: the header and nine items.
    const Case cases[] = {
        {"down from the last of three items stays", 3, 3, 0, Down, 3, 0},
        {"down to the next item", 3, 1, 0, Down, 2, 0},
        {"down from the header", 3, 0, 0, Down, 1, 0},
        {"up from the first row at the top stays", 3, 1, 0, Up, 1, 0},
        {"up", 3, 3, 0, Up, 2, 0},
        {"down on the last row scrolls", 20, 9, 0, Down, 9, 1},
        {"down on the last row of the last page stays", 20, 9, 11, Down, 9, 11},
        {"up on the first row scrolls back", 20, 1, 4, Up, 1, 3},
        {"up from the header selects the first row", 20, 0, 4, Up, 1, 3},
    };
    WindowSize = TenToDoRows;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        AddItems(c.Items);
        Start(ViewMode::Week, Date(2024, 6, 12), true);
        ASSERT_EQ(View.State.ToDoRowCount, 10);
        View.State.SelectedToDoRow = c.Row;
        View.State.ToDoScrollTop = c.Top;
        EXPECT_TRUE(PressKey(View, c.Key, Dialog).Taken);
        EXPECT_EQ(View.State.SelectedToDoRow, c.ExpectedRow);
        EXPECT_EQ(View.State.ToDoScrollTop, c.ExpectedTop);
        EXPECT_EQ(View.State.ToDoScrollPos, c.ExpectedTop);
    }
}

TEST_F(SelectionTest, LeftAndRightLeaveAToDoSelectionAndTheScrollPositionAlone)
{
    WindowSize = TenToDoRows;
    AddItems(20);
    Start(ViewMode::Day, Date(2024, 6, 12), true);
    // Scrolled to the end: the bar stands at the last item, the pane shows the last full page.
    View.ScrollToDo(ScrollRequest::Bottom);
    View.State.SelectedToDoRow = 4;
    const ViewState before = View.State;
    for (const NavigationKey key : {NavigationKey::Left, NavigationKey::Right}) {
        EXPECT_TRUE(PressKey(View, key, Dialog).Taken);
        EXPECT_EQ(View.State.SelectedToDoRow, 4);
        EXPECT_EQ(View.State.ToDoScrollTop, before.ToDoScrollTop);
        EXPECT_EQ(View.State.ToDoScrollPos, 20);
    }
}

TEST_F(SelectionTest, TheWheelOverTheToDoPaneScrollsIt)
{
    WindowSize = TenToDoRows;
    AddItems(20);
    Start(ViewMode::Day, Date(2024, 6, 12), true);
    EXPECT_TRUE(WheelOverToDo(View, ToDoRowPoint(3), 3));
    EXPECT_EQ(View.State.ToDoScrollTop, 3);
    EXPECT_EQ(View.State.ToDoScrollPos, 3);
    EXPECT_TRUE(WheelOverToDo(View, ToDoRowPoint(0), -5)); // the header row is part of the pane
    EXPECT_EQ(View.State.ToDoScrollTop, 0);
    EXPECT_TRUE(WheelOverToDo(View, ToDoRowPoint(9), 100));
    EXPECT_EQ(View.State.ToDoScrollPos, 20);
    EXPECT_EQ(View.State.ToDoScrollTop, 20 - View.State.ToDoVisibleRows + 1);

    // Over the planner, or with the pane hidden, the wheel changes nothing.
    const ViewState before = View.State;
    EXPECT_FALSE(WheelOverToDo(View, CellPoint(4), -3));
    View.State.ToDoView = false;
    EXPECT_FALSE(WheelOverToDo(View, ToDoRowPoint(3), -3));
    EXPECT_EQ(View.State.ToDoScrollTop, before.ToDoScrollTop);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(SelectionTest, KeysPassWithoutASelection)
{
    Start(ViewMode::Week, Date(2024, 6, 12), true);
    for (const NavigationKey key : {NavigationKey::Enter, NavigationKey::Down, NavigationKey::Left}) {
        EXPECT_FALSE(TakesKey(View.State));
        EXPECT_FALSE(PressKey(View, key, Dialog).Taken);
    }
    EXPECT_TRUE(Dialog.Started.empty());
}

TEST_F(SelectionTest, EnterOpensTheSelectedCellOnTheDayOfItsColumn)
{
    Start(ViewMode::Week, Date(2024, 6, 12));
    StoreNumberedDay(Date(2024, 6, 14));
    // Selected with the keys: the shown day is still 12 June.
    View.State.SelectedCell = CellIndexOf(ViewMode::Week, 5, DayRow::Memo);
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "new memo"; });
    const KeyOutcome outcome = PressKey(View, NavigationKey::Enter, dialog);
    EXPECT_TRUE(outcome.Taken);
    EXPECT_TRUE(outcome.DocumentChanged);
    ASSERT_EQ(dialog.Started.size(), 1u);
    EXPECT_EQ(dialog.Started[0].EditMode, EditMemo);
    EXPECT_EQ(dialog.Started[0].Text1, "memo");
    EXPECT_EQ(StoredDay(Date(2024, 6, 14)).GetMemo(), "new memo");
    ExpectShown(Date(2024, 6, 14));
}

TEST_F(SelectionTest, OpeningACellShowsItsDayAlsoWhenTheDialogIsCancelled)
{
    Start(ViewMode::Week, Date(2024, 6, 12));
    View.State.SelectedCell = CellIndexOf(ViewMode::Week, 1, DayRow::KindAndEvent);
    ScriptedViewServices dialog = Cancelling();
    EXPECT_FALSE(OpenEntry(View, dialog));
    ASSERT_EQ(dialog.Started.size(), 1u);
    EXPECT_EQ(dialog.Started[0].EditMode, EditKindAndEvent);
    ExpectShown(Date(2024, 6, 10));
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(SelectionTest, DoubleClickOnAnEmptyToDoRowAppendsANewItem)
{
    Start(ViewMode::Day, Date(2024, 6, 12), true);
    AddItems(3);
    Draw();
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "new"; });
    EXPECT_TRUE(DoubleClickLeft(View, ToDoRowPoint(6), 1000, 500, dialog));
    ASSERT_EQ(dialog.Started.size(), 1u);
    EXPECT_EQ(dialog.Started[0].EditMode, EditToDo);
    EXPECT_EQ(dialog.Started[0].Text1, "");
    EXPECT_EQ(dialog.Started[0].ComboText, "A1");
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "item 2", "new"}));
    EXPECT_EQ(View.State.SelectedToDoRow, 4); // the new item
    ExpectShown(Date(2024, 6, 12));

    // Cancelled, nothing is added and the selection goes to the first empty row.
    ScriptedViewServices cancelled = Cancelling();
    Document.SetModified(false);
    EXPECT_FALSE(DoubleClickLeft(View, ToDoRowPoint(8), 2000, 500, cancelled));
    EXPECT_EQ(Document.ToDoCount(), 4);
    EXPECT_EQ(View.State.SelectedToDoRow, 5);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(SelectionTest, OpeningAnItemOfAScrolledPaneEditsTheItemShownThere)
{
    WindowSize = TenToDoRows;
    AddItems(20);
    Start(ViewMode::Week, Date(2024, 6, 12), true);
    View.State.ToDoScrollTop = 5;
    View.State.SelectedToDoRow = 2;
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "edited"; });
    EXPECT_TRUE(OpenEntry(View, dialog));
    ASSERT_EQ(dialog.Started.size(), 1u);
    EXPECT_EQ(dialog.Started[0].Text1, "item 6");
    EXPECT_EQ(Document.ToDoList()[6].GetKennmei(), "edited");
    EXPECT_EQ(View.State.SelectedToDoRow, 2);
}

TEST_F(SelectionTest, DoubleClickOnTheToDoHeaderSortsTheList)
{
    struct Item
    {
        const char* Subject;
        DateTime Deadline;
        std::string Importance;
    };
    const Item items[] = {
        {"b", Date(2024, 5, 3), Sj("Ａ")}, // a code page 932 text sorts after every ASCII text
        {"c", Date(2023, 12, 1), "B1"},
        {"a", Date(2024, 5, 2), "A1"},
        {"d", DateTime::Invalid(), "A1"},
    };
    struct Case
    {
        int Sort;
        std::vector<std::string> Order;
    };
    // Equal keys ("A1" twice) end in the order the exchange sort leaves them.
    const Case cases[] = {
        {SortByImportance, {"d", "a", "c", "b"}},
        {SortByDeadline, {"d", "c", "a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Sort);
        Document = CPlanovaDoc();
        for (const Item& item : items) {
            CToDo todo;
            todo.SetKennmei(item.Subject);
            todo.SetKigenn(item.Deadline.Year(), item.Deadline.Month(), item.Deadline.Day());
            todo.SetJyuuyoudo(item.Importance);
            Document.AppendToDo(todo);
        }
        Document.SetModified(false);
        Start(ViewMode::Day, Date(2024, 6, 12), true);
        View.State.ToDoSort = c.Sort;
        EXPECT_TRUE(DoubleClickLeft(View, ToDoRowPoint(0), 1000, 500, Dialog));
        EXPECT_EQ(Subjects(), c.Order);
        EXPECT_EQ(View.State.SelectedToDoRow, 0);
        EXPECT_TRUE(Document.IsModified());
        EXPECT_TRUE(Dialog.Started.empty());
    }
}

TEST(ToDoSortTest, KeysAreTheImportanceOrTheDeadlineWithSlashes)
{
    CToDo item;
    item.SetJyuuyoudo("C3");
    item.SetKigenn(2024, 4, 5);
    EXPECT_EQ(ToDoSortKey(item, SortByImportance), "C3");
    EXPECT_EQ(ToDoSortKey(item, SortByDeadline), "2024/04/05");
    item.SetKigenn(2023, 2, 30);
    EXPECT_EQ(ToDoSortKey(item, SortByDeadline), "0000/00/00");

    CPlanovaDoc empty;
    EXPECT_FALSE(SortToDo(empty, SortByDeadline));
    EXPECT_FALSE(empty.IsModified());
}

} // namespace
} // namespace planova
