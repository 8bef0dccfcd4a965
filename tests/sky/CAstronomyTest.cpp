#include "sky/CAstronomy.h"

#include "sky/AngleMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using planova::CAstronomy;
using planova::DateTime;

namespace {

DateTime Local(int y, int mo, int d, int h, int mi, int s)
{
    return DateTime::FromDateTime(y, mo, d, h, mi, s);
}

/// 2024-03-01 21:00:00 local, that is 12:00 UT: the instant of the worked values below.
const DateTime WorkedInstant = Local(2024, 3, 1, 21, 0, 0);

} // namespace

TEST(CAstronomyTest, Normalize360ReducesIntoZeroToBelow360)
{
    struct Case
    {
        double x, expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Case c : {Case{-30, 330}, Case{725, 5}, Case{360, 0}, Case{0, 0}, Case{-360, 0}, Case{-720, 0},
                         Case{359.5, 359.5}, Case{-0.5, 359.5}, Case{116052.25, 132.25}, Case{-1e-20, 0}}) {
        const double reduced = CAstronomy::Normalize360(c.x);
        EXPECT_DOUBLE_EQ(reduced, c.expected) << c.x;
        EXPECT_FALSE(std::signbit(reduced)) << c.x << " must not give -0";
    }
    // Not finite: no endless loop, no number.
    EXPECT_TRUE(std::isnan(CAstronomy::Normalize360(inf)));
    EXPECT_TRUE(std::isnan(CAstronomy::Normalize360(std::nan(""))));
}

TEST(CAstronomyTest, JulianDayOfCivilDatesIncludingTheCalendarReform)
{
    struct Case
    {
        DateTime instant;
        double expected;
    };
    const Case cases[] = {
        {Local(2000, 1, 1, 12, 0, 0), 2451545.0},
        {Local(2024, 3, 1, 12, 0, 0), 2460371.0},
        {Local(1957, 10, 4, 19, 26, 24), 2436116.31},
        {Local(1582, 10, 15, 0, 0, 0), 2299160.5}, // first day of the Gregorian calendar
        {Local(1582, 10, 4, 0, 0, 0), 2299159.5},  // before it the date counts as a Julian calendar date
        {Local(333, 1, 27, 12, 0, 0), 1842713.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(CAstronomy::JulianDay(c.instant), c.expected, 1e-6) << c.expected;
}

TEST(CAstronomyTest, UniversalTimeAndJulianYears)
{
    const CAstronomy sky(WorkedInstant);
    EXPECT_EQ(sky.ToUniversalTime(WorkedInstant), Local(2024, 3, 1, 12, 0, 0));
    EXPECT_EQ(sky.ToUniversalTime(Local(2024, 3, 1, 5, 0, 0)), Local(2024, 2, 29, 20, 0, 0));
    EXPECT_FALSE(sky.ToUniversalTime(DateTime::Invalid()).IsValid());

    EXPECT_DOUBLE_EQ(sky.JulianYears(Local(2000, 1, 1, 21, 0, 0)), 0.0);
    EXPECT_NEAR(sky.JulianYears(WorkedInstant), 24.164271047227926, 1e-12);
}

TEST(CAstronomyTest, LocalSiderealTimeIsAClockReadingOnTheReferenceDate)
{
    const CAstronomy sky(WorkedInstant);
    const DateTime sidereal = sky.LocalSiderealTime(WorkedInstant);
    EXPECT_EQ(sidereal, Local(2024, 3, 1, 7, 57, 17));

    // The date always comes from the reference instant, the time from the instant given.
    const DateTime dayAfter = sky.LocalSiderealTime(Local(2024, 3, 2, 21, 0, 0));
    EXPECT_EQ(dayAfter.Day(), 1);
    EXPECT_EQ(dayAfter, Local(2024, 3, 1, 8, 1, 13)); // a sidereal day is 3 min 56 s shorter

    EXPECT_DOUBLE_EQ(CAstronomy::DayFraction(Local(2024, 3, 1, 18, 0, 0)), 0.75);
    EXPECT_DOUBLE_EQ(CAstronomy::DayFraction(Local(2024, 3, 1, 0, 0, 0)), 0.0);
}

TEST(CAstronomyTest, WorkedValuesOfSunMoonAndPlanets)
{
    const CAstronomy sky(WorkedInstant);
    EXPECT_NEAR(sky.SunLongitude(WorkedInstant), 341.39, 0.005);
    EXPECT_NEAR(sky.SunDistance(WorkedInstant), 0.99095, 0.000005);
    EXPECT_NEAR(sky.MoonLongitude(WorkedInstant), 226.58, 0.005);
    EXPECT_NEAR(sky.MoonAge(WorkedInstant), 20.54, 0.005);

    const double sunLongitude = sky.SunLongitude(WorkedInstant);
    const double sunDistance = sky.SunDistance(WorkedInstant);
    const auto planets = sky.PlanetSeries(WorkedInstant);
    const double expected[] = {343.3, 317.1, 313.3, 41.4, 340.0}; // Mercury ... Saturn
    for (std::size_t k = 0; k < planets.size(); ++k) {
        const double lambda = CAstronomy::GeocentricLongitude(sunLongitude, 0.0, sunDistance, planets[k]);
        EXPECT_GT(lambda, -90.0);
        EXPECT_LT(lambda, 270.0);
        EXPECT_NEAR(CAstronomy::Normalize360(lambda), expected[k], 0.05) << "planet " << k;
        EXPECT_GE(planets[k].L, 0.0);
        EXPECT_LT(planets[k].L, 360.0);
        EXPECT_GE(planets[k].B, 0.0);
        EXPECT_LT(planets[k].B, 360.0);
    }
}

TEST(CAstronomyTest, MoonAgeCountsFromThePrecedingNewMoon)
{
    struct Case
    {
        const char* name;
        DateTime instant;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        // A few minutes before the new moon of 2024-03-10 (the moon 0.015° behind the sun): the
        // cycle that is ending, not a negative age.
        {"just before new moon", Local(2024, 3, 10, 18, 0, 0), 29.42, 0.005},
        {"just after new moon", Local(2024, 3, 10, 19, 0, 0), 0.04, 0.005},
        // Conjunctions known from the solar eclipses of 2024 (18:21 UT on 8 April, 18:49 UT on
        // 2 October); the search stops within 0.05° of the sun, that is within about 6 minutes.
        {"a day after the April eclipse", Local(2024, 4, 10, 3, 21, 0), 1.0, 0.01},
        {"half a day after the October eclipse", Local(2024, 10, 3, 15, 49, 0), 0.5, 0.01},
        // New moons near longitude 0, where one longitude wraps round before the other.
        {"new moon near the equinox 2025", Local(2025, 4, 3, 21, 0, 0), 5.0425, 0.001},
        {"new moon near the equinox 2026", Local(2026, 4, 12, 21, 0, 0), 24.4408, 0.001},
    };
    for (const Case& c : cases) {
        const CAstronomy sky(c.instant);
        EXPECT_NEAR(sky.MoonAge(c.instant), c.expected, c.tolerance) << c.name;
    }
}

TEST(CAstronomyTest, MoonAgeStaysWithinOneLunationAndGrowsSteadily)
{
    // Every six hours over five years: the age never leaves 0 ... 29.9 days, and between two
    // samples it grows by the six hours except where a new moon resets it.
    const double step = 0.25;
    double previous = -1.0;
    for (double day = DateTime::FromDate(2024, 1, 1).DayNumber();
         day < DateTime::FromDate(2029, 1, 1).DayNumber(); day += step) {
        const DateTime instant = DateTime::FromDayNumber(day);
        const double age = CAstronomy(instant).MoonAge(instant);
        ASSERT_GE(age, 0.0) << day;
        ASSERT_LT(age, 29.9) << day;
        if (previous >= 0.0 && age > step) {
            ASSERT_NEAR(age - previous, step, 0.001) << day;
        }
        previous = age;
    }
}

TEST(CAstronomyTest, SouthernMoonLatitudeIsReducedWithoutChangingTheEquatorialPosition)
{
    const CAstronomy sky(WorkedInstant);
    const double beta = sky.MoonLatitude(WorkedInstant);
    EXPECT_GT(beta, 350.0); // about -2.66°, returned as 357.34
    const double lambda = sky.MoonLongitude(WorkedInstant);
    EXPECT_NEAR(sky.RightAscension(lambda, beta), sky.RightAscension(lambda, beta - 360.0), 1e-9);
    EXPECT_NEAR(sky.Declination(lambda, beta), sky.Declination(lambda, beta - 360.0), 1e-9);
}

TEST(CAstronomyTest, EquatorialCoordinatesOfKnownEclipticPoints)
{
    const CAstronomy sky(WorkedInstant);
    const double epsilon = 23.439291 - 0.000130042 * sky.JulianYears(WorkedInstant);
    struct Case
    {
        double lambda, beta, alpha, delta;
    };
    for (const Case c : {Case{0, 0, 0, 0}, Case{90, 0, 90, epsilon}, Case{180, 0, 180, 0},
                         Case{270, 0, 270, -epsilon}, Case{0, 90, 270, 90 - epsilon}}) {
        EXPECT_NEAR(sky.RightAscension(c.lambda, c.beta), c.alpha, 1e-9) << c.lambda << "," << c.beta;
        EXPECT_NEAR(sky.Declination(c.lambda, c.beta), c.delta, 1e-9) << c.lambda << "," << c.beta;
    }
}

TEST(CAstronomyTest, ZeroDenominatorsGiveTheDirectionOfTheOtherComponent)
{
    // The quadrant rule behind right ascension, azimuth and geocentric longitude.
    struct Case
    {
        double y, x, expected;
    };
    for (const Case c : {Case{0, 0, 0}, Case{-0.0, 0, 0}, Case{1, 0, 90}, Case{-1, 0, -90}, Case{1, 1, 45},
                         Case{1, -1, 135}, Case{-1, -1, 225}, Case{-1, 1, -45}}) {
        const double angle = planova::sky::QuadrantAngle(c.y, c.x);
        EXPECT_DOUBLE_EQ(angle, c.expected) << c.y << "," << c.x;
        EXPECT_FALSE(std::signbit(angle) && c.expected == 0.0);
    }

    // A body exactly in the zenith: the azimuth denominator is exactly 0 and so is the
    // numerator; the direction is undefined and reads 0.
    const CAstronomy sky(WorkedInstant);
    const double siderealAngle = 360.0 * CAstronomy::DayFraction(sky.LocalSiderealTime(WorkedInstant));
    const double latitude = planova::observer::Latitude;
    EXPECT_EQ(sky.Azimuth(siderealAngle, latitude), 0.0);
    EXPECT_FALSE(std::signbit(sky.Azimuth(siderealAngle, latitude)));
    EXPECT_NEAR(sky.Altitude(siderealAngle, latitude), 90.0, 1e-5); // asin is steep at 90°
}

TEST(CAstronomyTest, TheSunCulminatesDueSouthAtNinetyMinusLatitudePlusDeclination)
{
    // At the June solstice of 2024 the sun crosses the meridian of 139.54° E at about 11:43:30.
    const DateTime noon = Local(2024, 6, 21, 11, 43, 30);
    const CAstronomy sky(noon);
    const double lambda = sky.SunLongitude(noon);
    const double alpha = sky.RightAscension(lambda, 0.0);
    const double delta = sky.Declination(lambda, 0.0);
    EXPECT_NEAR(delta, 23.44, 0.01);
    EXPECT_NEAR(sky.Azimuth(alpha, delta), 180.0, 0.5);
    EXPECT_NEAR(sky.Altitude(alpha, delta), 90.0 - planova::observer::Latitude + delta, 0.01);

    // Twelve hours later it is as far below the northern horizon.
    const DateTime midnight = Local(2024, 6, 21, 23, 43, 30);
    const CAstronomy night(midnight);
    const double azimuth = night.Azimuth(alpha, delta);
    EXPECT_LT(std::min(azimuth, 360.0 - azimuth), 0.5) << azimuth;
    EXPECT_NEAR(night.Altitude(alpha, delta), -(90.0 - planova::observer::Latitude - delta), 0.05);
}
