#pragma once

#include "model/DateTime.h"

namespace planova {

// The month and week arithmetic the screen and the printed pages share.

constexpr int WeekDays = 7;

/// The 1st of the month `monthsLater` months after the month of the date (invalid stays invalid).
DateTime FirstOfMonth(const DateTime& date, int monthsLater = 0);

/// The number of days of the date's month (0 for an invalid date).
int DaysInMonth(const DateTime& date);

/// The date one month later (+1) or earlier (−1); the day is kept but limited to 28 in February and 30 in
/// short months.
DateTime StepMonth(const DateTime& date, int direction);

/// Days back from a weekday (0 Sunday … 6 Saturday) to the start of its week beginning on startWeekday.
int DaysBackToWeekStart(int weekday, int startWeekday);

/// The first day of the date's week, the week beginning on startWeekday (0 Sunday … 6 Saturday).
DateTime WeekStartOf(const DateTime& date, int startWeekday);

} // namespace planova
