#include "edit/EditCommands.h"

#include "model/FixedTexts.h"
#include "support/EditingViewFixture.h"
#include "edit/CommandTable.h"
#include "edit/Selection.h"

#include <gtest/gtest.h>

#include <functional>

namespace planova {
namespace {

using test::Cancelling;
using test::Confirming;
using test::Date;
using test::ScriptedViewServices;

const DateTime Shown = Date(2024, 6, 12); // a Wednesday: the week runs from Sunday 9 to Saturday 15 June
const DateTime Friday = Date(2024, 6, 14);
constexpr int FridayColumn = 5;

std::vector<std::string> Numbered(const std::string& prefix, std::initializer_list<int> numbers)
{
    std::vector<std::string> texts;
    for (const int n : numbers)
        texts.push_back(n < 0 ? std::string() : prefix + std::to_string(n));
    return texts;
}

class EditCommandsTest : public test::EditingViewFixture
{
protected:
    void StartWeek()
    {
        Start(ViewMode::Week, Shown, true);
        StoreNumberedDay(Friday);
    }

    void SelectFridayRow(int cellRow)
    {
        View.State.SelectedCell = CellIndexOf(ViewMode::Week, FridayColumn, cellRow);
        View.State.SelectedToDoRow = -1;
    }

    /// Ten pane rows (the header and nine items) over `items` items.
    void StartToDo(int items)
    {
        WindowSize = TenToDoRows;
        AddItems(items);
        Start(ViewMode::Week, Shown, true);
    }

    void SelectPaneRow(int row)
    {
        View.State.SelectedCell = -1;
        View.State.SelectedToDoRow = row;
    }

    CommandOutcome Run(int id) { return RunViewCommand(View, id, Dialog); }
    CommandOutcome Run(int id, ScriptedViewServices& dialog) { return RunViewCommand(View, id, dialog); }

    ScriptedViewServices Dialog; // cancels
};

TEST_F(EditCommandsTest, EnableRulesFollowTheSelectedRowAndPaneRow)
{
    struct Case
    {
        const char* Name;
        ViewMode Mode;
        int Cell;
        int PaneRow;
        const char* Enabled; // E edit, I insert, U up, D down, X delete, F the day fills
    };
    const auto week = [](int row) { return CellIndexOf(ViewMode::Week, 2, row); };
    const Case cases[] = {
        {"week date header", ViewMode::Week, week(0), -1, "F"},
        {"week kind and event", ViewMode::Week, week(1), -1, "EF"},
        {"first period row", ViewMode::Week, week(2), -1, "EIDXF"},
        {"second period row", ViewMode::Week, week(3), -1, "EIUDXF"},
        {"ninth period row", ViewMode::Week, week(10), -1, "EIUDXF"},
        {"last period row", ViewMode::Week, week(11), -1, "EIUXF"},
        {"memo", ViewMode::Week, week(12), -1, "EF"},
        {"day view period row", ViewMode::Day, 5, -1, "EIUDXF"},
        {"day view, nothing selected", ViewMode::Day, -1, -1, "F"},
        {"week view, nothing selected", ViewMode::Week, -1, -1, ""},
        {"month cell", ViewMode::Month, 15, -1, ""},
        {"ToDo header", ViewMode::Week, -1, 0, ""},
        {"first of three items", ViewMode::Week, -1, 1, "EIDX"},
        {"last of three items", ViewMode::Week, -1, 3, "EIUX"},
        {"empty row below the items", ViewMode::Week, -1, 4, "I"},
        {"last pane row", ViewMode::Week, -1, 9, "I"},
        {"an item in the month view", ViewMode::Month, -1, 2, "EIUDX"},
    };
    const std::pair<char, std::vector<int>> letters[] = {
        {'E', {CommandId::Edit}},
        {'I', {CommandId::Insert}},
        {'U', {CommandId::MoveUp}},
        {'D', {CommandId::MoveDown}},
        {'X', {CommandId::Delete}},
        {'F',
         {CommandId::StandardDay, CommandId::SchoolDayRows, CommandId::ClockHourRows, CommandId::ClearDay}},
    };
    WindowSize = TenToDoRows;
    AddItems(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Start(c.Mode, Shown, true);
        View.State.SelectedCell = c.Cell;
        View.State.SelectedToDoRow = c.PaneRow;
        for (const auto& [letter, ids] : letters)
            for (const int id : ids)
                EXPECT_EQ(IsViewCommandEnabled(View, id),
                          std::string_view(c.Enabled).find(letter) != std::string_view::npos)
                    << letter << " " << id;
        EXPECT_TRUE(IsViewCommandEnabled(View, CommandId::FirstWeekday));
    }
}

TEST_F(EditCommandsTest, ADisabledCommandDoesNothing)
{
    StartWeek();
    SelectFridayRow(DayRow::FirstPeriod);
    ScriptedViewServices dialog = Confirming();
    EXPECT_EQ(Run(CommandId::MoveUp, dialog), CommandOutcome::NotRun);
    SelectFridayRow(DayRow::Memo - 1);
    EXPECT_EQ(Run(CommandId::MoveDown, dialog), CommandOutcome::NotRun);
    SelectFridayRow(DayRow::Memo);
    EXPECT_EQ(Run(CommandId::Insert, dialog), CommandOutcome::NotRun);
    EXPECT_EQ(Run(CommandId::Delete, dialog), CommandOutcome::NotRun);
    EXPECT_TRUE(dialog.Started.empty());
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(Labels(Friday), Numbered("L", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(View.State.SelectedCell, CellIndexOf(ViewMode::Week, FridayColumn, DayRow::Memo));
}

TEST_F(EditCommandsTest, InsertPushesTheRowsDownAndDropsTheLastOne)
{
    struct Case
    {
        const char* Name;
        int PeriodRow;
        std::vector<std::string> Labels;
    };
    const Case cases[] = {
        {"row 0", 0, Numbered("L", {99, 0, 1, 2, 3, 4, 5, 6, 7, 8})},
        {"row 4", 4, Numbered("L", {0, 1, 2, 3, 99, 4, 5, 6, 7, 8})},
        {"row 9", 9, Numbered("L", {0, 1, 2, 3, 4, 5, 6, 7, 8, 99})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        StartWeek();
        const int cell = CellIndexOf(ViewMode::Week, FridayColumn, DayRow::FirstPeriod + c.PeriodRow);
        View.State.SelectedCell = cell;
        ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) {
            values.Text1 = "L99";
            values.Text2 = "new plan";
            values.ColorIndex = 6;
        });
        EXPECT_EQ(Run(CommandId::Insert, dialog), CommandOutcome::DocumentChanged);

        ASSERT_EQ(dialog.Started.size(), 1u);
        EXPECT_EQ(dialog.Started[0].EditMode, EditPeriodRow);
        EXPECT_EQ(dialog.Started[0].TitlePrefix, "");
        EXPECT_EQ(dialog.Started[0].Text1, "");
        EXPECT_EQ(dialog.Started[0].ColorIndex, 0);
        EXPECT_EQ(Labels(Friday), c.Labels);
        const CDayData day = StoredDay(Friday);
        EXPECT_EQ(day.GetYotei(c.PeriodRow), "new plan");
        EXPECT_EQ(day.GetIro(c.PeriodRow), 6);
        if (c.PeriodRow < 9) { // the row that was there moved down with all its fields
            EXPECT_EQ(day.GetYotei(c.PeriodRow + 1), "P" + std::to_string(c.PeriodRow));
            EXPECT_EQ(day.GetIro(c.PeriodRow + 1), c.PeriodRow % 8);
        }
        EXPECT_EQ(View.State.SelectedCell, cell);
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Shown));
        EXPECT_TRUE(Document.IsModified());
    }
}

TEST_F(EditCommandsTest, CancelledInsertChangesNothing)
{
    StartWeek();
    SelectFridayRow(DayRow::FirstPeriod + 2);
    ScriptedViewServices dialog = Cancelling();
    EXPECT_EQ(Run(CommandId::Insert, dialog), CommandOutcome::ViewChanged);
    EXPECT_EQ(Labels(Friday), Numbered("L", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(EditCommandsTest, DeletePullsTheRowsUpAndAnEmptyRowIn)
{
    struct Case
    {
        const char* Name;
        int PeriodRow;
        std::vector<std::string> Labels;
    };
    const Case cases[] = {
        {"row 0", 0, Numbered("L", {1, 2, 3, 4, 5, 6, 7, 8, 9, -1})},
        {"row 9", 9, Numbered("L", {0, 1, 2, 3, 4, 5, 6, 7, 8, -1})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        StartWeek();
        SelectFridayRow(DayRow::FirstPeriod + c.PeriodRow);
        const int selected = View.State.SelectedCell;
        EXPECT_EQ(Run(CommandId::Delete), CommandOutcome::DocumentChanged);
        EXPECT_EQ(Labels(Friday), c.Labels);
        const CDayData day = StoredDay(Friday);
        EXPECT_EQ(day.GetYotei(9), "");
        EXPECT_EQ(day.GetNaiyou(9), "");
        EXPECT_EQ(day.GetIro(9), 0);
        EXPECT_EQ(day.GetYotei(0), c.PeriodRow == 0 ? "P1" : "P0");
        EXPECT_EQ(View.State.SelectedCell, selected);
    }
}

TEST_F(EditCommandsTest, MovesExchangeRowsAndTheSelectionFollows)
{
    struct Case
    {
        const char* Name;
        int Id;
        int PeriodRow;
        std::vector<std::string> Labels;
        int SelectedPeriodRow;
    };
    const Case cases[] = {
        {"up from row 1", CommandId::MoveUp, 1, Numbered("L", {1, 0, 2, 3, 4, 5, 6, 7, 8, 9}), 0},
        {"up from row 9", CommandId::MoveUp, 9, Numbered("L", {0, 1, 2, 3, 4, 5, 6, 7, 9, 8}), 8},
        {"down from row 0", CommandId::MoveDown, 0, Numbered("L", {1, 0, 2, 3, 4, 5, 6, 7, 8, 9}), 1},
        {"down from row 8", CommandId::MoveDown, 8, Numbered("L", {0, 1, 2, 3, 4, 5, 6, 7, 9, 8}), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        StartWeek();
        SelectFridayRow(DayRow::FirstPeriod + c.PeriodRow);
        EXPECT_EQ(Run(c.Id), CommandOutcome::DocumentChanged);
        EXPECT_EQ(Labels(Friday), c.Labels);
        EXPECT_EQ(StoredDay(Friday).GetIro(c.SelectedPeriodRow),
                  c.PeriodRow % 8); // colours move with the rows
        EXPECT_EQ(View.State.SelectedCell,
                  CellIndexOf(ViewMode::Week, FridayColumn, DayRow::FirstPeriod + c.SelectedPeriodRow));
    }
}

TEST_F(EditCommandsTest, ToDoInsertPutsTheNewItemBeforeTheSelectedOneOrAtTheEnd)
{
    struct Case
    {
        const char* Name;
        int PaneRow;
        std::vector<std::string> Subjects;
        int SelectedAfter;
    };
    const Case cases[] = {
        {"before the last item", 3, {"item 0", "item 1", "new", "item 2"}, 3},
        {"before the first item", 1, {"new", "item 0", "item 1", "item 2"}, 1},
        {"on an empty row", 5, {"item 0", "item 1", "item 2", "new"}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        StartToDo(3);
        SelectPaneRow(c.PaneRow);
        ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) {
            values.Text1 = "new";
            values.ComboText = "R2"; // the importance codes set no deadline here
            values.DateValue = Date(2024, 7, 1);
        });
        EXPECT_EQ(Run(CommandId::Insert, dialog), CommandOutcome::DocumentChanged);
        ASSERT_EQ(dialog.Started.size(), 1u);
        EXPECT_EQ(dialog.Started[0].EditMode, EditToDo);
        EXPECT_EQ(dialog.Started[0].ComboText, "A1");
        EXPECT_EQ(Subjects(), c.Subjects);
        const CToDo& added = Document.ToDoList()[static_cast<std::size_t>(c.SelectedAfter - 1)];
        EXPECT_EQ(added.GetKennmei(), "new");
        EXPECT_TRUE(added.GetKigenn().IsIdenticalTo(Date(2024, 7, 1)));
        EXPECT_EQ(View.State.SelectedToDoRow, c.SelectedAfter);
    }

    ScriptedViewServices cancelled = Cancelling();
    SelectPaneRow(7);
    Document.SetModified(false);
    EXPECT_EQ(Run(CommandId::Insert, cancelled), CommandOutcome::ViewChanged);
    EXPECT_EQ(Document.ToDoCount(), 4);
    EXPECT_EQ(View.State.SelectedToDoRow, 7);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(EditCommandsTest, ToDoMovesExchangeItemsWithoutUndoAndTheSelectionFollows)
{
    struct Case
    {
        const char* Name;
        int Items;
        int PaneRow;
        int Top;
        int Id;
        std::vector<int> Order;
        int SelectedAfter;
        int TopAfter;
    };
    const Case cases[] = {
        {"up", 4, 3, 0, CommandId::MoveUp, {0, 2, 1, 3}, 2, 0},
        {"down", 4, 1, 0, CommandId::MoveDown, {1, 0, 2, 3}, 2, 0},
        {"down to the last item", 4, 3, 0, CommandId::MoveDown, {0, 1, 3, 2}, 4, 0},
        // Below the last pane row the pane scrolls, so the moved item stays selected and shown.
        {"down from the last pane row",
         12,
         9,
         0,
         CommandId::MoveDown,
         {0, 1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 11},
         9,
         1},
        {"up in a scrolled pane", 12, 2, 3, CommandId::MoveUp, {0, 1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11}, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        StartToDo(c.Items);
        View.State.ToDoScrollTop = c.Top;
        SelectPaneRow(c.PaneRow);
        EXPECT_EQ(Run(c.Id), CommandOutcome::DocumentChanged);
        std::vector<std::string> expected;
        for (const int n : c.Order)
            expected.push_back("item " + std::to_string(n));
        EXPECT_EQ(Subjects(), expected);
        EXPECT_EQ(View.State.SelectedToDoRow, c.SelectedAfter);
        EXPECT_EQ(View.State.ToDoScrollTop, c.TopAfter);
    }
}

TEST_F(EditCommandsTest, ADeletedItemComesBackInItsPlaceAndRedoDeletesItAgain)
{
    StartToDo(5);
    SelectPaneRow(3);
    EXPECT_EQ(Run(CommandId::Delete), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "item 3", "item 4"}));
    EXPECT_EQ(View.State.SelectedToDoRow, 3); // now the item that followed

    EXPECT_EQ(Run(CommandId::EditUndo), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "item 2", "item 3", "item 4"}));
    EXPECT_EQ(Run(CommandId::EditRedo), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "item 3", "item 4"}));
}

TEST_F(EditCommandsTest, AfterDeletingTheLastItemItsRowIsEmptyAndDeleteIsDisabledThere)
{
    StartToDo(3);
    SelectPaneRow(3);
    EXPECT_EQ(Run(CommandId::Delete), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Document.ToDoCount(), 2);
    EXPECT_EQ(View.State.SelectedToDoRow, 3);
    EXPECT_FALSE(IsViewCommandEnabled(View, CommandId::Delete));
    EXPECT_FALSE(IsViewCommandEnabled(View, CommandId::Edit));
    EXPECT_TRUE(IsViewCommandEnabled(View, CommandId::Insert));
}

TEST_F(EditCommandsTest, DayFillsActOnTheDayOfTheSelectedColumnAndCanBeUndone)
{
    struct Case
    {
        int Id;
        std::function<void(CDayData&)> Expected;
    };
    const Case cases[] = {
        {CommandId::StandardDay, [](CDayData& day) { day.SetStandardDay(); }},
        {CommandId::SchoolDayRows, [](CDayData& day) { day.SetSchoolDayRows(); }},
        {CommandId::ClockHourRows, [](CDayData& day) { day.SetClockHourRows(); }},
        {CommandId::ClearDay, [](CDayData& day) { day.ClearDay(day.GetDate()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Id);
        Document = CPlanovaDoc();
        StartWeek();
        const CDayData before = StoredDay(Friday);
        CDayData expected = before;
        c.Expected(expected);
        SelectFridayRow(DayRow::Date); // any row of the column, the date header included

        EXPECT_EQ(Run(c.Id), CommandOutcome::DocumentChanged);
        EXPECT_EQ(StoredDay(Friday), expected);
        EXPECT_EQ(Document.DayList().size(), 1u); // a cleared day stays stored
        EXPECT_EQ(View.State.SelectedCell, -1);
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Shown));

        ASSERT_EQ(Run(CommandId::EditUndo), CommandOutcome::DocumentChanged);
        EXPECT_EQ(StoredDay(Friday), before);
    }
}

TEST_F(EditCommandsTest, DayFillsInTheDayViewActOnTheShownDay)
{
    Start(ViewMode::Day, Friday);
    StoreNumberedDay(Friday);
    EXPECT_EQ(Run(CommandId::ClockHourRows), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Labels(Friday)[0], "08");
    EXPECT_EQ(Labels(Friday)[9], "17");
}

TEST_F(EditCommandsTest, TheFirstWeekdaySwitchesInTheViewOnly)
{
    StartWeek();
    View.State.SelectedCell = 20;
    EXPECT_EQ(ViewCommandText(View, CommandId::FirstWeekday), "表示を月曜始に変更する");
    EXPECT_EQ(Run(CommandId::FirstWeekday), CommandOutcome::ViewChanged);
    EXPECT_EQ(View.State.StartWeekday, 1);
    EXPECT_EQ(View.State.SelectedCell, -1);
    EXPECT_EQ(ViewCommandText(View, CommandId::FirstWeekday), "表示を日曜始に変更する");
    View.State.SelectedToDoRow = 2;
    EXPECT_EQ(Run(CommandId::FirstWeekday), CommandOutcome::ViewChanged);
    EXPECT_EQ(View.State.StartWeekday, 0);
    EXPECT_EQ(View.State.SelectedToDoRow, -1);
    EXPECT_EQ(Document.StartWeekday, 0);
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(ViewCommandText(View, CommandId::Insert), "");
}

TEST_F(EditCommandsTest, ElevenEditsAreAllUndoneAndRedone)
{
    struct Step
    {
        int Id;
        int CellRow;
    };
    const Step steps[] = {
        {CommandId::Delete, 2},    {CommandId::MoveDown, 3}, {CommandId::Insert, 4},
        {CommandId::MoveUp, 11},   {CommandId::Delete, 7},   {CommandId::ClockHourRows, 0},
        {CommandId::Edit, 12},     {CommandId::Insert, 2},   {CommandId::SchoolDayRows, 5},
        {CommandId::MoveDown, 10}, {CommandId::Edit, 1},
    };
    StartWeek();
    int count = 0;
    ScriptedViewServices dialog = Confirming(
        [&count](EntryDialogValues& values) { values.Text1 = "typed " + std::to_string(++count); });
    std::vector<CDayData> before;
    for (const Step& step : steps) {
        before.push_back(StoredDay(Friday));
        SelectFridayRow(step.CellRow);
        ASSERT_EQ(Run(step.Id, dialog), CommandOutcome::DocumentChanged) << step.Id;
    }
    const DateTime shownAfterEdits = View.State.CurrentDate; // opening an entry shows its day
    for (int n = 10; n >= 1; --n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(IsViewCommandEnabled(View, CommandId::EditUndo));
        EXPECT_EQ(Run(CommandId::EditUndo), CommandOutcome::DocumentChanged);
        EXPECT_EQ(StoredDay(Friday), before[static_cast<std::size_t>(n)]);
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(shownAfterEdits));
    }
    // Eleven steps are kept, not ten: the oldest comes back as well, and redo brings them again.
    EXPECT_EQ(Run(CommandId::EditUndo), CommandOutcome::DocumentChanged);
    EXPECT_EQ(StoredDay(Friday), before[0]);
    EXPECT_EQ(ViewCommandText(View, CommandId::EditRedo),
              "やり直し: " + UndoStepName(*FindCommand(steps[0].Id)));
    EXPECT_EQ(Run(CommandId::EditRedo), CommandOutcome::DocumentChanged);
    EXPECT_EQ(StoredDay(Friday), before[1]);
}

TEST_F(EditCommandsTest, UndoChangesADayOutsideTheShownPageWithoutMovingTheView)
{
    StartWeek();
    const CDayData before = StoredDay(Friday);
    SelectFridayRow(DayRow::FirstPeriod);
    ASSERT_EQ(Run(CommandId::Delete), CommandOutcome::DocumentChanged);
    View.Step(+1);
    Draw();
    const DateTime nextWeek = View.State.CurrentDate;
    Document.SetModified(false);

    EXPECT_EQ(Run(CommandId::EditUndo), CommandOutcome::DocumentChanged);
    EXPECT_EQ(StoredDay(Friday), before);
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(nextWeek));
    EXPECT_TRUE(Document.IsModified());
}

} // namespace
} // namespace planova
