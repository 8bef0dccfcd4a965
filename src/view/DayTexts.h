#pragma once

#include "model/CDayData.h"
#include "model/CellColours.h"
#include "model/DateTime.h"

#include <string>

namespace planova {

/// The one-letter weekday name "日" … "土" of a weekday 0 (Sunday) … 6; larger numbers wrap around.
std::string WeekdayLetterOf(int weekday);

/**
 * The date header of the day view: "2014年 1月 1日（水）" — year, month and day with the leading
 * zero of the month and of the day blanked, then the weekday in full-width brackets. Code page 932.
 */
std::string DayViewDateText(const DateTime& date);

/// The date header of the week view: " 1月 1日（水）" (the day view's text without the year).
std::string WeekViewDateText(const DateTime& date);

/// The date of a month cell: " 1/ 1", month and day two characters wide, leading zeros blanked.
std::string MonthViewDateText(const DateTime& date);

/// A deadline as "2014/01/01" (four-digit year, two-digit month and day).
std::string SlashDateText(const DateTime& date);

/// The colour of a weekday's name in a weekday header: red on Sunday (0), blue on Saturday (6), else
/// black; larger numbers wrap around.
Rgb WeekdayColour(int weekday);

/// The colour of a drawn date: red on Sundays and "休日" / "振替休業日" days, blue on Saturdays, else black.
Rgb DateColour(const CDayData& day);

/// Whether a time-table kind is exactly "休日" (drawn red; "振替休業日" is drawn black).
bool IsHolidayKind(const std::string& jitei);

} // namespace planova
