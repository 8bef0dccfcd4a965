#pragma once

#include "model/CDayData.h"
#include "model/CellColours.h"
#include "model/DateTime.h"

#include <string>
#include <string_view>

namespace planova {

/**
 * A date in the printed form PDateType: 0 "20140101", 1 "2014/01/01", 2 "2014年01月01日" (code page
 * 932; another value prints the first form). With zero stripping ("先頭の０を取る") a leading zero of the
 * month and of the day becomes a space ("2014/ 1/ 1"); the first form is left as it is.
 */
std::string PrintedDateText(const DateTime& date, int dateType, bool stripZeros);

/// The printed date followed by the weekday in full-width brackets: "2014/01/01（水）".
std::string PrintedDateWithWeekday(const DateTime& date, int dateType, bool stripZeros);

/**
 * Only the month and day of the printed date (the week planner and the ToDo table): the last 4, 5 or 8
 * bytes of the forms 0, 1 and 2 — "0101", "01/01", "01月01日".
 */
std::string PrintedMonthDay(const DateTime& date, int dateType, bool stripZeros);

/// Only the day of the printed date (the month and year planners): "01", or "01日" in the form 2.
std::string PrintedDayOfMonth(const DateTime& date, int dateType, bool stripZeros);

/**
 * Only the year and month of the printed date (the month planner's left title): the first 6, 7 or 10
 * bytes of the forms 0, 1 and 2 — "201401", "2014/01", "2014年01月".
 */
std::string PrintedYearMonth(const DateTime& date, int dateType, bool stripZeros);

/// A date text followed by the weekday in full-width brackets: "01/01（水）".
std::string WithWeekdayInBrackets(const std::string& text, const DateTime& date);

/// A date text followed by the weekday letter without brackets (the year planner): "01水".
std::string WithWeekdayLetter(const std::string& text, const DateTime& date);

/**
 * The colour of a printed date: red on a Sunday and on a day whose time-table kind is "休日" or
 * "振替休業日"; blue on a Saturday unless its time-table kind ends in "分時程" (a school Saturday,
 * printed black); black otherwise.
 */
Rgb PrintedDateColour(const CDayData& day);

/// The text with the leading zero of every run of two or more digits made a space: "2024/04/01" → "2024/ 4/
/// 1".
std::string BlankLeadingZerosOfNumbers(std::string_view text);

} // namespace planova
