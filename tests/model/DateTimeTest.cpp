#include "model/Clock.h"
#include "model/DateTime.h"

#include <gtest/gtest.h>

using planova::DateTime;

TEST(DateTimeTest, EpochAndKnownDayNumbers)
{
    EXPECT_EQ(DateTime::FromDate(1899, 12, 30).DayNumber(), 0.0);
    EXPECT_EQ(DateTime::FromDate(1900, 1, 1).DayNumber(), 2.0);
    EXPECT_EQ(DateTime::FromDate(2014, 1, 1).DayNumber(), 41640.0);
    EXPECT_DOUBLE_EQ(DateTime::FromDateTime(2014, 1, 1, 18, 0, 0).DayNumber(), 41640.75);
    EXPECT_DOUBLE_EQ(DateTime::FromDateTime(1899, 12, 29, 18, 0, 0).DayNumber(), -0.25);
}

TEST(DateTimeTest, CivilPartsRoundTrip)
{
    const DateTime value = DateTime::FromDateTime(2024, 2, 29, 23, 59, 59);
    ASSERT_TRUE(value.IsValid());
    EXPECT_EQ(value.Year(), 2024);
    EXPECT_EQ(value.Month(), 2);
    EXPECT_EQ(value.Day(), 29);
    EXPECT_EQ(value.Hour(), 23);
    EXPECT_EQ(value.Minute(), 59);
    EXPECT_EQ(value.Second(), 59);
    EXPECT_EQ(value.DayOfWeek(), 4); // Thursday
    EXPECT_EQ(value.DateOnly().DayNumber(), DateTime::FromDate(2024, 2, 29).DayNumber());
    const DateTime before = DateTime::FromDateTime(1899, 12, 29, 6, 30, 0);
    EXPECT_EQ(before.Day(), 29);
    EXPECT_EQ(before.Hour(), 6);
    EXPECT_EQ(before.Minute(), 30);
}

TEST(DateTimeTest, ImpossibleDatesAreInvalid)
{
    struct Case
    {
        int y, m, d;
    };
    for (const Case c : {Case{2013, 2, 29}, Case{2012, 13, 1}, Case{2012, 0, 1}, Case{2012, 4, 31},
                         Case{2012, 4, 0}, Case{-1, -1, -1}, Case{99, 1, 1}, Case{10000, 1, 1}}) {
        const DateTime value = DateTime::FromDate(c.y, c.m, c.d);
        EXPECT_FALSE(value.IsValid()) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(value.Year(), -1);
        EXPECT_EQ(value.DayOfWeek(), -1);
    }
    EXPECT_TRUE(DateTime::FromDate(2012, 2, 29).IsValid());
    EXPECT_FALSE(DateTime::FromDateTime(2012, 1, 1, 24, 0, 0).IsValid());
}

TEST(DateTimeTest, EqualityWithinHalfASecondAndInvalidEqualsNothing)
{
    const DateTime noon = DateTime::FromDateTime(2012, 4, 1, 12, 0, 0);
    EXPECT_EQ(noon, DateTime::FromDayNumber(noon.DayNumber() + 0.4 / 86400));
    EXPECT_NE(noon, DateTime::FromDayNumber(noon.DayNumber() + 0.6 / 86400));
    const DateTime invalid;
    EXPECT_NE(invalid, invalid);
    EXPECT_NE(invalid, noon);
    EXPECT_FALSE(invalid.IsEarlierThan(noon));
    EXPECT_FALSE(noon.IsEarlierThan(invalid));
    EXPECT_FALSE(invalid.IsLaterThan(noon));
    EXPECT_TRUE(DateTime::FromDate(2012, 3, 31).IsEarlierThan(noon));
    EXPECT_TRUE(noon.IsLaterThan(DateTime::FromDate(2012, 4, 1)));
    EXPECT_TRUE(invalid.IsIdenticalTo(DateTime::Invalid()));
}

TEST(DateTimeTest, AddDaysCrossesMonthsAndLeapDays)
{
    EXPECT_EQ(DateTime::FromDate(2024, 2, 28).AddDays(1), DateTime::FromDate(2024, 2, 29));
    EXPECT_EQ(DateTime::FromDate(2023, 12, 31).AddDays(1), DateTime::FromDate(2024, 1, 1));
    EXPECT_EQ(DateTime::FromDate(2024, 3, 1).AddDays(-1), DateTime::FromDate(2024, 2, 29));
    EXPECT_FALSE(DateTime().AddDays(1).IsValid());
}

TEST(DateTimeTest, FixedClock)
{
    const DateTime fixed = DateTime::FromDateTime(2012, 2, 10, 9, 5, 3);
    {
        planova::FixedNowScope scope(fixed);
        EXPECT_EQ(planova::Now(), fixed);
    }
    EXPECT_TRUE(planova::Now().IsValid());
}
