#pragma once

#include "model/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace planova {

/**
 * The iCalendar PRIORITY (1 highest … 9 lowest, 0 undefined) of a ToDo importance code: the
 * letter picks the band that three-level calendars show (A high, B medium, C low) and the digit
 * keeps the order inside A and C: A1 1, A2 2, A3 3, B1–B3 5, C1 7, C2 8, C3 9. Every other code
 * ("R0" … "R3", "PJ", free text) is 0.
 */
int ICalendarPriority(std::string_view importance);

/// The hour 0–23 a period label names ("08" … "17" of the clock-hour rows: two ASCII digits), or none.
std::optional<int> ClockHourOfLabel(std::string_view label);

/**
 * The UID of an entry from its date (a ToDo item's deadline; "nodate" when invalid), what the entry
 * is (`part`: "day", "row3", "todo") and a 64-bit FNV-1a hash of its UTF-8 text, e.g.
 * "20240612-row3-5d1c0e8b7a4f2c19@planova": exporting the same entry again gives the same UID.
 * `repeat` (1 for the first) tells apart entries that agree in all of that.
 */
std::string ICalendarUid(const DateTime& date, std::string_view part, std::string_view text, int repeat = 1);

/// The 64-bit FNV-1a hash of a text as 16 lower-case hex digits.
std::string TextFingerprint(std::string_view text);

} // namespace planova
