#include "calendar/CalendarDates.h"

#include "support/CalendarTestDays.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::Date;

TEST(CalendarDatesTest, WeekStartOfGoesBackToTheFirstWeekday)
{
    struct Case
    {
        DateTime Date;
        int StartWeekday;
        DateTime Start;
    };
    // 9 June 2024 is a Sunday.
    const Case cases[] = {
        {Date(2024, 6, 12), 0, Date(2024, 6, 9)},  // Wednesday, weeks from Sunday: 3 days back
        {Date(2024, 6, 12), 1, Date(2024, 6, 10)}, // weeks from Monday: 2 days back
        {Date(2024, 6, 9), 0, Date(2024, 6, 9)},   // the first weekday itself
        {Date(2024, 6, 9), 1, Date(2024, 6, 3)},   // a Sunday ends the week from Monday: 6 days back
        {Date(2024, 6, 15), 6, Date(2024, 6, 15)}, // weeks from Saturday
        {Date(2024, 3, 1), 1, Date(2024, 2, 26)},  // across the month end
    };
    for (const Case& c : cases)
        EXPECT_TRUE(WeekStartOf(c.Date, c.StartWeekday).IsIdenticalTo(c.Start))
            << c.Date.Day() << " from weekday " << c.StartWeekday;
    EXPECT_FALSE(WeekStartOf(DateTime::Invalid(), 0).IsValid());
}

} // namespace
} // namespace planova
