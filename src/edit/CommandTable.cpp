#include "edit/CommandTable.h"

#include "dialogs/ViewServices.h"
#include "edit/ClipboardCommands.h"
#include "edit/EditCommands.h"
#include "edit/FindCommands.h"
#include "edit/OpenEntry.h"
#include "edit/PrintCommands.h"
#include "edit/SchoolToolCommands.h"
#include "edit/SettingsCommands.h"
#include "model/CPlanovaDoc.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

#include <algorithm>
#include <array>

namespace planova {
namespace {

using enum CommandHandler;

constexpr std::string_view FileMenu = "ファイル(&F)";
constexpr std::string_view EditMenu = "編集(&E)";
constexpr std::string_view CopyOptionsMenu = "編集(&E)/コピー・オプション";
constexpr std::string_view ViewMenu = "表示(&V)";
constexpr std::string_view LookMenu = "表示(&V)/アプリケーションの外観(&A)";
constexpr std::string_view Office2007Menu = "表示(&V)/アプリケーションの外観(&A)/Office 2007(&7)";
constexpr std::string_view PlannerMenu = "予定表";
constexpr std::string_view SettingsMenu = "設定";
constexpr std::string_view WindowMenu = "ウィンドウ(&W)";
constexpr std::string_view HelpMenu = "ヘルプ(&H)";

constexpr CommandInfo Look(int id, std::string_view text, std::string_view menu)
{
    return {.Id = id,
            .Text = text,
            .MenuPath = menu,
            .Handler = Application,
            .Prompt = "アプリケーションの外観を切り替えます",
            .MenuBars = BothBars,
            .Mark = CommandMark::Radio};
}

constexpr CommandInfo RecentFile(int n, std::string_view text)
{
    return {.Id = CommandId::RecentFile1 + n,
            .Text = text,
            .MenuPath = FileMenu,
            .Handler = Application,
            .Prompt = "このファイルを開きます",
            .MenuBars = BothBars,
            .SeparatorBefore = n == 0};
}

constexpr CommandInfo WindowEntry(int n)
{
    return {.Id = CommandId::WindowEntry1 + n,
            .Text = "",
            .MenuPath = WindowMenu,
            .Handler = Application,
            .Prompt = "このウィンドウを前面に表示します",
            .SeparatorBefore = n == 0,
            .Mark = CommandMark::Check};
}

template <bool CopyOptions::*Option> constexpr CommandInfo CopyOption(int id, std::string_view text)
{
    return {.Id = id,
            .Text = text,
            .MenuPath = CopyOptionsMenu,
            .Handler = View,
            .Prompt = "コピーと貼り付けの対象にする項目を切り替えます",
            .Mark = CommandMark::Check,
            .Checked = IsCopyOptionOn<Option>,
            .Run = RunCopyOption<Option>};
}

// ---- The commands of the "表示" menu --------------------------------------------------------

template <ViewMode Mode> CommandOutcome ShowMode(PlannerView& view, ViewServices&)
{
    view.ShowView(Mode);
    return CommandOutcome::ViewChanged;
}

template <ViewMode Mode> bool ShowsMode(const PlannerView& view)
{
    return view.Mode() == Mode;
}

CommandOutcome ToggleToDo(PlannerView& view, ViewServices&)
{
    view.ToggleToDoView();
    return CommandOutcome::ViewChanged;
}

bool ToDoShown(const PlannerView& view)
{
    return view.State.ToDoView;
}

template <int Direction> CommandOutcome StepBy(PlannerView& view, ViewServices&)
{
    view.Step(Direction);
    return CommandOutcome::ViewChanged;
}

CommandOutcome ShowToday(PlannerView& view, ViewServices&)
{
    view.SelectCalendarDate(Now());
    return CommandOutcome::ViewChanged;
}

// ---- The export commands of the "ファイル" menu ----------------------------------------------

template <ExportKind Kind> CommandOutcome ExportAs(PlannerView& view, ViewServices& dialogs)
{
    dialogs.ExportDocument(Kind, view.Document());
    return CommandOutcome::ViewChanged;
}

// ---- The calendar server commands of the "ファイル" menu -------------------------------------

CommandOutcome PublishToServer(PlannerView& view, ViewServices& dialogs)
{
    dialogs.PublishToCalendarServer(view.Document());
    return CommandOutcome::ViewChanged;
}

CommandOutcome ImportEventsFromCalendar(PlannerView& view, ViewServices& dialogs)
{
    return dialogs.ImportCalendarEvents(view.Document()) ? CommandOutcome::DocumentChanged
                                                         : CommandOutcome::ViewChanged;
}

// ---- The print commands of the "ファイル" menu -----------------------------------------------

template <PrintOutput Output> CommandOutcome PrintTo(PlannerView& view, ViewServices& dialogs)
{
    return RunPrintCommand(view, dialogs, Output);
}

// The order of the rows is the order of the menus. Recent-file rows show the file names instead
// of their texts; the texts here are what the menus show while the list is empty.
constexpr std::array CommandRows{
    // ---- ファイル ---------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::FileNew,
                .Text = "新規作成(&N)",
                .MenuPath = FileMenu,
                .Handler = Application,
                .Shortcuts = "Ctrl+N",
                .Prompt = "新しい文書を作成します",
                .MenuBars = BothBars,
                .OnDefaultToolbar = true},
    CommandInfo{.Id = CommandId::FileOpen,
                .Text = "開く(&O)...",
                .MenuPath = FileMenu,
                .Handler = Application,
                .Shortcuts = "Ctrl+O",
                .Prompt = "保存されている文書を開きます",
                .MenuBars = BothBars,
                .OnDefaultToolbar = true},
    CommandInfo{.Id = CommandId::FileClose,
                .Text = "閉じる(&C)",
                .MenuPath = FileMenu,
                .Handler = Application,
                .Prompt = "作業中の文書を閉じます"},
    CommandInfo{.Id = CommandId::FileSave,
                .Text = "上書き保存(&S)",
                .MenuPath = FileMenu,
                .Handler = Application,
                .Shortcuts = "Ctrl+S",
                .Prompt = "作業中の文書を上書きして保存します",
                .SeparatorBefore = true,
                .OnDefaultToolbar = true},
    CommandInfo{.Id = CommandId::FileSaveAs,
                .Text = "名前を付けて保存(&A)...",
                .MenuPath = FileMenu,
                .Handler = Application,
                .Prompt = "作業中の文書に名前を付けて保存します"},
    CommandInfo{.Id = CommandId::FilePrint,
                .Text = "印刷",
                .MenuPath = FileMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+P",
                .Prompt = "予定表を印刷します",
                .SeparatorBefore = true,
                .OnDefaultToolbar = true,
                .Run = PrintTo<PrintOutput::Printer>},
    CommandInfo{.Id = CommandId::FilePrintPreview,
                .Text = "プレビュー",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "印刷される予定表を画面で確認します",
                .Run = PrintTo<PrintOutput::Preview>},
    CommandInfo{.Id = CommandId::FileExportPdf,
                .Text = "PDFに書き出し...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "印刷される予定表をPDFファイルに書き出します",
                .Run = PrintTo<PrintOutput::PdfFile>},
    CommandInfo{.Id = CommandId::FileExportImposedPdf,
                .Text = "A4に面付けしてPDFに書き出し...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "リフィルをA4用紙に面付けし、裁断用のトンボを付けてPDFファイルに書き出します",
                .Run = PrintTo<PrintOutput::ImposedPdfFile>},
    CommandInfo{.Id = CommandId::ExportICalendar,
                .Text = "iCalendar形式で書き出し...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "行事、時刻の予定と ToDo をカレンダー用のファイルに書き出します",
                .SeparatorBefore = true,
                .Run = ExportAs<ExportKind::ICalendar>},
    CommandInfo{.Id = CommandId::ExportCsv,
                .Text = "CSV形式で書き出し...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "予定表または ToDo を表計算用の CSV ファイルに書き出します",
                .Run = ExportAs<ExportKind::Csv>},
    CommandInfo{.Id = CommandId::ExportWorkbook,
                .Text = "Excel形式で書き出し...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "予定表、ToDo と授業時数を Excel ブックに書き出します",
                .Run = ExportAs<ExportKind::Workbook>},
    CommandInfo{.Id = CommandId::PublishCalendar,
                .Text = "カレンダーサーバーに公開...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "行事、時刻の予定と ToDo をカレンダーサーバー (CalDAV) に公開します",
                .SeparatorBefore = true,
                .Run = PublishToServer},
    CommandInfo{.Id = CommandId::ImportEvents,
                .Text = "行事予定を取り込む...",
                .MenuPath = FileMenu,
                .Handler = View,
                .Prompt = "iCalendar ファイルかカレンダーサーバーの予定を日々の行事に取り込みます",
                .Run = ImportEventsFromCalendar,
                .Writes = DocumentWrite::Content},
    RecentFile(0, "最近使ったファイル"),
    RecentFile(1, ""),
    RecentFile(2, ""),
    RecentFile(3, ""),
    CommandInfo{.Id = CommandId::AppExit,
                .Text = "アプリケーションの終了(&X)",
                .MenuPath = FileMenu,
                .Handler = Application,
                .Prompt = "文書の保存を確かめてから Planova を終了します",
                .MenuBars = BothBars,
                .SeparatorBefore = true},

    // ---- 編集 -------------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::EditUndo,
                .Text = "元に戻す(&U)",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+Z;Alt+Backspace",
                .Prompt = "直前の変更を元に戻します",
                .Enabled = CanUndoNow,
                .CurrentText = UndoText,
                .Run = RunUndo,
                .Writes = DocumentWrite::History},
    CommandInfo{.Id = CommandId::EditRedo,
                .Text = "やり直し",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+Y;Ctrl+Shift+Z",
                .Prompt = "元に戻した変更をやり直します",
                .Enabled = CanRedoNow,
                .CurrentText = RedoText,
                .Run = RunRedo,
                .Writes = DocumentWrite::History},
    CommandInfo{.Id = CommandId::EditCut,
                .Text = "切り取り(&T)",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+X;Shift+Del",
                .Prompt = "選択したセルの内容を切り取ります",
                .SeparatorBefore = true,
                .OnDefaultToolbar = true,
                .Enabled = CanCut,
                .Run = RunCut,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::EditCopy,
                .Text = "コピー(&C)",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+C;Ctrl+Ins",
                .Prompt = "選択したセルの内容をコピーします",
                .OnDefaultToolbar = true,
                .Enabled = CanCopy,
                .Run = RunCopy},
    CommandInfo{.Id = CommandId::EditPaste,
                .Text = "貼り付け(&P)",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+V;Shift+Ins",
                .Prompt = "コピーした内容を選択したセルに貼り付けます",
                .OnDefaultToolbar = true,
                .Enabled = CanPaste,
                .Run = RunPaste,
                .Writes = DocumentWrite::Content},
    CopyOption<&CopyOptions::CopyJitei>(CommandId::CopyJitei, "時程"),
    CopyOption<&CopyOptions::CopyGyouji>(CommandId::CopyGyouji, "行事"),
    CopyOption<&CopyOptions::CopyJigenn>(CommandId::CopyJigenn, "時限"),
    CopyOption<&CopyOptions::CopyYotei>(CommandId::CopyYotei, "予定"),
    CopyOption<&CopyOptions::CopyNaiyou>(CommandId::CopyNaiyou, "内容"),
    CopyOption<&CopyOptions::CopyIro>(CommandId::CopyIro, "枠内の色"),
    CommandInfo{.Id = CommandId::EditFind,
                .Text = "検索",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+F",
                .Prompt = "文字列を検索します",
                .SeparatorBefore = true,
                .Run = RunFind},
    CommandInfo{.Id = CommandId::EditReplace,
                .Text = "置換",
                .MenuPath = EditMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+H",
                .Prompt = "文字列を置き換えます",
                .Run = RunReplace},

    // ---- 表示 -------------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::DayView,
                .Text = "日表示",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+1",
                .Prompt = "日予定表を表示します",
                .Checked = ShowsMode<ViewMode::Day>,
                .Run = ShowMode<ViewMode::Day>},
    CommandInfo{.Id = CommandId::WeekView,
                .Text = "週表示",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+2",
                .Prompt = "週予定表を表示します",
                .Checked = ShowsMode<ViewMode::Week>,
                .Run = ShowMode<ViewMode::Week>},
    CommandInfo{.Id = CommandId::MonthView,
                .Text = "月表示",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Shortcuts = "Ctrl+3",
                .Prompt = "月予定表を表示します",
                .Checked = ShowsMode<ViewMode::Month>,
                .Run = ShowMode<ViewMode::Month>},
    CommandInfo{.Id = CommandId::ToDoView,
                .Text = "ToDo表示",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Prompt = "ToDo の表示を切り替えます",
                .Checked = ToDoShown,
                .Run = ToggleToDo},
    CommandInfo{.Id = CommandId::Forward,
                .Text = "進む（日・週・月）",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Shortcuts = "Alt+Right",
                .Prompt = "次の日・週・月を表示します",
                .SeparatorBefore = true,
                .Run = StepBy<+1>},
    CommandInfo{.Id = CommandId::Back,
                .Text = "戻る（日・週・月）",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Shortcuts = "Alt+Left",
                .Prompt = "前の日・週・月を表示します",
                .Run = StepBy<-1>},
    CommandInfo{.Id = CommandId::Today,
                .Text = "今日",
                .MenuPath = ViewMenu,
                .Handler = View,
                .Shortcuts = "Home",
                .Prompt = "今日の日・週・月を表示します",
                .OnDefaultToolbar = true,
                .Run = ShowToday},
    CommandInfo{.Id = CommandId::ViewToolbar,
                .Text = "ツール バー(&T)",
                .MenuPath = ViewMenu,
                .Handler = Application,
                .Prompt = "ツール バーの表示と非表示を切り替えます",
                .MenuBars = BothBars,
                .SeparatorBefore = true,
                .Mark = CommandMark::Check},
    CommandInfo{.Id = CommandId::ToolbarCustomise,
                .Text = "カスタマイズ...",
                .MenuPath = ViewMenu,
                .Handler = Application,
                .Prompt = "ツール バーに表示するコマンドを選びます",
                .MenuBars = BothBars},
    CommandInfo{.Id = CommandId::ViewStatusBar,
                .Text = "ステータス バー(&S)",
                .MenuPath = ViewMenu,
                .Handler = Application,
                .Prompt = "ステータス バーの表示と非表示を切り替えます",
                .MenuBars = BothBars,
                .Mark = CommandMark::Check},
    Look(CommandId::LookWindows2000, "Windows 2000(&2)", LookMenu),
    Look(CommandId::LookOfficeXP, "Office XP(&X)", LookMenu),
    Look(CommandId::LookWindowsXP, "Windows XP(&W)", LookMenu),
    Look(CommandId::LookOffice2003, "Office 2003(&3)", LookMenu),
    Look(CommandId::LookVisualStudio2005, "Visual Studio 200&5", LookMenu),
    Look(CommandId::LookVisualStudio2008, "Visual Studio 200&8", LookMenu),
    Look(CommandId::LookOffice2007Blue, "ブルー スタイル(&B)", Office2007Menu),
    Look(CommandId::LookOffice2007Black, "ブラック スタイル(&L)", Office2007Menu),
    Look(CommandId::LookOffice2007Silver, "シルバー スタイル(&S)", Office2007Menu),
    Look(CommandId::LookOffice2007Aqua, "アクア スタイル(&A)", Office2007Menu),
    Look(CommandId::LookWindows7, "Windows 7(&D)", LookMenu),

    // ---- 予定表 -----------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::Edit,
                .Text = "編集",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "選択したセルを編集します",
                .Enabled = CanEdit,
                .Run = RunEdit,
                .Writes = DocumentWrite::Content,
                .StepName = CellEditStep},
    CommandInfo{.Id = CommandId::Insert,
                .Text = "挿入",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "選択した行の前に空の行を挿入します",
                .Enabled = CanInsert,
                .Run = RunInsert,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::MoveUp,
                .Text = "上に移動",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "選択した行を一つ上に移動します",
                .Enabled = CanMoveUp,
                .Run = RunMoveUp,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::MoveDown,
                .Text = "下に移動",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "選択した行を一つ下に移動します",
                .Enabled = CanMoveDown,
                .Run = RunMoveDown,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::Delete,
                .Text = "削除",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "選択した行を削除します",
                .Enabled = CanDelete,
                .Run = RunDelete,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::StandardDay,
                .Text = "標準データで上書き",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "この日を標準データで上書きします",
                .SeparatorBefore = true,
                .Enabled = CanFillDay,
                .Run = RunStandardDay,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::SchoolDayRows,
                .Text = "学校時程に変更",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "この日の時限を学校時程にします",
                .Enabled = CanFillDay,
                .Run = RunSchoolDayRows,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::ClockHourRows,
                .Text = "時刻表示に変更",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "この日の時限を時刻表示にします",
                .Enabled = CanFillDay,
                .Run = RunClockHourRows,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::ClearDay,
                .Text = "この日の全データ消去",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "この日のデータをすべて消去します",
                .Enabled = CanFillDay,
                .Run = RunClearDay,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::InsertTimetable,
                .Text = "時間割データの挿入",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "この日の曜日の時間割を「予定」に挿入します",
                .Enabled = CanFillDay,
                .Run = RunInsertTimetable,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::FirstWeekday,
                .Text = "表示始めの曜日の変更",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "週・月予定表の始まりの曜日を切り替えます",
                .SeparatorBefore = true,
                .CurrentText = FirstWeekdayText,
                .Run = RunFirstWeekday},
    CommandInfo{.Id = CommandId::MakeYear,
                .Text = "データの自動作成...",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "データの自動作成を行う",
                .SeparatorBefore = true,
                .Run = RunMakeYear,
                .Writes = DocumentWrite::Content},
    CommandInfo{.Id = CommandId::ClassHours,
                .Text = "時数の計算...",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "してした学級の授業時数を計算する",
                .Run = RunClassHours,
                .Writes = DocumentWrite::Settings},
    CommandInfo{.Id = CommandId::ContentShift,
                .Text = "「内容」の繰り上げ・繰り下げ...",
                .MenuPath = PlannerMenu,
                .Handler = View,
                .Prompt = "指定した学級の内容を繰り上げ・繰り下げる",
                .Run = RunContentShift,
                .Writes = DocumentWrite::Content},

    // ---- 設定 -------------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::Properties,
                .Text = "プロパティ...",
                .MenuPath = SettingsMenu,
                .Handler = View,
                .Prompt = "表示・印刷・時間割の設定を変更します",
                .Run = RunProperties,
                .Writes = DocumentWrite::Settings},
    CommandInfo{.Id = CommandId::ToDoSort,
                .Text = "ToDoソート",
                .MenuPath = SettingsMenu,
                .Handler = View,
                .Prompt = "ToDo の並べ替えの基準を切り替えます",
                .CurrentText = ToDoSortKeyText,
                .Run = RunToDoSortKey},

    // ---- ウィンドウ -------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::WindowNew,
                .Text = "新しいウィンドウを開く",
                .MenuPath = WindowMenu,
                .Handler = Application,
                .Prompt = "作業中の文書をもう一つのウィンドウに表示します"},
    CommandInfo{.Id = CommandId::WindowList,
                .Text = "ウィンドウ(&W)...",
                .MenuPath = WindowMenu,
                .Handler = Application,
                .Prompt = "開いているウィンドウの一覧を表示します",
                .SeparatorBefore = true},
    WindowEntry(0),
    WindowEntry(1),
    WindowEntry(2),
    WindowEntry(3),
    WindowEntry(4),
    WindowEntry(5),
    WindowEntry(6),
    WindowEntry(7),
    WindowEntry(8),

    // ---- ヘルプ -----------------------------------------------------------------------------
    CommandInfo{.Id = CommandId::AppAbout,
                .Text = "バージョン情報 Planova(&A)...",
                .MenuPath = HelpMenu,
                .Handler = Application,
                .Prompt = "Planova のバージョンを表示します",
                .MenuBars = BothBars,
                .OnDefaultToolbar = true},
};

constexpr std::array MenuRows{
    MenuInfo{FileMenu, BothBars},        MenuInfo{EditMenu, DocumentBar},
    MenuInfo{ViewMenu, BothBars},        MenuInfo{PlannerMenu, DocumentBar},
    MenuInfo{SettingsMenu, DocumentBar}, MenuInfo{WindowMenu, DocumentBar},
    MenuInfo{HelpMenu, BothBars},
};

constexpr std::array CellContextRows{
    PopupEntry{CommandId::Edit, "編集"},       PopupEntry{CommandId::Insert, "挿入"},
    PopupEntry{CommandId::MoveUp, "上に移動"}, PopupEntry{CommandId::MoveDown, "下に移動"},
    PopupEntry{CommandId::Delete, "削除"},     PopupEntry{CommandId::Separator, ""},
    PopupEntry{CommandId::EditCopy, "コピー"}, PopupEntry{CommandId::EditPaste, "貼り付け"},
};

} // namespace

std::span<const CommandInfo> Commands()
{
    return CommandRows;
}

const CommandInfo* FindCommand(int id)
{
    const auto found = std::find_if(CommandRows.begin(), CommandRows.end(),
                                    [id](const CommandInfo& command) { return command.Id == id; });
    return found == CommandRows.end() ? nullptr : &*found;
}

std::span<const MenuInfo> Menus()
{
    return MenuRows;
}

std::span<const PopupEntry> CellContextMenu()
{
    return CellContextRows;
}

namespace {

/// The row of a command the view runs (one with an action), or nullptr.
const CommandInfo* ViewRow(int id)
{
    const CommandInfo* command = FindCommand(id);
    return command && command->Handler == CommandHandler::View && command->Run ? command : nullptr;
}

} // namespace

bool IsViewCommandEnabled(const PlannerView& view, int id)
{
    const CommandInfo* command = ViewRow(id);
    return command && (!command->Enabled || command->Enabled(view));
}

bool IsViewCommandChecked(const PlannerView& view, int id)
{
    const CommandInfo* command = ViewRow(id);
    return command && command->Checked && command->Checked(view);
}

std::string ViewCommandText(const PlannerView& view, int id)
{
    const CommandInfo* command = ViewRow(id);
    return command && command->CurrentText ? command->CurrentText(view) : std::string();
}

std::string UndoStepName(const CommandInfo& command)
{
    if (!command.StepName.empty())
        return std::string(command.StepName);
    std::string name(command.Text);
    if (const std::size_t accelerator = name.find("(&"); accelerator != std::string::npos)
        name.erase(accelerator);
    while (name.ends_with("."))
        name.pop_back();
    return name;
}

CommandOutcome RunViewCommand(PlannerView& view, int id, ViewServices& dialogs)
{
    if (!IsViewCommandEnabled(view, id))
        return CommandOutcome::NotRun;
    const CommandInfo& command = *ViewRow(id);
    if (command.Writes != DocumentWrite::Content && command.Writes != DocumentWrite::Settings)
        return command.Run(view, dialogs);
    const CPlanovaDoc::UndoStepScope step(view.Document(), UndoStepName(command),
                                          command.Writes == DocumentWrite::Settings);
    return command.Run(view, dialogs);
}

std::vector<PopupItem> CellContextMenuItems(const PlannerView& view)
{
    std::vector<PopupItem> items;
    for (const PopupEntry& entry : CellContextRows) {
        PopupItem& item = items.emplace_back();
        item.Id = entry.Id;
        item.Text = entry.Text;
        item.Enabled = entry.Id != CommandId::Separator && IsViewCommandEnabled(view, entry.Id);
    }
    return items;
}

} // namespace planova
