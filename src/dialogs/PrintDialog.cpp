#include "dialogs/PrintDialog.h"

#include "print/PrintJob.h"
#include "print/PrintTypes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>

namespace planova {

namespace {

using V = PrintDialogValues;
using G = PrintRadioGroup;
namespace C = PrintControl;

const PrintRadio Radios[] = {
    {C::DayType, "日予定表", G::PrintType, &V::PrintType, PrintType::Day, "PrintType"},
    {C::WeekType, "週予定表", G::PrintType, &V::PrintType, PrintType::Week, "PrintType"},
    {C::MonthType, "月予定表", G::PrintType, &V::PrintType, PrintType::Month, "PrintType"},
    {C::YearType, "年予定表", G::PrintType, &V::PrintType, PrintType::Year, "PrintType"},
    {C::MemoType, "メモ用紙", G::PrintType, &V::PrintType, PrintType::Memo, "PrintType"},
    {C::ToDoType, "ToDo表", G::PrintType, &V::PrintType, PrintType::ToDo, "PrintType"},
    {C::Vertical, "バーチカル", G::WeekLayout, &V::P_VL_Type, 0, "P_VL_Type"},
    {C::List, "リスト", G::WeekLayout, &V::P_VL_Type, 1, "P_VL_Type"},
    {C::SundayStart, "日曜始まり", G::StartWeekday, &V::PStartWeekday, 0, "PStartWeekday"},
    {C::MondayStart, "月曜始まり", G::StartWeekday, &V::PStartWeekday, 1, "PStartWeekday"},
    {C::OneMonth, "１ヶ月", G::YearType, &V::PYearType, 0, "PYearType"},
    {C::TwoMonths, "２ヶ月", G::YearType, &V::PYearType, 1, "PYearType"},
    {C::ThreeMonths, "３ヶ月", G::YearType, &V::PYearType, 2, "PYearType"},
    {C::FourMonths, "４ヶ月", G::YearType, &V::PYearType, 3, "PYearType"},
    {C::SixMonths, "６ヶ月", G::YearType, &V::PYearType, 4, "PYearType"},
    {C::Portrait, "縦置き", G::Orientation, &V::PYoushiType, Orientation::Portrait, "PYoushiType"},
    {C::Landscape, "横置き", G::Orientation, &V::PYoushiType, Orientation::Landscape, "PYoushiType"},
    {C::PaperA4, "Ａ４", G::Paper, &V::PPaperType, PaperType::A4, "PPaperType"},
    {C::PaperBible, "バイブル", G::Paper, &V::PPaperType, PaperType::Bible, "PPaperType"},
    {C::PaperMini, "ミニ", G::Paper, &V::PPaperType, PaperType::Mini, "PPaperType"},
    {C::PaperA5, "Ａ５", G::Paper, &V::PPaperType, PaperType::A5, "PPaperType"},
    {C::Spread, "見開き　タイプ", G::PageType, &V::PPageType, PageType::Spread, "PPageType"},
    {C::LeftPage, "左ページ", G::PageType, &V::PPageType, PageType::Left, "PPageType"},
    {C::RightPage, "右ページ", G::PageType, &V::PPageType, PageType::Right, "PPageType"},
    {C::OnePage, "１ページ　タイプ", G::PageType, &V::PPageType, PageType::One, "PPageType"},
    {C::DigitsDate, "20140101", G::DateType, &V::PDateType, 0, "PDateType"},
    {C::SlashDate, "2014/01/01", G::DateType, &V::PDateType, 1, "PDateType"},
    {C::KanjiDate, "2014年01月01日", G::DateType, &V::PDateType, 2, "PDateType"},
};

const PrintCheck Checks[] = {
    {C::DayToDo, "ToDoを予定表内に印刷する", &V::PDayTodo, "PDayTodo"},
    {C::RecordSheet, "記録用紙を右ページに印刷する", &V::PDayKiroku, "PDayKiroku"},
    {C::RecordDate, "右上に日付を印刷する", &V::PKirokuDate, "PKirokuDate"},
    {C::RecordTomorrow, "翌日のメモを印刷する", &V::PKirokuTomorrow, "PKirokuTomorrow"},
    {C::RecordToDo, "ToDoを記録用紙に印刷する", &V::PKirokuTodo, "PKirokuTodo"},
    {C::CentreLine, "中央に縦線を引く", &V::PKirokuCenterline, "PKirokuCenterline"},
    {C::CentreThird, "３分の１", &V::PKirokuCenterline1by3, "PKirokuCenterline1by3"},
    {C::RoutineWork, "ルーチンワーク図を印刷する", &V::PRoutineWork, "PRoutineWork"},
    {C::Classification, "紙の上部に分類枠を印刷する", &V::PKirokuBunnrui, "PKirokuBunnrui"},
    {C::ToDoEvents, "行事を印刷する", &V::ToDoGyouji, "ToDoGyouji"},
    {C::ToDoOverdue, "期限が切れたToDoを印刷する", &V::ToDoKigenn, "ToDoKigenn"},
    {C::ToDoLater, "指定期間以降のToDoを印刷する", &V::ToDoHanni, "ToDoHanni"},
    {C::FillColours, "枠内を設定色で塗りつぶす", &V::WakunaiNuritubushi, "WakunaiNuritubushi"},
    {C::NoBiorhythm, "バイオリズムを印刷しない", &V::NoBiorhythm, "Biorhythm"},
    {C::OneSide, "用紙の片側に印刷する", &V::PKatagawa, "PKatagawa"},
    {C::MarginLeft, "左", &V::PPageYohakuhidari, "PPageYohakuhidari"},
    {C::MarginRight, "右", &V::PPageYohakumigi, "PPageYohakumigi"},
    {C::MarginTop, "上", &V::PPageYohakuue, "PPageYohakuue"},
    {C::MarginBottom, "下", &V::PPageYohakushita, "PPageYohakushita"},
    {C::Approval, "週案用検印欄を印刷する", &V::PKenin, "PKenin"},
    {C::Frame, "印刷範囲枠を描く", &V::PWaku, "PWaku"},
    {C::SpecialPaper, "リフィル工房専用紙", &V::PSennyoushi, "PSennyoushi"},
    {C::StripZeros, "先頭の０を取る", &V::PZerotoru, "PZerotoru"},
    {C::CountHours, "時数をカウントする", &V::Keisannsuru, "Keisannsuru"},
    {C::SaveSettings, "設定を保存する", &V::SaveSettings, nullptr},
    {C::PrinterDialog, "このダイアログを閉じた後に、既定のプリントダイアログを開く", &V::PDialog, "PDialog"},
};

const PrintNumber Numbers[] = {
    {C::MoveRight, C::MoveRightSpin, "右に移動", &V::PIdouMigi, -50, 50, false, "PIdouMigi"},
    {C::MoveDown, C::MoveDownSpin, "下に移動", &V::PIdouSita, -50, 50, true, "PIdouSita"},
    {C::FontSize, C::FontSizeSpin, "フォントサイズ", &V::PFontSize, 1, 50, false, "PFontSize"},
    {C::RuleWidth, C::RuleWidthSpin, "罫線の太さ", &V::PKeisenFutosa, 1, 10, false, "PKeisenFutosa"},
};

/// What a print type enables (step 2 of the refresh routine), besides the rules that depend on other options.
struct TypeRule
{
    int Type;
    std::initializer_list<int> Enables;
};

const TypeRule TypeRules[] = {
    {PrintType::Day, {C::DayToDo, C::RecordSheet, C::CountHours, C::FillColours}},
    {PrintType::Week, {C::Vertical, C::List, C::SundayStart, C::MondayStart, C::CountHours, C::FillColours}},
    {PrintType::Month, {C::Vertical, C::List, C::SundayStart, C::MondayStart, C::FillColours}},
    {PrintType::Year, {C::OneMonth, C::TwoMonths, C::ThreeMonths, C::FourMonths, C::SixMonths}},
    {PrintType::Memo, {C::CentreLine}},
    {PrintType::ToDo, {C::SundayStart, C::MondayStart, C::ToDoEvents, C::ToDoOverdue, C::ToDoLater}},
};

/// Disabled before the print type's rules enable them (step 1).
constexpr int DisabledFirst[] = {
    C::DayToDo,     C::RecordSheet, C::RecordDate,  C::RecordToDo,     C::RecordTomorrow,
    C::CentreLine,  C::CentreThird, C::RoutineWork, C::Classification, C::Vertical,
    C::List,        C::SundayStart, C::MondayStart, C::OneMonth,       C::TwoMonths,
    C::ThreeMonths, C::FourMonths,  C::SixMonths,   C::CountHours,     C::OneSide,
    C::Approval,    C::ToDoEvents,  C::ToDoOverdue, C::ToDoLater,      C::FillColours,
};

/// Disabled on the special paper, enabled otherwise (step 9).
constexpr int SpecialPaperControls[] = {C::Spread, C::Landscape, C::PaperA4, C::OneSide};

const PrintRadio* RadioOf(int control)
{
    const auto found = std::find_if(std::begin(Radios), std::end(Radios),
                                    [&](const PrintRadio& r) { return r.Id == control; });
    return found == std::end(Radios) ? nullptr : &*found;
}

const PrintCheck* CheckOf(int control)
{
    const auto found = std::find_if(std::begin(Checks), std::end(Checks),
                                    [&](const PrintCheck& c) { return c.Id == control; });
    return found == std::end(Checks) ? nullptr : &*found;
}

bool IsA4OrA5(int paper)
{
    return paper == PaperType::A4 || paper == PaperType::A5;
}

/// A whole number as the user typed it: spaces around it, an optional sign, digits.
std::optional<long long> ParseWholeNumber(const std::string& text)
{
    std::size_t begin = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos)
        return std::nullopt;
    const std::string trimmed = text.substr(begin, end - begin + 1);
    std::size_t digits = trimmed[0] == '-' || trimmed[0] == '+' ? 1 : 0;
    if (digits == trimmed.size() || trimmed.size() - digits > 9)
        return std::nullopt;
    for (std::size_t i = digits; i < trimmed.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(trimmed[i])))
            return std::nullopt;
    }
    return std::stoll(trimmed);
}

std::size_t FontIndex(const PrintDialogValues& values)
{
    const int type = std::clamp(values.PrintType, 0, PrintType::Count - 1);
    const int paper = std::clamp(values.PPaperType, 0, PaperType::Count - 1);
    return static_cast<std::size_t>(type * PaperType::Count + paper);
}

} // namespace

std::span<const PrintRadio> PrintRadios()
{
    return Radios;
}

std::span<const PrintCheck> PrintChecks()
{
    return Checks;
}

std::span<const PrintNumber> PrintNumbers()
{
    return Numbers;
}

PrintDialogModel::PrintDialogModel(const ViewPrintState& view, const DateTime& currentDate, bool preview)
    : Preview(preview)
{
    static_cast<ViewPrintState&>(Current) = view;
    Current.PrintStartDate = currentDate;
    Current.PrintEndDate = currentDate;
    Current.NoBiorhythm = view.Biorhythm;
    if (Current.Keisannsuru)
        Current.PKirokuTomorrow = false;
    Refresh();
}

bool PrintDialogModel::IsChecked(int control) const
{
    if (const PrintRadio* radio = RadioOf(control)) {
        // The layout radios carry a mark only for the week and month planners.
        if (radio->Group == G::WeekLayout && Current.PrintType != PrintType::Week &&
            Current.PrintType != PrintType::Month)
            return false;
        return Current.*(radio->Member) == radio->Value;
    }
    if (const PrintCheck* check = CheckOf(control))
        return Current.*(check->Member);
    return false;
}

std::string PrintDialogModel::LabelOf(int control) const
{
    if (control == C::SlashDate)
        return Current.PZerotoru ? "2014/1/1" : "2014/01/01";
    if (control == C::KanjiDate)
        return Current.PZerotoru ? "2014年 1月 1日" : "2014年01月01日";
    if (const PrintRadio* radio = RadioOf(control))
        return radio->Label;
    if (const PrintCheck* check = CheckOf(control))
        return check->Label;
    for (const PrintNumber& number : Numbers) {
        if (number.Id == control)
            return number.Label;
    }
    return {};
}

PrintDialogReading PrintDialogModel::Shown() const
{
    PrintDialogReading reading;
    for (const PrintCheck& check : Checks)
        reading.Checks[check.Id] = Current.*(check.Member);
    for (const PrintNumber& number : Numbers)
        reading.Numbers[number.Id] = std::to_string(Current.*(number.Member));
    reading.RuleColour = Current.PKeisenIro;
    reading.Start = Current.PrintStartDate;
    reading.End = Current.PrintEndDate;
    return reading;
}

std::optional<FieldError> PrintDialogModel::ReadBack(const PrintDialogReading& reading)
{
    PrintDialogValues values = Current;
    for (const PrintNumber& number : Numbers) {
        const auto text = reading.Numbers.find(number.Id);
        if (text == reading.Numbers.end())
            continue;
        const std::optional<long long> value = ParseWholeNumber(text->second);
        if (!value)
            return FieldError{number.Id, "整数を入力してください。"};
        if (*value < number.Min || *value > number.Max)
            return FieldError{number.Id, std::to_string(number.Min) + " から " + std::to_string(number.Max) +
                                             " までの整数を入力してください。"};
        values.*(number.Member) = static_cast<int>(*value);
    }
    // The size typed is the table's size for this print type and paper, so that it stays when the
    // controls are refreshed.
    values.PrintFontSizes[FontIndex(values)] = values.PFontSize;
    for (const PrintCheck& check : Checks) {
        const auto checked = reading.Checks.find(check.Id);
        if (checked != reading.Checks.end())
            values.*(check.Member) = checked->second;
    }
    values.PKeisenIro = reading.RuleColour;
    values.PrintStartDate = reading.Start;
    values.PrintEndDate = reading.End;
    Current = values;
    return std::nullopt;
}

void PrintDialogModel::ApplyCheckRule(int control)
{
    switch (control) {
    case C::DayToDo:
        if (Current.PDayTodo)
            Current.PKirokuTodo = false;
        break;
    case C::RecordToDo:
        if (Current.PKirokuTodo)
            Current.PDayTodo = false;
        break;
    case C::RecordTomorrow:
        if (Current.PKirokuTomorrow)
            Current.Keisannsuru = false;
        break;
    case C::CountHours:
        if (Current.Keisannsuru)
            Current.PKirokuTomorrow = false;
        break;
    case C::SpecialPaper:
        if (Current.PSennyoushi) {
            if (Current.PPaperType == PaperType::A4)
                Current.PPaperType = PaperType::A5;
            if (Current.PYoushiType == Orientation::Landscape)
                Current.PYoushiType = Orientation::Portrait;
            if (Current.PPageType == PageType::Spread)
                Current.PPageType = PageType::Left;
            Current.PKatagawa = false;
        }
        break;
    default:
        break;
    }
}

std::optional<FieldError> PrintDialogModel::OnControl(int control, const PrintDialogReading& reading)
{
    // Every handler reads the controls back first, so that nothing typed is lost by a click.
    if (std::optional<FieldError> error = ReadBack(reading))
        return error;
    if (const PrintRadio* radio = RadioOf(control)) {
        Current.*(radio->Member) = radio->Value;
        if (control == C::YearType)
            Current.PPageType = PageType::One;
    } else {
        ApplyCheckRule(control);
    }
    Refresh();
    return std::nullopt;
}

std::optional<FieldError> PrintDialogModel::Confirm(const PrintDialogReading& reading)
{
    if (reading.End.IsEarlierThan(reading.Start))
        return FieldError{C::EndDate, "印刷の終了日が開始日より前です。"};
    if (std::optional<FieldError> error = ReadBack(reading))
        return error;
    // Counted before a page is drawn: a range of centuries would otherwise print for hours.
    if (std::string refusal = PageLimitRefusal(Current); !refusal.empty())
        return FieldError{C::EndDate, std::move(refusal)};
    return std::nullopt;
}

int PrintDialogModel::SpinStep(int spinControl, int value, int steps)
{
    for (const PrintNumber& number : Numbers) {
        if (number.SpinId == spinControl)
            return std::clamp(value + (number.UpDecreases ? -steps : steps), number.Min, number.Max);
    }
    return value;
}

void PrintDialogModel::Refresh()
{
    PrintDialogValues& v = Current;
    Disabled.clear();
    // 1. Options of particular print types start disabled; the page radios start enabled.
    Disabled.insert(std::begin(DisabledFirst), std::end(DisabledFirst));
    const auto enable = [&](int control) { Disabled.erase(control); };
    const auto disable = [&](int control) { Disabled.insert(control); };

    // 2. What the print type enables.
    for (const TypeRule& rule : TypeRules) {
        if (rule.Type == v.PrintType) {
            for (const int control : rule.Enables)
                enable(control);
        }
    }
    if (v.PrintType == PrintType::Day && v.PDayKiroku) {
        for (const int control :
             {C::RecordDate, C::RecordToDo, C::RecordTomorrow, C::CentreLine, C::RoutineWork})
            enable(control);
        if (v.PKirokuCenterline)
            enable(C::CentreThird);
    }
    if ((v.PrintType == PrintType::Memo || (v.PrintType == PrintType::Day && v.PDayKiroku)) &&
        IsA4OrA5(v.PPaperType))
        enable(C::Classification);
    if (v.PrintType == PrintType::Year) {
        for (const int control : {C::Spread, C::LeftPage, C::RightPage})
            disable(control);
    }

    // 3. The font size follows the print type and the paper.
    v.PFontSize = TableFontSize(v, v.PrintType);

    // 4. A left or right page may be printed on one side of the paper.
    if (v.PPageType == PageType::Left || v.PPageType == PageType::Right)
        enable(C::OneSide);

    // 5. "印刷" waits for a start date no later than the end date.
    if (v.PrintEndDate.IsEarlierThan(v.PrintStartDate))
        disable(C::Ok);

    // 7. The approval line belongs to the A4 landscape one-page vertical week starting on Monday.
    const bool approval = v.PrintType == PrintType::Week && v.P_VL_Type == 0 &&
                          v.PYoushiType == Orientation::Landscape && v.PPaperType == PaperType::A4 &&
                          v.PPageType == PageType::One && v.PStartWeekday == 1;
    if (approval)
        enable(C::Approval);

    // 9. The special paper fixes the sheet; without it those controls are enabled again, except the
    // spread, which the year planner keeps disabled (its pages are one page).
    for (const int control : SpecialPaperControls) {
        if (v.PSennyoushi)
            disable(control);
        else if (control != C::Spread || v.PrintType != PrintType::Year)
            enable(control);
    }
    if (Preview)
        disable(C::PrinterDialog);
}

ViewPrintState AcceptPrintDialog(const PrintDialogModel& dialog, ViewPrintState& view, CPlanovaDoc& document)
{
    const PrintDialogValues& values = dialog.Values();
    const bool displayBiorhythm = view.Biorhythm;
    view = values;
    view.Biorhythm = displayBiorhythm;
    if (values.SaveSettings) {
        StorePrintSettings(values, document);
        document.SetModified();
    }
    ViewPrintState job = view;
    job.Biorhythm = values.NoBiorhythm;
    return job;
}

} // namespace planova
