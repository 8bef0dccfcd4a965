#include "dialogs/SchoolYearDialog.h"

#include "calendar/ToolDates.h"

namespace planova {
namespace {

constexpr std::array<SchoolYearRowControls, SchoolYearRowCount> RowControls{{
    {1115, "春季休業日", 1119, 1120},
    {1116, "夏季休業日", 1121, 1122},
    {1117, "秋季休業日", 1123, 1124},
    {1118, "冬季休業日", 1125, 1126},
    {1127, "開校記念日", 1128, 0},
}};

constexpr HolidayRuleSetItem RuleSets[] = {
    {HolidayRuleSet::CurrentLaw, "現行の祝日法"},
    {HolidayRuleSet::Classic, "固定の祝日表（旧方式）"},
};

/// The vacation of the generator that a row stands for.
VacationPeriod SchoolDayRules::*const VacationOfRow[] = {
    &SchoolDayRules::Spring,
    &SchoolDayRules::Summer,
    &SchoolDayRules::Autumn,
    &SchoolDayRules::Winter,
};

} // namespace

std::span<const SchoolYearRowControls> SchoolYearRowControlTable()
{
    return RowControls;
}

std::span<const HolidayRuleSetItem> HolidayRuleSetItems()
{
    return RuleSets;
}

SchoolYearDialogValues SchoolYearDialogDefaults(const DateTime& now, bool overwrite)
{
    const SchoolYearParameters defaults = SchoolYearParameters::Defaults(now, overwrite);
    const int year = now.Year();
    SchoolYearDialogValues values;
    values.Start = defaults.Start;
    values.End = defaults.End;
    for (int row = SpringRow; row <= WinterRow; ++row) {
        const VacationPeriod& vacation = defaults.Days.*VacationOfRow[row];
        // A vacation that runs across the year end shows its last day in the next year.
        values.Rows[static_cast<std::size_t>(row)] = {
            vacation.On, vacation.First.InYear(year),
            vacation.Last.InYear(vacation.Last < vacation.First ? year + 1 : year)};
    }
    values.Rows[FoundationRow] = {defaults.Days.FoundationDayOn, now, now};
    values.Overwrite = overwrite;
    return values;
}

SchoolYearParameters SchoolYearDialogParameters(const SchoolYearDialogValues& values)
{
    SchoolYearParameters parameters;
    parameters.Start = values.Start.DateOnly();
    parameters.End = values.End.DateOnly();
    for (int row = SpringRow; row <= WinterRow; ++row) {
        const SwitchedDates& dates = values.Rows[static_cast<std::size_t>(row)];
        parameters.Days.*VacationOfRow[row] = {dates.On, MonthDay::Of(dates.First), MonthDay::Of(dates.Last)};
    }
    const SwitchedDates& foundation = values.Rows[FoundationRow];
    parameters.Days.FoundationDayOn = foundation.On;
    parameters.Days.FoundationDay = MonthDay::Of(foundation.First);
    parameters.Days.OverwritePlans = values.Overwrite;
    parameters.Holidays = {values.RuleSet, ChosenLocalHolidays(values.LocalHolidays)};
    return parameters;
}

std::string SchoolYearDialogRefusal(const SchoolYearDialogValues& values)
{
    if (std::string refusal = LocalHolidayChoiceRefusal(values.LocalHolidays); !refusal.empty())
        return refusal;
    return SchoolYearRefusal(SchoolYearDialogParameters(values));
}

std::string SchoolYearStoppedMessage(const SchoolYearParameters& parameters, const SchoolYearRun& run)
{
    const DateTime last = parameters.Start.AddDays(run.DaysWritten - 1);
    std::string message = "データの自動作成を中止しました。";
    if (run.DaysWritten == 0)
        return message + "データは変更していません。";
    return message + JapaneseDate(parameters.Start) + "から" + JapaneseDate(last) + "までの " +
           std::to_string(run.DaysWritten) + " 日分（" + std::to_string(run.DaysInRange) +
           " 日のうち）を作成済みです。それより後の日は変更していません。";
}

} // namespace planova
