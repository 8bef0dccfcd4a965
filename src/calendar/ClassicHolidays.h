#pragma once

#include "calendar/LocalHolidays.h"
#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <span>
#include <string>

namespace planova {

// The classic holiday rules: one table of month/day holidays and four n-th Monday holidays,
// applied alike to every year, and a substitute rule that looks at what the days already hold.
// "都民の日", once part of the table, is the local holiday of Tokyo (LocalHolidays.h).

/// The event text (code page 932) of the classic fixed-date holiday on (month, day), or nullptr.
const std::string* ClassicFixedDateHoliday(int month, int day);

/// The event text of the classic Monday holiday for the ordinal-th Monday of the month, or nullptr.
const std::string* ClassicMondayHoliday(int month, int ordinal);

/// Which Monday of its month a Monday on this day of the month is: 1 for days 1–7, 2 for 8–14 ...
int MondayOrdinal(int dayOfMonth);

/**
 * Marks the range with the classic rules, walking the dates in ascending order. A fixed-date or
 * Monday holiday and a local holiday (every year, whatever its first year) overwrite the day's kind
 * and event, a local holiday on a national one's date noted after the national name; a Sunday whose
 * kind is "休日" (from the rules, an earlier run or the user) gives "振替休日" on the next day that is
 * not yet "休日" — even after `last` — unless its event is "都民の日", "開校記念日" or a local holiday.
 */
void MarkClassicHolidays(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                         std::span<const LocalHoliday> localHolidays);

} // namespace planova
