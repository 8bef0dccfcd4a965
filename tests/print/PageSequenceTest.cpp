#include "print/PageSequence.h"
#include "print/PrintJob.h"
#include "print/PrintTypes.h"
#include "support/Dates.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::Date;

TEST(PageSequenceTest, PageCounts)
{
    struct Case
    {
        const char* Name;
        PageStep Step;
        DateTime First;
        DateTime Last;
        int Pages;
    };
    const Case cases[] = {
        {"equal dates, day", PageStep::Day, Date(2024, 4, 8), Date(2024, 4, 8), 1},
        {"a school year of days", PageStep::Day, Date(2024, 4, 1), Date(2025, 3, 31), 365},
        {"across 29 February", PageStep::Day, Date(2024, 2, 28), Date(2024, 3, 1), 3},
        {"equal dates, week", PageStep::Week, Date(2024, 4, 8), Date(2024, 4, 8), 1},
        {"6 days span one week page", PageStep::Week, Date(2024, 4, 8), Date(2024, 4, 14), 1},
        {"7 days span two", PageStep::Week, Date(2024, 4, 8), Date(2024, 4, 15), 2},
        {"equal dates, month", PageStep::Month, Date(2024, 1, 31), Date(2024, 1, 31), 1},
        {"31 January to 1 February", PageStep::Month, Date(2024, 1, 31), Date(2024, 2, 1), 2},
        {"across the new year", PageStep::Month, Date(2024, 11, 15), Date(2025, 2, 1), 4},
        {"one page whatever the range", PageStep::None, Date(2024, 4, 1), Date(2025, 3, 31), 1},
        {"end before start: nothing", PageStep::Day, Date(2024, 4, 8), Date(2024, 4, 7), 0},
        {"invalid date: nothing", PageStep::Day, DateTime::Invalid(), Date(2024, 4, 7), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageCount(c.Step, c.First, c.Last), c.Pages) << c.Name;
}

TEST(PageSequenceTest, PageDatesInAnyOrder)
{
    struct Case
    {
        const char* Name;
        PageStep Step;
        int Page;
        DateTime Expected;
    };
    const DateTime first = Date(2024, 1, 31);
    // Out of order and repeated, as a preview asks for them.
    const Case cases[] = {
        {"day 3", PageStep::Day, 3, Date(2024, 2, 2)},
        {"day 1", PageStep::Day, 1, first},
        {"day 31", PageStep::Day, 31, Date(2024, 3, 1)},
        {"day 3 again", PageStep::Day, 3, Date(2024, 2, 2)},
        {"week 2", PageStep::Week, 2, Date(2024, 2, 7)},
        {"week 1", PageStep::Week, 1, first},
        {"month 2 starts on the 1st", PageStep::Month, 2, Date(2024, 2, 1)},
        {"month 1 keeps the first date", PageStep::Month, 1, first},
        {"month 13 is in the next year", PageStep::Month, 13, Date(2025, 1, 1)},
        {"one page", PageStep::None, 1, first},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageDate(c.Step, first, c.Page), c.Expected) << c.Name;
}

} // namespace
} // namespace planova
