#include "edit/CommandTable.h"

#include "model/Clock.h"
#include "support/EditingViewFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <utility>

namespace planova {
namespace {

using test::Date;

class CommandTableTest : public test::EditingViewFixture
{
protected:
    test::ScriptedViewServices Dialogs; // cancels
};

TEST_F(CommandTableTest, EveryCommandHasOneRow)
{
    std::set<int> ids;
    for (const CommandInfo& command : Commands()) {
        EXPECT_TRUE(ids.insert(command.Id).second) << command.Id;
        EXPECT_NE(command.Id, CommandId::Separator);
        // Only the view runs commands through the table.
        if (command.Handler != CommandHandler::View) {
            EXPECT_EQ(command.Run, nullptr) << command.Id;
        }
    }
    for (const PopupEntry& entry : CellContextMenu())
        EXPECT_TRUE(entry.Id == CommandId::Separator || ids.count(entry.Id)) << entry.Id;
}

TEST_F(CommandTableTest, TheCommandsOfTheViewMenuRunThroughTheTable)
{
    struct Case
    {
        int Id;
        ViewMode Mode;
        bool ToDoPane;
        DateTime Shown;
    };
    const Case cases[] = {
        {CommandId::DayView, ViewMode::Day, true, Date(2024, 6, 12)},
        {CommandId::WeekView, ViewMode::Week, false, Date(2024, 6, 12)},
        {CommandId::MonthView, ViewMode::Month, false, Date(2024, 6, 12)},
        {CommandId::ToDoView, ViewMode::Week, true, Date(2024, 6, 12)},
        {CommandId::Forward, ViewMode::Week, false, Date(2024, 6, 19)},
        {CommandId::Back, ViewMode::Week, false, Date(2024, 6, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Id);
        Start(ViewMode::Week, Date(2024, 6, 12));
        EXPECT_TRUE(IsViewCommandEnabled(View, c.Id));
        EXPECT_EQ(RunViewCommand(View, c.Id, Dialogs), CommandOutcome::ViewChanged);
        EXPECT_EQ(View.Mode(), c.Mode);
        EXPECT_EQ(View.State.ToDoView, c.ToDoPane);
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(c.Shown));
        const std::pair<int, ViewMode> modes[] = {{CommandId::DayView, ViewMode::Day},
                                                  {CommandId::WeekView, ViewMode::Week},
                                                  {CommandId::MonthView, ViewMode::Month}};
        for (const auto& [id, mode] : modes)
            EXPECT_EQ(IsViewCommandChecked(View, id), mode == c.Mode) << id;
        EXPECT_EQ(IsViewCommandChecked(View, CommandId::ToDoView), c.ToDoPane);
    }
    EXPECT_TRUE(Dialogs.Started.empty());
}

TEST_F(CommandTableTest, TodayShowsTodayInTheViewsModeWithItsKeys)
{
    const FixedNowScope now(DateTime::FromDateTime(2024, 9, 3, 14, 30, 0));
    for (const ViewMode mode : {ViewMode::Day, ViewMode::Week, ViewMode::Month}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Start(mode, Date(2024, 6, 12));
        View.State.SelectedCell = 3;
        EXPECT_TRUE(IsViewCommandEnabled(View, CommandId::Today));
        EXPECT_EQ(RunViewCommand(View, CommandId::Today, Dialogs), CommandOutcome::ViewChanged);
        EXPECT_EQ(View.Mode(), mode);
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 9, 3)));
        EXPECT_TRUE(View.State.CalendarDate.IsIdenticalTo(Date(2024, 9, 3)));
        EXPECT_EQ(View.State.SelectedCell, -1);
    }
    EXPECT_FALSE(Document.IsModified());

    // The keys every planner has, and "今日" on the toolbar.
    const std::pair<int, std::string_view> keys[] = {
        {CommandId::Today, "Home"},     {CommandId::Back, "Alt+Left"},   {CommandId::Forward, "Alt+Right"},
        {CommandId::DayView, "Ctrl+1"}, {CommandId::WeekView, "Ctrl+2"}, {CommandId::MonthView, "Ctrl+3"},
    };
    std::set<std::string_view> shortcuts;
    for (const CommandInfo& command : Commands()) {
        if (!command.Shortcuts.empty()) {
            EXPECT_TRUE(shortcuts.insert(command.Shortcuts).second) << command.Shortcuts;
        }
    }
    for (const auto& [id, key] : keys)
        EXPECT_EQ(FindCommand(id)->Shortcuts, key) << id;
    EXPECT_TRUE(FindCommand(CommandId::Today)->OnDefaultToolbar);
    EXPECT_EQ(FindCommand(CommandId::Today)->MenuPath, "表示(&V)");
}

TEST_F(CommandTableTest, TheWindowMenuHasAPlaceForEachOpenWindow)
{
    for (int n = 0; n < CommandId::WindowEntryCount; ++n) {
        const CommandInfo* entry = FindCommand(CommandId::WindowEntry1 + n);
        ASSERT_NE(entry, nullptr) << n;
        EXPECT_EQ(entry->MenuPath, "ウィンドウ(&W)");
        EXPECT_EQ(entry->Handler, CommandHandler::Application);
        EXPECT_EQ(entry->Mark, CommandMark::Check);
        EXPECT_EQ(entry->SeparatorBefore, n == 0);
    }
    EXPECT_EQ(FindCommand(CommandId::WindowEntry1 + CommandId::WindowEntryCount), nullptr);
}

TEST_F(CommandTableTest, TheExportCommandsHandTheDocumentToTheExportDialog)
{
    Start(ViewMode::Week, Date(2024, 6, 12));
    Document.SetModified(false);
    for (const int id : {CommandId::ExportICalendar, CommandId::ExportCsv, CommandId::ExportWorkbook}) {
        EXPECT_TRUE(IsViewCommandEnabled(View, id)) << id;
        EXPECT_EQ(RunViewCommand(View, id, Dialogs), CommandOutcome::ViewChanged) << id;
    }
    EXPECT_EQ(Dialogs.Exports,
              (std::vector<ExportKind>{ExportKind::ICalendar, ExportKind::Csv, ExportKind::Workbook}));
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(CommandTableTest, PublishOnlyReadsAndACancelledImportLeavesNoStep)
{
    Start(ViewMode::Week, Date(2024, 6, 12));
    Document.SetModified(false);
    EXPECT_EQ(RunViewCommand(View, CommandId::PublishCalendar, Dialogs), CommandOutcome::ViewChanged);
    EXPECT_EQ(Dialogs.Publishes, 1);
    // No import script: its dialog is cancelled.
    EXPECT_EQ(RunViewCommand(View, CommandId::ImportEvents, Dialogs), CommandOutcome::ViewChanged);
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(Document.Undos().UndoCount(), 0);
    for (const int id : {CommandId::PublishCalendar, CommandId::ImportEvents})
        EXPECT_EQ(FindCommand(id)->MenuPath, "ファイル(&F)") << id;
}

TEST_F(CommandTableTest, CommandsWithoutAnActionAreDisabledAndDoNothing)
{
    Start(ViewMode::Day, Date(2024, 6, 12));
    for (const int id : {CommandId::FileSave, 1}) {
        EXPECT_FALSE(IsViewCommandEnabled(View, id)) << id;
        EXPECT_FALSE(IsViewCommandChecked(View, id)) << id;
        EXPECT_EQ(ViewCommandText(View, id), "") << id;
        EXPECT_EQ(RunViewCommand(View, id, Dialogs), CommandOutcome::NotRun) << id;
    }
    EXPECT_EQ(View.Mode(), ViewMode::Day);
}

TEST_F(CommandTableTest, TheCellMenuShowsItsCommandsEnabledForTheSelection)
{
    WindowSize = TenToDoRows;
    AddItems(3);
    Start(ViewMode::Week, Date(2024, 6, 12), true);
    const auto menu = [&](int cell, int paneRow) {
        View.State.SelectedCell = cell;
        View.State.SelectedToDoRow = paneRow;
        std::string shown;
        for (const PopupItem& item : CellContextMenuItems(View))
            shown += item.Id == CommandId::Separator ? "-" : item.Enabled ? "+" : ".";
        return shown;
    };
    // 編集 挿入 上に移動 下に移動 削除 - コピー 貼り付け (nothing clipped yet)
    EXPECT_EQ(menu(CellIndexOf(ViewMode::Week, 3, DayRow::FirstPeriod), -1), "++.++-+.");
    EXPECT_EQ(menu(CellIndexOf(ViewMode::Week, 3, DayRow::Memo), -1), "+....-+.");
    EXPECT_EQ(menu(-1, 3), "+++.+-+.");
    EXPECT_EQ(menu(-1, 5), ".+...-..");
    View.State.Clipboard.ClipKind = ClipMemo;
    EXPECT_EQ(menu(CellIndexOf(ViewMode::Week, 3, DayRow::Memo), -1), "+....-++");

    std::vector<std::string> texts;
    for (const PopupItem& item : CellContextMenuItems(View))
        texts.push_back(item.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"編集", "挿入", "上に移動", "下に移動", "削除", "", "コピー",
                                               "貼り付け"}));
}

} // namespace
} // namespace planova
