#include "calendar/SchoolYear.h"

#include "calendar/DateWalk.h"
#include "calendar/Timetable.h"
#include "model/FixedTexts.h"

namespace planova {
namespace {

/// a ≤ b for dates; false when either is invalid, so an invalid bound matches nothing.
bool NotAfter(const DateTime& a, const DateTime& b)
{
    return a == b || a.IsEarlierThan(b);
}

bool Within(const DateTime& date, const DateTime& first, const DateTime& last)
{
    return NotAfter(first, date) && NotAfter(date, last);
}

bool InVacation(const VacationPeriod& vacation, const DateTime& date)
{
    const int year = date.Year();
    return vacation.On && Within(date, vacation.First.InYear(year), vacation.Last.InYear(year));
}

/// The winter vacation of the date's year: first to last, or, when it runs across the year end,
/// first to 31 December and 1 January to last.
bool InWinterVacation(const VacationPeriod& winter, const DateTime& date)
{
    if (!winter.On)
        return false;
    if (winter.First <= winter.Last)
        return InVacation(winter, date);
    const int year = date.Year();
    return Within(date, winter.First.InYear(year), DateTime::FromDate(year, 12, 31)) ||
           Within(date, DateTime::FromDate(year, 1, 1), winter.Last.InYear(year));
}

bool InAnyVacation(const SchoolDayRules& rules, const DateTime& date)
{
    return InVacation(rules.Spring, date) || InVacation(rules.Summer, date) ||
           InVacation(rules.Autumn, date) || InWinterVacation(rules.Winter, date);
}

/// The kind (and for the foundation day the event) of a day that is not "休日".
void SetOrdinaryDayKind(CDayData& day, const DateTime& date, const SchoolDayRules& rules)
{
    const int weekday = date.DayOfWeek();
    if (weekday == 0 || weekday == 6 || InAnyVacation(rules, date))
        day.SetJitei({});
    else if (rules.FoundationDayOn && rules.FoundationDay.InYear(date.Year()) == date)
        SetHoliday(day, Text(FixedText::FoundationDay));
    else
        day.SetJitei(Text(FixedText::SchoolDay50));
}

struct NamedVacation
{
    const char* Name;
    const VacationPeriod* Period;
};

std::string MonthDayRefusal(const char* name, const char* which, const MonthDay& monthDay)
{
    return std::string(name) + which + "（" + monthDay.JapaneseText() + "）は存在しない日付です。";
}

/**
 * The last date the generator may read or write after the end of the range. The current law's
 * holidays owed after the end are a run of consecutive law holidays (a week at most); the
 * classic rules walk from each holiday Sunday of the range to the first following day that is not
 * "休日", marking it. Every walk passes the days earlier walks marked, so together they reach at
 * most one day that was not a stored "休日" per Sunday of the range, plus the one they stop on.
 */
DateTime LastDateRead(const CPlanovaDoc& document, const DateTime& start, const DateTime& end)
{
    constexpr int LawRunDays = 31; // far beyond the longest run of law holidays
    int stopsLeft = 1;
    ForEachDate(start, end, [&](const DateTime& date) {
        if (date.DayOfWeek() == 0)
            ++stopsLeft;
    });
    DateTime date = end;
    for (int after = 1;; ++after) {
        const DateTime next = date.AddDays(1);
        if (!next.IsValid())
            return date;
        date = next;
        const CDayData* stored = document.FindStoredDay(date);
        if (stored == nullptr || !IsHoliday(*stored))
            --stopsLeft;
        if (after >= LawRunDays && stopsLeft <= 0)
            return date;
    }
}

/**
 * A document with copies of the stored days the generator reads for the range (from its start
 * to LastDateRead). Copying only those keeps a run inside a long document as cheap as the range
 * itself.
 */
CPlanovaDoc DaysRead(const CPlanovaDoc& document, const DateTime& start, const DateTime& end)
{
    const DateTime last = LastDateRead(document, start, end);
    CPlanovaDoc copy;
    for (const CDayData& day : document.DayList()) {
        if (NotAfter(start, day.GetDate()) && NotAfter(day.GetDate(), last))
            copy.AppendDayUnsorted(day);
    }
    return copy;
}

} // namespace

SchoolYearParameters SchoolYearParameters::Defaults(const DateTime& now, bool overwritePlans)
{
    SchoolYearParameters parameters;
    parameters.Start = DateTime::FromDate(now.Year(), 4, 1);
    parameters.End = DateTime::FromDate(now.Year() + 1, 3, 31);
    parameters.Days.FoundationDay = MonthDay::Of(now);
    parameters.Days.OverwritePlans = overwritePlans;
    return parameters;
}

std::string SchoolYearRefusal(const SchoolYearParameters& parameters)
{
    if (std::string range = DateRangeRefusal(parameters.Start, parameters.End); !range.empty())
        return "作成期間の" + range;
    const SchoolDayRules& days = parameters.Days;
    const NamedVacation vacations[] = {
        {"春季休業日", &days.Spring},
        {"夏季休業日", &days.Summer},
        {"秋季休業日", &days.Autumn},
        {"冬季休業日", &days.Winter},
    };
    for (const NamedVacation& vacation : vacations) {
        if (!vacation.Period->On)
            continue;
        if (!vacation.Period->First.Exists())
            return MonthDayRefusal(vacation.Name, "の最初の日", vacation.Period->First);
        if (!vacation.Period->Last.Exists())
            return MonthDayRefusal(vacation.Name, "の最後の日", vacation.Period->Last);
        // Only the winter vacation may run across the year end.
        if (vacation.Period != &days.Winter && vacation.Period->Last < vacation.Period->First)
            return std::string(vacation.Name) + "の最初の日（" + vacation.Period->First.JapaneseText() +
                   "）が最後の日（" + vacation.Period->Last.JapaneseText() + "）より後になっています。";
    }
    if (days.FoundationDayOn && !days.FoundationDay.Exists())
        return MonthDayRefusal("開校記念日", "", days.FoundationDay);
    return LocalHolidayRefusal(parameters.Holidays.LocalHolidays);
}

namespace {

/// One day of FillSchoolDays, as the holidays left it.
void FillSchoolDay(CDayData& day, const DateTime& date, const SchoolDayRules& rules,
                   const std::array<std::string, CPlanovaDoc::JikannwariCount>& timetable)
{
    if (!IsHoliday(day))
        SetOrdinaryDayKind(day, date, rules);
    if (day.GetJitei() == Text(FixedText::SchoolDay50))
        day.SetSchoolDayRows();
    else
        day.SetClockHourRows();
    InsertTimetable(day, timetable, rules.OverwritePlans);
}

} // namespace

void FillSchoolDays(CPlanovaDoc& document, const DateTime& start, const DateTime& end,
                    const SchoolDayRules& rules)
{
    ForEachDate(start, end, [&](const DateTime& date) {
        document.UpdateDay(date,
                           [&](CDayData& day) { FillSchoolDay(day, date, rules, document.Jikannwari); });
    });
}

Outcome MakeSchoolYear(CPlanovaDoc& document, const SchoolYearParameters& parameters)
{
    if (std::string reason = SchoolYearRefusal(parameters); !reason.empty())
        return Outcome::Refused(std::move(reason));
    MarkHolidays(document, parameters.Start, parameters.End, parameters.Holidays);
    FillSchoolDays(document, parameters.Start, parameters.End, parameters.Days);
    return {};
}

SchoolYearRun MakeSchoolYearStepwise(CPlanovaDoc& document, const SchoolYearParameters& parameters,
                                     const SchoolYearProgress& progress)
{
    SchoolYearRun run;
    if (std::string reason = SchoolYearRefusal(parameters); !reason.empty()) {
        run.Result = Outcome::Refused(std::move(reason));
        return run;
    }
    // Nothing before the start of the range is read by the holidays or the school days.
    CPlanovaDoc work = DaysRead(document, parameters.Start, parameters.End);
    MarkHolidays(work, parameters.Start, parameters.End, parameters.Holidays);
    run.DaysInRange =
        static_cast<int>((parameters.End.ToSysDays() - parameters.Start.ToSysDays()).count()) + 1;
    bool stopped = false;
    ForEachDate(parameters.Start, parameters.End, [&](const DateTime& date) {
        if (stopped)
            return;
        CDayData day = work.Day(date);
        FillSchoolDay(day, date, parameters.Days, document.Jikannwari);
        document.PutDay(std::move(day));
        ++run.DaysWritten;
        if (progress && !progress(run.DaysWritten, run.DaysInRange) && run.DaysWritten < run.DaysInRange)
            stopped = true;
    });
    if (!stopped) {
        for (const CDayData& day : work.DayList()) {
            if (!parameters.End.IsEarlierThan(day.GetDate()))
                continue;
            const CDayData* stored = document.FindStoredDay(day.GetDate());
            if (stored == nullptr || !(*stored == day))
                document.PutDay(day);
        }
    }
    return run;
}

} // namespace planova
