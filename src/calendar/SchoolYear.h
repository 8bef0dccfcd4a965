#pragma once

#include "calendar/Holidays.h"
#include "calendar/MonthDay.h"
#include "calendar/ToolDates.h"
#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <functional>
#include <string>

namespace planova {

/// A school vacation by month and day; the year of each processed day is put in.
struct VacationPeriod
{
    bool On = true;
    MonthDay First;
    MonthDay Last;
};

/// How FillSchoolDays turns ordinary days into school days.
struct SchoolDayRules
{
    VacationPeriod Spring{true, {3, 26}, {4, 5}};
    VacationPeriod Summer{true, {7, 21}, {8, 31}};
    VacationPeriod Autumn{true, {10, 1}, {10, 1}};
    /// Runs across the year end when its first day comes after its last day in the calendar year.
    VacationPeriod Winter{true, {12, 26}, {1, 7}};
    bool FoundationDayOn = false;
    MonthDay FoundationDay;
    /// On: the timetable replaces the plans of ①–⑥; off: it is appended to them.
    bool OverwritePlans = false;
};

/// Everything the school-year generator needs; a dialog or the command line only fills this in.
struct SchoolYearParameters
{
    DateTime Start;
    DateTime End;
    SchoolDayRules Days;
    HolidayOptions Holidays;

    /**
     * The values the generator's dialog shows when it opens at `now`: 1 April of now's year to
     * 31 March of the next, every vacation on with its usual dates, the foundation day off and
     * set to now's month and day, the current-law holidays with "都民の日", and the overwrite
     * switch as given (the view's copy of the document's JUwagaki).
     */
    static SchoolYearParameters Defaults(const DateTime& now, bool overwritePlans);
};

/**
 * The Japanese reason why the generator refuses the parameters, or empty when it accepts them:
 * an invalid date or a start after the end of the range; a spring, summer or autumn vacation
 * whose first day is after its last day (it could never apply); a month and day that exist in
 * no year (30 February) for a vacation or foundation day that is switched on; local holidays that
 * LocalHolidayRefusal refuses.
 */
std::string SchoolYearRefusal(const SchoolYearParameters& parameters);

/**
 * Second pass of the generator, after the holidays are marked: stores every day from `start` to
 * `end` (both included). A day of kind "休日" keeps kind and event; a weekend or vacation weekday
 * gets an empty kind; the foundation day on an ordinary weekday becomes "休日"/"開校記念日"; every
 * other weekday becomes a "50分時程" school day (event emptied) whose ①–⑥ rows receive the
 * timetable. Days that are no school day get the clock-hour labels. Month/day values that do
 * not exist in a year (29 February) match nothing in that year.
 */
void FillSchoolDays(CPlanovaDoc& document, const DateTime& start, const DateTime& end,
                    const SchoolDayRules& rules);

/**
 * Generates the school year: marks the holidays of the range, then fills the school days.
 * Refused parameters (see SchoolYearRefusal) change nothing. Not undoable.
 */
Outcome MakeSchoolYear(CPlanovaDoc& document, const SchoolYearParameters& parameters);

/**
 * Told after each day of a stepwise run is written, with the days written so far and the days of
 * the range; answering false stops the run before the next day.
 */
using SchoolYearProgress = std::function<bool(int daysWritten, int daysInRange)>;

/// How a stepwise run of the generator ended.
struct SchoolYearRun
{
    /// Refused parameters (see SchoolYearRefusal): nothing was written.
    Outcome Result;
    int DaysWritten = 0;
    int DaysInRange = 0;

    /// The run was stopped before the end of the range.
    bool Stopped() const { return Result.Ok && DaysWritten < DaysInRange; }
};

/**
 * MakeSchoolYear one day at a time, telling `progress` after each day and stopping when it answers
 * false. The run is worked out on a copy of the stored days from the start of the range on (all
 * that the generator reads), and each day is written into the document whole, holiday and school
 * day together, as soon as it is done. A substitute holiday that the range owes after its end is
 * written only when the whole range is done. So a stopped run leaves every day from the start up
 * to the last one written exactly as the complete run makes it, and every other day as it was;
 * a complete run gives the same document as MakeSchoolYear. Not undoable.
 */
SchoolYearRun MakeSchoolYearStepwise(CPlanovaDoc& document, const SchoolYearParameters& parameters,
                                     const SchoolYearProgress& progress);

} // namespace planova
