#include "calendar/CalendarDates.h"

#include <algorithm>
#include <chrono>

namespace planova {

namespace {

bool IsShortMonth(int month)
{
    return month == 4 || month == 6 || month == 9 || month == 11;
}

} // namespace

DateTime FirstOfMonth(const DateTime& date, int monthsLater)
{
    if (!date.IsValid())
        return date;
    const std::chrono::year_month month =
        std::chrono::year{date.Year()} / date.Month() + std::chrono::months{monthsLater};
    return DateTime::FromDate(static_cast<int>(month.year()), static_cast<int>(unsigned(month.month())), 1);
}

int DaysInMonth(const DateTime& date)
{
    if (!date.IsValid())
        return 0;
    const std::chrono::year_month_day_last last{
        std::chrono::year{date.Year()}, std::chrono::month_day_last{std::chrono::month(date.Month())}};
    return static_cast<int>(unsigned(last.day()));
}

DateTime StepMonth(const DateTime& date, int direction)
{
    if (!date.IsValid())
        return date;
    int year = date.Year();
    int month = date.Month() + direction;
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    int day = date.Day();
    if (month == 2)
        day = std::min(day, 28);
    else if (IsShortMonth(month))
        day = std::min(day, 30);
    return DateTime::FromDate(year, month, day);
}

int DaysBackToWeekStart(int weekday, int startWeekday)
{
    const int d = weekday + 1;
    const int s = startWeekday;
    return d > s ? d - s - 1 : d + 6 - s;
}

DateTime WeekStartOf(const DateTime& date, int startWeekday)
{
    if (!date.IsValid())
        return date;
    return date.AddDays(-DaysBackToWeekStart(date.DayOfWeek(), startWeekday));
}

} // namespace planova
