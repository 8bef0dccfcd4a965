#pragma once

#include "model/CPlanovaDoc.h"

#include <array>
#include <span>
#include <string>

namespace planova {

class PlannerView;

// ---- Page "表示" (QtDisplayPage) ------------------------------------------------------------

/// The members of the display page.
struct DisplayPageValues
{
    int BirthYear = 0;
    int BirthMonth = 0;
    int BirthDay = 0;
    int FirstView = 0; ///< view at start: 0 day, 1 week, 2 month
    int WeekStart = 0; ///< 0 Sunday, 1 Monday
    bool ShowToDoFirst = true;
    int SortKey = 0; ///< ToDo sort key: 0 importance, 1 deadline
    bool NoBiorhythm = false;
};

/// The radio groups of the display page.
enum class DisplayRadioGroup
{
    FirstView,
    WeekStart,
    SortKey,
};

/// One radio button of the display page: its control, group, the value it stands for and its caption.
struct DisplayRadio
{
    int ControlId;
    DisplayRadioGroup Group;
    int Value;
    const char* Label;
};

/// The display page's radio buttons, group by group in the order shown.
std::span<const DisplayRadio> DisplayRadios();

/// The member of a radio group.
int RadioGroupValue(const DisplayPageValues& values, DisplayRadioGroup group);

/**
 * A click on a radio button: its group's member takes the button's value. Every other member stays;
 * a control that is no radio button of the page changes nothing.
 */
void ClickDisplayRadio(DisplayPageValues& values, int controlId);

/// Whether the radio button shows as checked: its group's member holds its value.
bool IsDisplayRadioChecked(const DisplayPageValues& values, int controlId);

/// Whether the three numbers form a calendar date (a birthday that is not one is not taken over).
bool IsBirthdayDate(int year, int month, int day);

// ---- Page "印刷" (QtPrintPage) -------------------------------------------------------------

/// The members of the print page: the user's name and the print font-size table.
struct PrintPageValues
{
    std::string UserName; ///< code page 932
    std::array<int, CPlanovaDoc::FontPointCount> FontSizes{};
};

constexpr int FontSizeRows = 6;    ///< one per print type
constexpr int FontSizeColumns = 4; ///< one per paper
constexpr int MinFontSize = 1;
constexpr int MaxFontSize = 50;

/// Row captions of the font-size table: "日予定表" … "ToDo表" (the print types).
const std::array<const char*, FontSizeRows>& FontSizeRowLabels();
/// Column captions: "Ａ４", "バイブル", "ミニ", "Ａ５" (the papers).
const std::array<const char*, FontSizeColumns>& FontSizeColumnLabels();
/// The edit control of a size of the table, by row and column.
int FontSizeControlId(int row, int column);
/// The index into the table (and into FontPoint) of a row and column.
constexpr int FontSizeIndex(int row, int column)
{
    return row * FontSizeColumns + column;
}

/// "初期化": every size becomes the default table; the user name stays.
void ResetFontSizes(PrintPageValues& values);

// ---- Page "時間割" (QtTimetablePage) ---------------------------------------------------------

/// The members of the timetable page: text k is weekday k ÷ 6 (0 Monday … 5 Saturday), period k mod 6.
struct TimetablePageValues
{
    std::array<std::string, CPlanovaDoc::JikannwariCount> Texts; ///< code page 932
    bool Overwrite = false; ///< "「予定」に時間割を上書きする"
};

constexpr int TimetableWeekdays = 6;
constexpr int TimetablePeriods = 6;
constexpr int FirstTimetableControl = 1068;

/// The weekday column (0 Monday … 5 Saturday) and period row (0 "①" … 5 "⑥") of text k.
struct TimetableCell
{
    int Weekday;
    int Period;
};

constexpr TimetableCell TimetableCellOf(int k)
{
    return {k / TimetablePeriods, k % TimetablePeriods};
}

constexpr int TimetableIndex(int weekday, int period)
{
    return weekday * TimetablePeriods + period;
}

constexpr int TimetableControlId(int k)
{
    return FirstTimetableControl + k;
}

/// Column headers "月曜" … "土曜".
const std::array<const char*, TimetableWeekdays>& TimetableWeekdayLabels();
/// Row labels "①" … "⑥".
const std::array<const char*, TimetablePeriods>& TimetablePeriodLabels();

// ---- The sheet -------------------------------------------------------------------------------

/// What the property sheet edits: copies of the settings, taken over only on OK.
struct PropertySheetValues
{
    DisplayPageValues Display;
    PrintPageValues Print;
    TimetablePageValues Timetable;
};

/// Fills the pages from the document and the view as the sheet opens.
PropertySheetValues StartPropertySheet(const PlannerView& view);

/**
 * OK: takes the pages over into the view and the document, in order: the birthday (only when it is a
 * calendar date), the view at start (the view switches to it at once; its print type stays), the
 * ToDo pane, the ToDo sort key, the first weekday, the print font sizes, the biorhythm switch, the
 * user name, the timetable and its overwrite switch. The document is marked modified.
 */
void ApplyPropertySheet(PlannerView& view, const PropertySheetValues& values);

} // namespace planova
