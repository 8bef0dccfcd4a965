#include "print/PageSequence.h"

#include <chrono>
#include <cmath>

namespace planova {

namespace {

constexpr int WeekDays = 7;

int MonthIndex(const DateTime& date)
{
    return date.Year() * 12 + date.Month() - 1;
}

} // namespace

int PageCount(PageStep step, const DateTime& first, const DateTime& last)
{
    if (!first.IsValid() || !last.IsValid() || last.IsEarlierThan(first))
        return 0;
    const int days = static_cast<int>(std::lround(last.DayNumber() - first.DayNumber()));
    switch (step) {
    case PageStep::Day:
        return days + 1;
    case PageStep::Week:
        return days / WeekDays + 1;
    case PageStep::Month:
        return MonthIndex(last) - MonthIndex(first) + 1;
    case PageStep::None:
        break;
    }
    return 1;
}

DateTime PageDate(PageStep step, const DateTime& first, int page)
{
    const int steps = page - 1;
    if (!first.IsValid() || steps <= 0)
        return first;
    switch (step) {
    case PageStep::Day:
        return first.AddDays(steps);
    case PageStep::Week:
        return first.AddDays(WeekDays * steps);
    case PageStep::Month: {
        const std::chrono::year_month_day ymd{std::chrono::year{first.Year()} / first.Month() / 1};
        const std::chrono::year_month_day shifted = ymd + std::chrono::months{steps};
        return DateTime::FromDate(static_cast<int>(shifted.year()), static_cast<unsigned>(shifted.month()),
                                  1);
    }
    case PageStep::None:
        break;
    }
    return first;
}

} // namespace planova
