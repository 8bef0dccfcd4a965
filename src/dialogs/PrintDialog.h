#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "view/ViewState.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>

namespace planova {

/// Control identifiers of the print options dialog (dialog 316, "印刷").
namespace PrintControl {
constexpr int Ok = 1;                ///< "印刷"
constexpr int Cancel = 2;            ///< "キャンセル"
constexpr int DayType = 1021;        ///< "日予定表"
constexpr int DayToDo = 1022;        ///< "ToDoを予定表内に印刷する"
constexpr int WeekType = 1023;       ///< "週予定表"
constexpr int MonthType = 1024;      ///< "月予定表"
constexpr int YearType = 1025;       ///< "年予定表"
constexpr int MemoType = 1026;       ///< "メモ用紙"
constexpr int RecordSheet = 1027;    ///< "記録用紙を右ページに印刷する"
constexpr int RecordToDo = 1028;     ///< "ToDoを記録用紙に印刷する"
constexpr int RecordTomorrow = 1029; ///< "翌日のメモを印刷する"
constexpr int RecordDate = 1030;     ///< "右上に日付を印刷する"
constexpr int Vertical = 1031;       ///< "バーチカル"
constexpr int List = 1032;           ///< "リスト"
constexpr int SundayStart = 1033;    ///< "日曜始まり"
constexpr int MondayStart = 1034;    ///< "月曜始まり"
constexpr int PrinterDialog = 1035; ///< "このダイアログを閉じた後に、既定のプリントダイアログを開く"
constexpr int Landscape = 1036;   ///< "横置き"
constexpr int Portrait = 1037;    ///< "縦置き"
constexpr int PaperA4 = 1038;     ///< "Ａ４"
constexpr int PaperBible = 1039;  ///< "バイブル"
constexpr int PaperMini = 1040;   ///< "ミニ"
constexpr int Spread = 1041;      ///< "見開き　タイプ"
constexpr int LeftPage = 1042;    ///< "左ページ"
constexpr int RightPage = 1043;   ///< "右ページ"
constexpr int OnePage = 1044;     ///< "１ページ　タイプ"
constexpr int OneMonth = 1045;    ///< "１ヶ月"
constexpr int TwoMonths = 1046;   ///< "２ヶ月"
constexpr int CentreLine = 1047;  ///< "中央に縦線を引く"
constexpr int StartDate = 1048;   ///< "印刷の開始"
constexpr int EndDate = 1049;     ///< "印刷の終了"
constexpr int ThreeMonths = 1050; ///< "３ヶ月"
constexpr int FourMonths = 1051;  ///< "４ヶ月"
constexpr int SixMonths = 1052;   ///< "６ヶ月"
constexpr int MarginRight = 1053; ///< "右"
constexpr int FontSize = 1054;    ///< "フォントサイズ"
constexpr int MarginLeft = 1055;  ///< "左"
constexpr int FontSizeSpin = 1056;
constexpr int RuleWidth = 1057; ///< "罫線の太さ"
constexpr int RuleWidthSpin = 1058;
constexpr int RuleColour = 1059; ///< "罫線の色"
constexpr int MoveRight = 1060;  ///< "右に移動"
constexpr int MoveRightSpin = 1061;
constexpr int MoveDown = 1062; ///< "下に移動"
constexpr int MoveDownSpin = 1063;
constexpr int Frame = 1064;          ///< "印刷範囲枠を描く"
constexpr int PaperA5 = 1065;        ///< "Ａ５"
constexpr int SpecialPaper = 1066;   ///< "リフィル工房専用紙"
constexpr int RoutineWork = 1067;    ///< "ルーチンワーク図を印刷する"
constexpr int MarginTop = 1068;      ///< "上"
constexpr int MarginBottom = 1069;   ///< "下"
constexpr int Classification = 1070; ///< "紙の上部に分類枠を印刷する"
constexpr int DigitsDate = 1071;     ///< "20140101"
constexpr int KanjiDate = 1072;      ///< "2014年01月01日"
constexpr int SlashDate = 1073;      ///< "2014/01/01"
constexpr int ToDoType = 1074;       ///< "ToDo表"
constexpr int ToDoEvents = 1075;     ///< "行事を印刷する"
constexpr int ToDoOverdue = 1076;    ///< "期限が切れたToDoを印刷する"
constexpr int ToDoLater = 1077;      ///< "指定期間以降のToDoを印刷する"
constexpr int CentreThird = 1078;    ///< "３分の１"
constexpr int SaveSettings = 1124;   ///< "設定を保存する"
constexpr int CountHours = 1177;     ///< "時数をカウントする"
constexpr int OneSide = 1185;        ///< "用紙の片側に印刷する"
constexpr int Approval = 1189;       ///< "週案用検印欄を印刷する"
constexpr int StripZeros = 1190;     ///< "先頭の０を取る"
constexpr int FillColours = 1196;    ///< "枠内を設定色で塗りつぶす"
constexpr int NoBiorhythm = 1202;    ///< "バイオリズムを印刷しない"
} // namespace PrintControl

/// The dialog's values: every print option, the two dates, the font-size table and the two choices of its
/// own.
struct PrintDialogValues : ViewPrintState
{
    bool NoBiorhythm = false;  ///< "バイオリズムを印刷しない"
    bool SaveSettings = false; ///< "設定を保存する"
};

/// The radio groups of the dialog.
enum class PrintRadioGroup
{
    PrintType,    ///< "印刷タイプ"
    WeekLayout,   ///< "週予定・月予定オプション"
    StartWeekday, ///< "開始曜日オプション"
    YearType,     ///< "年間予定表オプション"
    Orientation,  ///< "用紙のオプション"
    Paper,        ///< "用紙のオプション"
    PageType,     ///< "印刷オプション"
    DateType,     ///< "日付表示のタイプ"
};

struct PrintRadio
{
    int Id;
    const char* Label; ///< UTF-8
    PrintRadioGroup Group;
    int PrintDialogValues::*Member;
    int Value;
    const char* Tag; ///< the data-file tag of the setting
};

struct PrintCheck
{
    int Id;
    const char* Label; ///< UTF-8
    bool PrintDialogValues::*Member;
    const char* Tag; ///< the data-file tag, or nullptr for the dialog's own choices
};

/// A number field with its spin control.
struct PrintNumber
{
    int Id;
    int SpinId;
    const char* Label; ///< UTF-8
    int PrintDialogValues::*Member;
    int Min;
    int Max;
    bool UpDecreases; ///< the spin's upper arrow lowers the value ("下に移動" runs from 50 down to −50)
    const char* Tag;
};

/// The controls of the dialog, in the order they are read back.
std::span<const PrintRadio> PrintRadios();
std::span<const PrintCheck> PrintChecks();
std::span<const PrintNumber> PrintNumbers();

/// What the controls hold when the dialog reads them back.
struct PrintDialogReading
{
    std::map<int, bool> Checks;         ///< every check box
    std::map<int, std::string> Numbers; ///< the texts of the number fields
    std::uint32_t RuleColour = 0;
    DateTime Start;
    DateTime End;
};

/// A field that does not hold an acceptable value: the message, and the control that gets the focus.
struct FieldError
{
    int Control = 0;
    std::string Message; ///< UTF-8
};

/**
 * The print options dialog without its window: its values, the enable states and check marks of
 * its controls (the refresh routine), its labels, the coupling of its options and the validation of
 * its number fields. The Qt dialog shows what this says and reports every change of a control
 * with OnControl.
 */
class PrintDialogModel
{
public:
    /**
     * Opens the dialog on the view's print state: both dates become the current date, the
     * "バイオリズムを印刷しない" choice starts from the view's display flag; in preview the
     * printer-dialog option is disabled.
     */
    PrintDialogModel(const ViewPrintState& view, const DateTime& currentDate, bool preview);

    const PrintDialogValues& Values() const { return Current; }
    bool IsPreview() const { return Preview; }

    bool IsEnabled(int control) const { return !Disabled.contains(control); }
    /// The check mark of a radio button or check box.
    bool IsChecked(int control) const;
    /// The label of a control (the date-format labels follow "先頭の０を取る"); UTF-8.
    std::string LabelOf(int control) const;

    /// What the controls show for the current values (what the dialog writes out).
    PrintDialogReading Shown() const;

    /**
     * A control was changed by the user: the controls are read back (a number field that does not
     * hold an acceptable value stops everything and is reported), the control's rule is applied and
     * the controls are refreshed. For a radio button the reading may be that of the moment before
     * the click. Returns the error, if any; then nothing has changed.
     */
    std::optional<FieldError> OnControl(int control, const PrintDialogReading& reading);

    /// "印刷": the controls are read back; an error keeps the dialog open. The end date must not lie before
    /// the start, and the job must not have more than MaxPrintPages pages.
    std::optional<FieldError> Confirm(const PrintDialogReading& reading);

    /// The value a spin control gives after `steps` clicks (up positive) from a value, kept in its range.
    static int SpinStep(int spinControl, int value, int steps);

private:
    std::optional<FieldError> ReadBack(const PrintDialogReading& reading);
    void ApplyCheckRule(int control);
    void Refresh();

    PrintDialogValues Current;
    bool Preview;
    std::set<int> Disabled;
};

/**
 * "印刷" was pressed: the dialog's options, dates and font-size table become the view's print state,
 * except that the view keeps its display flag Biorhythm. With "設定を保存する" every option except
 * the dates and "バイオリズムを印刷しない" also goes into the document with the font-size table, and
 * the document is marked modified. Returns the settings of the print job: the view's print state with
 * the dialog's "バイオリズムを印刷しない" choice, which holds for every page of the job.
 */
ViewPrintState AcceptPrintDialog(const PrintDialogModel& dialog, ViewPrintState& view, CPlanovaDoc& document);

/// Where the pages of a print job go.
enum class PrintOutput
{
    Printer, ///< "印刷"
    Preview, ///< "プレビュー"
    PdfFile, ///< "PDFに書き出し..."
    /// "A4に面付けしてPDFに書き出し...": the refills imposed on A4 sheets
    ImposedPdfFile,
};

} // namespace planova
