#include "dialogs/PropertySheet.h"

#include "view/PlannerView.h"

#include <algorithm>

namespace planova {
namespace {

using G = DisplayRadioGroup;

constexpr std::array DisplayRadioRows{
    DisplayRadio{1108, G::FirstView, 0, "日予定表"},   DisplayRadio{1109, G::FirstView, 1, "週予定表"},
    DisplayRadio{1110, G::FirstView, 2, "月予定表"},   DisplayRadio{1113, G::WeekStart, 0, "日曜始まり"},
    DisplayRadio{1114, G::WeekStart, 1, "月曜始まり"}, DisplayRadio{1115, G::SortKey, 0, "重要度"},
    DisplayRadio{1116, G::SortKey, 1, "期限"},
};

/// The member of a group (const or not, as the values are).
template <typename Values> auto& GroupMember(Values& values, DisplayRadioGroup group)
{
    switch (group) {
    case G::FirstView:
        return values.FirstView;
    case G::WeekStart:
        return values.WeekStart;
    case G::SortKey:
        break;
    }
    return values.SortKey;
}

const DisplayRadio* FindRadio(int controlId)
{
    const auto found =
        std::find_if(DisplayRadioRows.begin(), DisplayRadioRows.end(),
                     [controlId](const DisplayRadio& radio) { return radio.ControlId == controlId; });
    return found == DisplayRadioRows.end() ? nullptr : &*found;
}

/// Edit controls of the font-size table by row (print type) and column (paper).
constexpr std::array<std::array<int, FontSizeColumns>, FontSizeRows> FontSizeControls{{
    {1125, 1135, 1145, 1130},
    {1126, 1136, 1146, 1131},
    {1127, 1137, 1147, 1132},
    {1128, 1138, 1148, 1133},
    {1129, 1139, 1149, 1134},
    {1141, 1142, 1150, 1143},
}};

} // namespace

std::span<const DisplayRadio> DisplayRadios()
{
    return DisplayRadioRows;
}

int RadioGroupValue(const DisplayPageValues& values, DisplayRadioGroup group)
{
    return GroupMember(values, group);
}

void ClickDisplayRadio(DisplayPageValues& values, int controlId)
{
    if (const DisplayRadio* radio = FindRadio(controlId))
        GroupMember(values, radio->Group) = radio->Value;
}

bool IsDisplayRadioChecked(const DisplayPageValues& values, int controlId)
{
    const DisplayRadio* radio = FindRadio(controlId);
    return radio != nullptr && RadioGroupValue(values, radio->Group) == radio->Value;
}

bool IsBirthdayDate(int year, int month, int day)
{
    return DateTime::FromDate(year, month, day).IsValid();
}

const std::array<const char*, FontSizeRows>& FontSizeRowLabels()
{
    static constexpr std::array<const char*, FontSizeRows> labels{"日予定表", "週予定表", "月予定表",
                                                                  "年予定表", "記録用紙", "ToDo表"};
    return labels;
}

const std::array<const char*, FontSizeColumns>& FontSizeColumnLabels()
{
    static constexpr std::array<const char*, FontSizeColumns> labels{"Ａ４", "バイブル", "ミニ", "Ａ５"};
    return labels;
}

int FontSizeControlId(int row, int column)
{
    return FontSizeControls.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void ResetFontSizes(PrintPageValues& values)
{
    values.FontSizes = DefaultFontPoints;
}

const std::array<const char*, TimetableWeekdays>& TimetableWeekdayLabels()
{
    static constexpr std::array<const char*, TimetableWeekdays> labels{"月曜", "火曜", "水曜",
                                                                       "木曜", "金曜", "土曜"};
    return labels;
}

const std::array<const char*, TimetablePeriods>& TimetablePeriodLabels()
{
    static constexpr std::array<const char*, TimetablePeriods> labels{"①", "②", "③", "④", "⑤", "⑥"};
    return labels;
}

PropertySheetValues StartPropertySheet(const PlannerView& view)
{
    const CPlanovaDoc& document = view.Document();
    PropertySheetValues values;
    DisplayPageValues& display = values.Display;
    display.BirthYear = document.BirthdayYear;
    display.BirthMonth = document.BirthdayMonth;
    display.BirthDay = document.BirthdayDay;
    display.FirstView = document.DspType;
    display.ShowToDoFirst = document.ToDoView;
    display.WeekStart = view.State.StartWeekday;
    display.NoBiorhythm = document.Biorhythm;
    display.SortKey = document.ToDoSort;
    values.Print.FontSizes = document.FontPoint;
    values.Print.UserName = document.Shiyousya;
    values.Timetable.Texts = document.Jikannwari;
    values.Timetable.Overwrite = view.State.JUwagaki;
    return values;
}

void ApplyPropertySheet(PlannerView& view, const PropertySheetValues& values)
{
    CPlanovaDoc& document = view.Document();
    ViewState& state = view.State;
    const DisplayPageValues& display = values.Display;

    if (IsBirthdayDate(display.BirthYear, display.BirthMonth, display.BirthDay)) {
        document.BirthdayYear = display.BirthYear;
        document.BirthdayMonth = display.BirthMonth;
        document.BirthdayDay = display.BirthDay;
    }

    // The view switches to the start-up view at once. A selection made in another layout would name
    // a different cell or row, so a change of layout drops it.
    const int mode = static_cast<int>(ViewModeOf(display.FirstView));
    if (state.DspType != mode || state.ToDoView != display.ShowToDoFirst) {
        state.SelectedCell = -1;
        state.SelectedToDoRow = -1;
    }
    state.DspType = mode;
    document.DspType = display.FirstView;
    state.ToDoView = display.ShowToDoFirst;
    document.ToDoView = display.ShowToDoFirst;
    state.ToDoSort = display.SortKey;
    document.ToDoSort = display.SortKey;
    state.StartWeekday = display.WeekStart;
    document.StartWeekday = display.WeekStart;

    document.FontPoint = values.Print.FontSizes;
    view.Print.PrintFontSizes = values.Print.FontSizes;
    view.Print.Biorhythm = display.NoBiorhythm;
    document.Biorhythm = display.NoBiorhythm;
    document.Shiyousya = values.Print.UserName;
    view.Print.Shiyousya = values.Print.UserName;

    document.Jikannwari = values.Timetable.Texts;
    state.JUwagaki = values.Timetable.Overwrite;
    document.JUwagaki = values.Timetable.Overwrite;
    document.SetModified();
}

} // namespace planova
