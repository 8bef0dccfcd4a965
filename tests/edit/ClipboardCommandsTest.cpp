#include "edit/ClipboardCommands.h"

#include "edit/Selection.h"
#include "support/EditingViewFixture.h"
#include "support/ScriptedViewServices.h"

#include "edit/TextPaste.h"
#include "model/Clock.h"

#include <gtest/gtest.h>

#include <functional>

namespace planova {
namespace {

using test::Date;

const DateTime Shown = Date(2024, 6, 12); // a Wednesday: the week runs from Sunday 9 to Saturday 15 June
const DateTime Thursday = Date(2024, 6, 13);
const DateTime Friday = Date(2024, 6, 14);
constexpr int ThursdayColumn = 4;
constexpr int FridayColumn = 5;

int WeekCell(int column, int row)
{
    return CellIndexOf(ViewMode::Week, column, row);
}

class ClipboardCommandsTest : public test::EditingViewFixture
{
protected:
    void StartWeek()
    {
        Start(ViewMode::Week, Shown, true);
        StoreNumberedDay(Friday, "friday memo");
    }

    void SelectCell(int cell)
    {
        View.State.SelectedCell = cell;
        View.State.SelectedToDoRow = -1;
    }

    void SelectPaneRow(int row)
    {
        View.State.SelectedCell = -1;
        View.State.SelectedToDoRow = row;
    }

    CommandOutcome Run(int id) { return RunViewCommand(View, id, Dialogs); }

    /// Another program puts text on the system clipboard; the window notes it for the enable rule.
    void OutsideCopy(const std::string& text)
    {
        Dialogs.SystemClipboard = text;
        View.State.OutsideClipboardText = IsOutsideText(View.State.Clipboard, text);
    }

    test::ScriptedViewServices Dialogs;
};

TEST_F(ClipboardCommandsTest, EnableRulesFollowTheSelectionTheModeAndTheClipboard)
{
    struct Case
    {
        const char* Name;
        ViewMode Mode;
        int Cell;
        int PaneRow;
        int ClipKind;
        const char* Enabled;      // C copy, X cut, V paste
        bool OutsideText = false; ///< another program's text on the system clipboard
    };
    const Case cases[] = {
        {"week date header", ViewMode::Week, WeekCell(2, 0), -1, ClipPeriodRow, ""},
        {"kind and event, empty clipboard", ViewMode::Week, WeekCell(2, 1), -1, ClipEmpty, "CX"},
        {"period row with a clip", ViewMode::Week, WeekCell(2, 5), -1, ClipMemo, "CXV"},
        {"memo with a clip", ViewMode::Week, WeekCell(6, 12), -1, ClipKindAndEvent, "CXV"},
        {"day view first period", ViewMode::Day, 2, -1, ClipPeriodRow, "CXV"},
        {"day view date header", ViewMode::Day, 0, -1, ClipPeriodRow, ""},
        {"month cell", ViewMode::Month, 15, -1, ClipPeriodRow, ""},
        {"month view, ToDo clip, nothing selected", ViewMode::Month, -1, -1, ClipToDo, "V"},
        {"an item, empty clipboard", ViewMode::Week, -1, 2, ClipEmpty, "C"},
        {"an item with a cell clip", ViewMode::Week, -1, 3, ClipPeriodRow, "C"},
        {"an empty pane row", ViewMode::Week, -1, 4, ClipEmpty, ""},
        {"the ToDo header", ViewMode::Week, -1, 0, ClipEmpty, ""},
        {"an item in the month view", ViewMode::Month, -1, 1, ClipToDo, "CV"},
        {"kind and event, another program's text", ViewMode::Week, WeekCell(2, 1), -1, ClipEmpty, "CXV",
         true},
        {"an item, another program's text", ViewMode::Week, -1, 2, ClipEmpty, "CV", true},
        {"an empty pane row, another program's text", ViewMode::Week, -1, 4, ClipEmpty, "V", true},
        {"month cell, another program's text", ViewMode::Month, 15, -1, ClipEmpty, "", true},
        {"the ToDo header, another program's text", ViewMode::Week, -1, 0, ClipEmpty, "", true},
    };
    WindowSize = TenToDoRows;
    AddItems(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Start(c.Mode, Shown, true);
        SelectCell(c.Cell);
        View.State.SelectedToDoRow = c.PaneRow;
        View.State.Clipboard.ClipKind = c.ClipKind;
        View.State.OutsideClipboardText = c.OutsideText;
        const std::string_view enabled(c.Enabled);
        EXPECT_EQ(IsViewCommandEnabled(View, CommandId::EditCopy),
                  enabled.find('C') != std::string_view::npos);
        EXPECT_EQ(IsViewCommandEnabled(View, CommandId::EditCut),
                  enabled.find('X') != std::string_view::npos);
        EXPECT_EQ(IsViewCommandEnabled(View, CommandId::EditPaste),
                  enabled.find('V') != std::string_view::npos);
    }
}

TEST_F(ClipboardCommandsTest, CopyOfARowPastedOnAnotherDayKeepsTheTargetsLabel)
{
    StartWeek();
    StoreNumberedDay(Thursday, "thursday memo");
    SelectCell(WeekCell(FridayColumn, DayRow::FirstPeriod + 3));
    EXPECT_EQ(Run(CommandId::EditCopy), CommandOutcome::ViewChanged);
    EXPECT_FALSE(Document.IsModified());          // copy changes only the clipboard
    EXPECT_EQ(Dialogs.SystemClipboard, "P3\tC3"); // and puts its texts on the system clipboard
    EXPECT_EQ(View.State.CurrentDate, Friday);

    SelectCell(WeekCell(ThursdayColumn, DayRow::FirstPeriod + 7));
    EXPECT_EQ(Run(CommandId::EditPaste), CommandOutcome::DocumentChanged);
    const CDayData thursday = StoredDay(Thursday);
    EXPECT_EQ(thursday.GetJigenn(7), "L7");
    EXPECT_EQ(thursday.GetYotei(7), "P3");
    EXPECT_EQ(thursday.GetNaiyou(7), "C3");
    EXPECT_EQ(thursday.GetIro(7), 3);
    EXPECT_TRUE(Document.IsModified());
    EXPECT_EQ(View.State.CurrentDate, Thursday);
    EXPECT_EQ(View.State.CalendarDate, Thursday);
}

TEST_F(ClipboardCommandsTest, AKindMismatchStillStoresTheDay)
{
    StartWeek();
    SelectCell(WeekCell(FridayColumn, DayRow::KindAndEvent));
    Run(CommandId::EditCopy);
    ASSERT_EQ(Document.FindStoredDay(Thursday), nullptr);
    SelectCell(WeekCell(ThursdayColumn, DayRow::FirstPeriod));
    EXPECT_EQ(Run(CommandId::EditPaste), CommandOutcome::DocumentChanged);
    const CDayData* thursday = Document.FindStoredDay(Thursday);
    ASSERT_NE(thursday, nullptr);
    EXPECT_EQ(thursday->GetJitei(), "");
    EXPECT_EQ(thursday->GetYotei(0), "");
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(ClipboardCommandsTest, CutAMemoAndPasteItOnAnotherDay)
{
    StartWeek();
    SelectCell(WeekCell(FridayColumn, DayRow::Memo));
    EXPECT_EQ(Run(CommandId::EditCut), CommandOutcome::DocumentChanged);
    EXPECT_EQ(StoredDay(Friday).GetMemo(), "");
    EXPECT_TRUE(Document.IsModified());
    EXPECT_EQ(Dialogs.SystemClipboard, "friday memo");
    SelectCell(WeekCell(ThursdayColumn, DayRow::Memo));
    Run(CommandId::EditPaste);
    EXPECT_EQ(StoredDay(Thursday).GetMemo(), "friday memo");
    EXPECT_EQ(View.State.CurrentDate, Thursday);
}

TEST_F(ClipboardCommandsTest, TwoPastesOfAToDoItemAppendTwoEqualItems)
{
    WindowSize = TenToDoRows;
    AddItems(3);
    Start(ViewMode::Week, Shown, true);
    SelectPaneRow(2);
    Run(CommandId::EditCopy);
    EXPECT_EQ(View.State.Clipboard.ClipKind, ClipToDo);
    View.ShowView(ViewMode::Month); // a ToDo clip pastes in every mode, with nothing selected
    ASSERT_TRUE(IsViewCommandEnabled(View, CommandId::EditPaste));
    Run(CommandId::EditPaste);
    Run(CommandId::EditPaste);
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "item 2", "item 1", "item 1"}));
    EXPECT_EQ(Document.ToDoList()[4], Document.ToDoList()[1]);
    EXPECT_EQ(View.State.SelectedToDoRow, 5); // the item pasted last
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(ClipboardCommandsTest, ThePaneScrolledByFiveCopiesItemFiveFromItsFirstRow)
{
    WindowSize = TenToDoRows;
    AddItems(20);
    Start(ViewMode::Week, Shown, true);
    View.State.ToDoScrollTop = 5;
    SelectPaneRow(1);
    Run(CommandId::EditCopy);
    EXPECT_EQ(View.State.Clipboard.ClipTexts[0], "item 5");
    EXPECT_EQ(View.State.Clipboard.ClipDate, Date(2024, 4, 6));

    // Pasting appends item 20 and scrolls the pane so that it shows, selected, on the last row.
    Run(CommandId::EditPaste);
    EXPECT_EQ(Document.ToDoList().back().GetKennmei(), "item 5");
    EXPECT_EQ(SelectedItem(View.State), 20);
    EXPECT_EQ(View.State.SelectedToDoRow, View.State.ToDoRowCount - 1);
}

TEST_F(ClipboardCommandsTest, AnotherProgramsTextGoesIntoTheSelectedCell)
{
    struct Case
    {
        const char* Name;
        int Row;
        std::string Text;
        std::function<std::string(const CDayData&)> Field;
        std::string Expected;
    };
    const auto plan = [](int row) { return [row](const CDayData& day) { return day.GetYotei(row); }; };
    const Case cases[] = {
        {"one line into a period row's plan", DayRow::FirstPeriod + 2, "Lesson", plan(2), "Lesson"},
        {"the event", DayRow::KindAndEvent, "Sports day", &CDayData::GetGyouji, "Sports day"},
        {"several lines into the memo, whole", DayRow::Memo, "a\r\nb\r\n", &CDayData::GetMemo, "a\r\nb\r\n"},
        {"several lines, one per row from the selected one", DayRow::FirstPeriod + 7, "x\r\n\r\nz",
         [](const CDayData& day) {
             return day.GetYotei(6) + "|" + day.GetYotei(7) + "|" + day.GetYotei(8) + "|" + day.GetYotei(9);
         },
         "P6|x||z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        StartWeek();
        OutsideCopy(c.Text);
        SelectCell(WeekCell(FridayColumn, c.Row));
        const auto stepsBefore = Document.Undos().UndoCount();
        EXPECT_EQ(Run(CommandId::EditPaste), CommandOutcome::DocumentChanged);
        const CDayData friday = StoredDay(Friday);
        EXPECT_EQ(c.Field(friday), c.Expected);
        EXPECT_EQ(friday.GetJigenn(7), "L7"); // labels and contents stay
        EXPECT_EQ(friday.GetNaiyou(7), "C7");
        EXPECT_TRUE(Dialogs.Messages.empty());
        // One undo step gives the day back as it was.
        EXPECT_EQ(Document.Undos().UndoCount(), stepsBefore + 1);
        Run(CommandId::EditUndo);
        EXPECT_EQ(StoredDay(Friday).GetYotei(7), "P7");
        EXPECT_EQ(StoredDay(Friday).GetMemo(), "friday memo");
        EXPECT_EQ(StoredDay(Friday).GetGyouji(), "event");
        Dialogs.Messages.clear();
    }
}

TEST_F(ClipboardCommandsTest, WhatDoesNotFitIsCutAndToldInAMessage)
{
    StartWeek();
    // Twelve lines from period row 9 on: rows 9 and 10 take two, ten are left over; the first is too long.
    std::string text = std::string(MaxPastedFieldBytes + 5, 'a');
    for (int n = 1; n < 12; ++n)
        text += "\r\nline" + std::to_string(n);
    OutsideCopy(text);
    SelectCell(WeekCell(FridayColumn, DayRow::FirstPeriod + 8));
    Run(CommandId::EditPaste);
    EXPECT_EQ(StoredDay(Friday).GetYotei(8), std::string(MaxPastedFieldBytes, 'a'));
    EXPECT_EQ(StoredDay(Friday).GetYotei(9), "line1");
    ASSERT_EQ(Dialogs.Messages.size(), std::size_t{1});
    EXPECT_EQ(Dialogs.Messages[0], "貼り付ける文字列が長すぎるため、1 か所を 30000 バイトまでで切りました。"
                                   "最後の時限の行より下にあたる 10 行は貼り付けませんでした。");
}

TEST_F(ClipboardCommandsTest, AnotherProgramsLinesBecomeToDoItems)
{
    WindowSize = TenToDoRows;
    AddItems(2);
    Start(ViewMode::Week, Shown, true);
    OutsideCopy("call parents\r\n\r\nbuy chalk\r\n");
    SelectPaneRow(1);
    EXPECT_EQ(Run(CommandId::EditPaste), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "call parents", "buy chalk"}));
    EXPECT_EQ(Document.ToDoList().back().GetKigenn(), Now().DateOnly());
    EXPECT_EQ(View.State.SelectedToDoRow, 4); // the item pasted last
}

TEST_F(ClipboardCommandsTest, TheNewestClipboardWins)
{
    StartWeek();
    // Another program's text, then the planner's own copy: the copy is newer and pastes whole.
    OutsideCopy("outside");
    SelectCell(WeekCell(FridayColumn, DayRow::FirstPeriod + 3));
    Run(CommandId::EditCopy);
    ASSERT_EQ(Dialogs.SystemClipboard, "P3\tC3");
    SelectCell(WeekCell(ThursdayColumn, DayRow::FirstPeriod + 1));
    Run(CommandId::EditPaste);
    EXPECT_EQ(StoredDay(Thursday).GetYotei(1), "P3");
    EXPECT_EQ(StoredDay(Thursday).GetNaiyou(1), "C3");

    // Then another program copies: its text is newer than the planner's record.
    OutsideCopy("outside");
    SelectCell(WeekCell(ThursdayColumn, DayRow::FirstPeriod + 2));
    Run(CommandId::EditPaste);
    EXPECT_EQ(StoredDay(Thursday).GetYotei(2), "outside");
    EXPECT_EQ(StoredDay(Thursday).GetNaiyou(2), "");
}

TEST_F(ClipboardCommandsTest, CopyOptionsToggleWithTheirCheckMarks)
{
    StartWeek();
    const std::pair<int, bool CopyOptions::*> options[] = {
        {CommandId::CopyJitei, &CopyOptions::CopyJitei},   {CommandId::CopyGyouji, &CopyOptions::CopyGyouji},
        {CommandId::CopyJigenn, &CopyOptions::CopyJigenn}, {CommandId::CopyYotei, &CopyOptions::CopyYotei},
        {CommandId::CopyNaiyou, &CopyOptions::CopyNaiyou}, {CommandId::CopyIro, &CopyOptions::CopyIro},
    };
    for (const auto& [id, flag] : options) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(IsViewCommandEnabled(View, id));
        EXPECT_EQ(IsViewCommandChecked(View, id), View.State.Copy.*flag);
        const bool before = View.State.Copy.*flag;
        EXPECT_EQ(Run(id), CommandOutcome::ViewChanged);
        EXPECT_NE(View.State.Copy.*flag, before);
        Run(id);
    }
    Run(CommandId::CopyGyouji);
    Run(CommandId::CopyJitei); // the last of its group stays on
    EXPECT_TRUE(IsViewCommandChecked(View, CommandId::CopyJitei));
    EXPECT_FALSE(Document.IsModified());
}

} // namespace
} // namespace planova
