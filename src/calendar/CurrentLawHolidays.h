#pragma once

#include "calendar/LocalHolidays.h"
#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <chrono>
#include <span>
#include <string>
#include <vector>

namespace planova {

// The holidays of the national holiday law (国民の祝日に関する法律) as it stood in each year
// from its start in 1948: the dated holidays with the years they existed, the days set by
// special laws, the substitute holiday and the citizens' holiday. docs/holidays.md names the
// source of each rule.

enum class LawHolidayKind
{
    /// A national holiday (国民の祝日), or a day a special law made a holiday.
    National,
    /// "振替休日", owed by a national holiday on a Sunday.
    Substitute,
    /// "国民の休日", a day between two national holidays.
    Citizens,
};

struct LawHoliday
{
    std::chrono::sys_days Date;
    LawHolidayKind Kind;
    /// The event text in code page 932 (static storage).
    const std::string* Name;
    /// For a substitute holiday the Sunday that owes it; otherwise the date itself.
    std::chrono::sys_days Cause;
};

/// The holidays of the year in date order; none before 1948.
std::vector<LawHoliday> CurrentLawHolidays(int year);

enum class Equinox
{
    Vernal,
    Autumnal
};

/**
 * The day of the month of the vernal (March) or autumnal (September) equinox day in Japan by
 * the usual approximation of the equinox formula, for the years 1900–2150 it is published for;
 * 0 for any other year.
 */
int EquinoxDay(Equinox which, int year);

/// First and last year of the published equinox formula.
inline constexpr int FirstEquinoxYear = 1900;
inline constexpr int LastEquinoxYear = 2150;

/**
 * Marks the law's holidays of the range and the local holidays from their first years with kind
 * "休日" and the holiday's name (a local holiday on a national holiday's date noted after the
 * national name, see WithLocalHoliday); other days are not touched. When a Sunday
 * holiday in the range owes a substitute holiday after `last`, that substitute and the holidays
 * between are marked as well. The result depends on the dates only, never on what the days held.
 */
void MarkCurrentLawHolidays(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                            std::span<const LocalHoliday> localHolidays);

} // namespace planova
