#include "sky/SkyReadout.h"

#include "sky/CAstronomy.h"

#include <gtest/gtest.h>

using planova::DateTime;
using namespace planova::sky;

namespace {

const DateTime WorkedInstant = DateTime::FromDateTime(2024, 3, 1, 21, 0, 0);

} // namespace

TEST(SkyReadoutTest, WorkedInstantAsThePaneShowsIt)
{
    const SkyReadout r = ComputeSkyReadout(WorkedInstant);
    EXPECT_EQ(r.SolarTimeText, "21:00:00");
    EXPECT_EQ(r.SiderealTimeText, "7:57:17");
    EXPECT_EQ(FormatReadoutNumber(r.JulianDayNow), "2460371");
    EXPECT_NEAR(r.SunLongitudeNow, 341.39, 0.005);
    EXPECT_NEAR(r.SunDistanceNow, 0.99095, 0.000005);
    EXPECT_NEAR(r.MoonLongitudeNow, 226.58, 0.005);
    EXPECT_NEAR(r.MoonAgeNow, 20.54, 0.005);
    // At 21:00 in March the sun is well below the horizon, with its sign.
    EXPECT_NEAR(r.SunAltitudeNow, -41.18, 0.01);
    EXPECT_EQ(FormatReadoutNumber(r.SunAltitudeNow).substr(0, 8), "-41.1773");

    const double longitudes[] = {343.3, 317.1, 313.3, 41.4, 340.0};
    const auto azAlt = r.PlanetAzAlt();
    for (std::size_t k = 0; k < PlanetCount; ++k) {
        EXPECT_NEAR(planova::CAstronomy::Normalize360(r.Planets[k].GeocentricLongitude), longitudes[k], 0.05)
            << k;
        EXPECT_EQ(azAlt[2 * k], r.Planets[k].Azimuth);
        EXPECT_EQ(azAlt[2 * k + 1], r.Planets[k].Altitude);
        EXPECT_GE(r.Planets[k].Azimuth, 0.0);
        EXPECT_LT(r.Planets[k].Azimuth, 360.0);
    }
    // Jupiter is the one planet above the western horizon that evening.
    EXPECT_GT(r.Planets[static_cast<std::size_t>(Planet::Jupiter)].Altitude, 0.0);
}

TEST(SkyReadoutTest, SameInstantSameReadout)
{
    const SkyReadout a = ComputeSkyReadout(WorkedInstant);
    const SkyReadout b = ComputeSkyReadout(WorkedInstant);
    EXPECT_EQ(a.SiderealTimeText, b.SiderealTimeText);
    EXPECT_EQ(a.MoonAgeNow, b.MoonAgeNow);
    EXPECT_EQ(a.PlanetAzAlt(), b.PlanetAzAlt());
}

TEST(SkyReadoutTest, SharedWorkGivesTheSameValuesAsEachQuantityAlone)
{
    // The readout hands its longitudes to the new-moon search instead of computing them again; the
    // moon's age must come out bit for bit as the search on its own gives it: near a new moon (a
    // few hours either side, where the first step decides the cycle), at a full moon and across
    // the turn of a year.
    for (const DateTime& instant :
         {WorkedInstant, DateTime::FromDateTime(2024, 3, 10, 14, 0, 0),
          DateTime::FromDateTime(2024, 3, 10, 18, 0, 0), DateTime::FromDateTime(2024, 3, 10, 22, 0, 0),
          DateTime::FromDateTime(2024, 3, 25, 16, 0, 0), DateTime::FromDateTime(2024, 12, 31, 23, 59, 59)}) {
        const planova::CAstronomy sky(instant);
        const SkyReadout r = ComputeSkyReadout(instant);
        EXPECT_EQ(r.SunLongitudeNow, sky.SunLongitude(instant)) << FormatTimeOfDay(instant);
        EXPECT_EQ(r.MoonLongitudeNow, sky.MoonLongitude(instant)) << FormatTimeOfDay(instant);
        EXPECT_EQ(r.MoonAgeNow, sky.MoonAge(instant))
            << instant.Month() << "/" << instant.Day() << " " << FormatTimeOfDay(instant);
    }
}

TEST(SkyReadoutTest, MoonAgeAt21FollowsTheDayNotTheClock)
{
    EXPECT_NEAR(MoonAgeAt21(DateTime::FromDate(2024, 3, 1)), 20.54, 0.005);
    EXPECT_EQ(MoonAgeAt21(DateTime::FromDateTime(2024, 3, 1, 7, 30, 0)),
              MoonAgeAt21(DateTime::FromDate(2024, 3, 1)));
    EXPECT_NEAR(MoonAgeAt21(DateTime::FromDate(2024, 3, 10)), 0.12, 0.005); // new moon at 18:00 that day
    EXPECT_EQ(MoonAgeAt21(DateTime::Invalid()), 0.0);
}

TEST(SkyReadoutTest, ClockTextsHaveNoLeadingZeroInTheHour)
{
    struct Case
    {
        DateTime instant;
        const char* expected;
    };
    for (const Case& c :
         {Case{DateTime::FromDateTime(2024, 3, 1, 9, 5, 3), "9:05:03"},
          Case{DateTime::FromDateTime(2024, 3, 1, 0, 0, 0), "0:00:00"},
          Case{DateTime::FromDateTime(2024, 3, 1, 23, 59, 59), "23:59:59"}, Case{DateTime::Invalid(), ""}})
        EXPECT_EQ(FormatTimeOfDay(c.instant), c.expected);
}

TEST(SkyReadoutTest, NumbersWithFifteenSignificantDigits)
{
    struct Case
    {
        double value;
        const char* expected;
    };
    for (const Case& c : {Case{2460371.0, "2460371"}, Case{2460371.0416666665, "2460371.04166667"},
                          Case{341.3907330619586, "341.390733061959"},
                          Case{-41.177385081872224, "-41.1773850818722"}, Case{0.0, "0"}})
        EXPECT_EQ(FormatReadoutNumber(c.value), c.expected);
}

TEST(SkyReadoutTest, NumbersRoundedToTheirField)
{
    struct Case
    {
        double value;
        int decimals;
        const char* expected;
    };
    for (const Case& c : {
             Case{2460371.0416666665, 4, "2460371.0417"}, // the Julian day to four decimals
             Case{2460371.0, 4, "2460371"},               // trailing zeros dropped, and the point
             Case{341.3907330619586, 3, "341.391"},       // angles to three: rounded, not cut
             Case{-41.177385081872224, 3, "-41.177"},
             Case{359.9996, 3, "360"}, // rounding carries into the whole degrees
             Case{-0.0004, 3, "0"},    // no "-0" for an altitude on the horizon
             Case{20.5, 3, "20.5"},
         })
        EXPECT_EQ(FormatRoundedReadout(c.value, c.decimals), c.expected) << c.value;
}
