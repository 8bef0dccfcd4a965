#pragma once

#include "calendar/SchoolYear.h"
#include "dialogs/LocalHolidayChoice.h"
#include "model/DateTime.h"

#include <array>
#include <span>
#include <string>

namespace planova {

/// The dialog's note above the vacation rows and its warning above its buttons.
constexpr const char* SchoolYearMonthDayNote = "以下の休業日等は月日のみ有効です（年は無視されます）。";
constexpr const char* SchoolYearWarning = "データを自動作成します。この操作は元に戻せません。";

/// The switched rows of the dialog "データの自動作成" (QtSchoolYearDialog), in the order shown.
enum SchoolYearRow : int
{
    SpringRow,
    SummerRow,
    AutumnRow,
    WinterRow,
    FoundationRow,
    SchoolYearRowCount
};

/// A switched row: its check box and the dates its pickers show (the foundation day uses First only).
struct SwitchedDates
{
    bool On = true;
    DateTime First;
    DateTime Last;
};

/// What the dialog shows and edits. Of the vacation and foundation dates only month and day count.
struct SchoolYearDialogValues
{
    DateTime Start;
    DateTime End;
    std::array<SwitchedDates, SchoolYearRowCount> Rows;
    /// "「予定」を「時間割」で上書きします。（OFFの場合は挿入します）"
    bool Overwrite = false;
    /// "祝日の規則".
    HolidayRuleSet RuleSet = HolidayRuleSet::CurrentLaw;
    /// "地域の休日": the application puts in the user's last choice.
    LocalHolidayChoice LocalHolidays;
};

/// A choice of "祝日の規則": the rule set and its caption.
struct HolidayRuleSetItem
{
    HolidayRuleSet RuleSet;
    const char* Label;
};

/// "現行の祝日法" (the default) and "固定の祝日表（旧方式）".
std::span<const HolidayRuleSetItem> HolidayRuleSetItems();

/// A switched row's controls: its check box with caption and its date pickers (0: none).
struct SchoolYearRowControls
{
    int CheckId;
    const char* Label;
    int FirstPicker;
    int LastPicker;
};

/// The controls of the switched rows, indexed by SchoolYearRow.
std::span<const SchoolYearRowControls> SchoolYearRowControlTable();

/**
 * The values the dialog opens with at `now` (Y = now's year): 1 April Y to 31 March Y+1, the spring,
 * summer, autumn and winter vacations on from 26 March Y – 5 April Y, 21 July Y – 31 August Y,
 * 1 October Y – 1 October Y and 26 December Y – 7 January Y+1, the foundation day off and set to
 * now, the overwrite switch as given (the view's working copy of JUwagaki), the current-law holidays
 * and Tokyo's "都民の日" (for a user who never chose).
 */
SchoolYearDialogValues SchoolYearDialogDefaults(const DateTime& now, bool overwrite);

/// Whether a row's date pickers take input: exactly when its check box is on.
inline bool SchoolYearPickersEnabled(const SchoolYearDialogValues& values, SchoolYearRow row)
{
    return values.Rows[static_cast<std::size_t>(row)].On;
}

/// The generator's parameters: the range, the month and day of each switched date, the holiday rules
/// and the chosen local holidays.
SchoolYearParameters SchoolYearDialogParameters(const SchoolYearDialogValues& values);

/**
 * Why OK cannot run the generator (local holidays that LocalHolidayChoiceRefusal refuses, a start after
 * the end, a date that exists in no year), or empty.
 */
std::string SchoolYearDialogRefusal(const SchoolYearDialogValues& values);

/// "データの自動作成を中止しました。…日分のデータを作成済みです。": what a stopped run tells the user.
std::string SchoolYearStoppedMessage(const SchoolYearParameters& parameters, const SchoolYearRun& run);

} // namespace planova
