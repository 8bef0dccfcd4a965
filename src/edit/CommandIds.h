#pragma once

namespace planova {

/**
 * The identifier of every command, named once. The command table, the cell context menu, the
 * application's handlers, the toolbar setting and the tests all use these names. The numbers are
 * kept by the application settings (toolbar, look), so a number never changes.
 */
namespace CommandId {
// ---- ファイル ---------------------------------------------------------------------------------
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
/// "A4に面付けしてPDFに書き出し..."
constexpr int FileExportImposedPdf = 33004;
constexpr int FileExportPdf = 33003;   ///< "PDFに書き出し..."
constexpr int ExportICalendar = 33001; ///< "iCalendar形式で書き出し..."
constexpr int ExportCsv = 33002;       ///< "CSV形式で書き出し..."
constexpr int ExportWorkbook = 33005;  ///< "Excel形式で書き出し..."
constexpr int PublishCalendar = 33006; ///< "カレンダーサーバーに公開..."
constexpr int ImportEvents = 33007;    ///< "行事予定を取り込む..."
constexpr int RecentFile1 = 57616;     ///< the recent-file entries are RecentFile1 … RecentFile1 + 3
constexpr int RecentFileCount = 4;
constexpr int AppExit = 57665;

// ---- 編集 -------------------------------------------------------------------------------------
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int EditCut = 57635;
constexpr int EditCopy = 57634;
constexpr int EditPaste = 57637;
constexpr int CopyJitei = 32830;  ///< copy option "時程"
constexpr int CopyGyouji = 32831; ///< copy option "行事"
constexpr int CopyJigenn = 32832; ///< copy option "時限"
constexpr int CopyYotei = 32833;  ///< copy option "予定"
constexpr int CopyNaiyou = 32834; ///< copy option "内容"
constexpr int CopyIro = 32840;    ///< copy option "枠内の色"
constexpr int EditFind = 57636;
constexpr int EditReplace = 57641;

// ---- 表示 -------------------------------------------------------------------------------------
constexpr int DayView = 32778;   ///< "日表示"
constexpr int WeekView = 32780;  ///< "週表示"
constexpr int MonthView = 32782; ///< "月表示"
constexpr int ToDoView = 32788;  ///< "ToDo表示"
constexpr int Forward = 32785;   ///< "進む（日・週・月）"
constexpr int Back = 32786;      ///< "戻る（日・週・月）"
constexpr int ViewToolbar = 59392;
constexpr int ToolbarCustomise = 310;
constexpr int ViewStatusBar = 59393;
constexpr int LookWindows2000 = 205;
constexpr int LookOfficeXP = 206;
constexpr int LookWindowsXP = 207;
constexpr int LookOffice2003 = 208;
constexpr int LookVisualStudio2005 = 209;
constexpr int LookVisualStudio2008 = 210;
constexpr int LookOffice2007Blue = 215;
constexpr int LookOffice2007Black = 216;
constexpr int LookOffice2007Silver = 217;
constexpr int LookOffice2007Aqua = 218;
constexpr int LookWindows7 = 219;
constexpr int LookFirst = LookWindows2000;
constexpr int LookLast = LookWindows7;
constexpr int LookDefault = LookVisualStudio2008;

constexpr int Today = 32850; ///< "今日": shows today in the view's mode (Home)

// ---- 予定表 -----------------------------------------------------------------------------------
constexpr int Edit = 32797;            ///< "編集"
constexpr int Insert = 32794;          ///< "挿入"
constexpr int MoveUp = 32796;          ///< "上に移動"
constexpr int MoveDown = 32798;        ///< "下に移動"
constexpr int Delete = 32795;          ///< "削除"
constexpr int StandardDay = 32807;     ///< "標準データで上書き"
constexpr int SchoolDayRows = 32810;   ///< "学校時程に変更"
constexpr int ClockHourRows = 32808;   ///< "時刻表示に変更"
constexpr int ClearDay = 32812;        ///< "この日の全データ消去"
constexpr int InsertTimetable = 32817; ///< "時間割データの挿入"
constexpr int FirstWeekday = 32814;    ///< "表示始めの曜日の変更"
constexpr int MakeYear = 32820;        ///< "データの自動作成..."
constexpr int ClassHours = 32822;      ///< "時数の計算..."
constexpr int ContentShift = 32823;    ///< "「内容」の繰り上げ・繰り下げ..."

// ---- 設定 -------------------------------------------------------------------------------------
constexpr int Properties = 32815; ///< "プロパティ..."
constexpr int ToDoSort = 32837;   ///< "ToDoソート"

// ---- ウィンドウ, ヘルプ -----------------------------------------------------------------------
constexpr int WindowNew = 57648;
constexpr int WindowList = 131;
/// The open windows listed on the menu "ウィンドウ" are WindowEntry1 … WindowEntry1 + 8.
constexpr int WindowEntry1 = 32860;
constexpr int WindowEntryCount = 9;
constexpr int AppAbout = 57664;

/// The separator of a popup menu (no command has this identifier).
constexpr int Separator = 0;
} // namespace CommandId

/// Whether the identifier is one of the application looks.
constexpr bool IsLookCommand(int id)
{
    return id >= CommandId::LookFirst && id <= CommandId::LookLast;
}

} // namespace planova
