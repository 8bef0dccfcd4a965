// Checks the truncated series against independent worked examples of a standard textbook of
// positional astronomy (docs/astronomy.md names them). The examples are given in dynamical time
// at the Julian ephemeris day JDE, so the series are evaluated directly at that time argument.

#include "sky/CAstronomy.h"
#include "sky/PlanetSeries.h"
#include "sky/SunMoonSeries.h"

#include <gtest/gtest.h>

namespace {

using planova::CAstronomy;
using namespace planova::sky;

constexpr double J2000 = 2451545.0;

double JulianYearsAt(double jde)
{
    return (jde - J2000) / 365.25;
}

} // namespace

// The sun on 1992 October 13 0h TD (JDE 2448908.5): apparent longitude 199°54′21.818″ =
// 199.906061° (mean equinox of the date, with nutation and aberration, as our series gives it),
// distance 0.99760775 AU.
// The series keeps every term down to 0.0003°; the terms it leaves out and the rounding of the
// coefficients to four decimals stay well below 0.002°. Its distance is a power of ten of a
// series truncated at 0.000007, a relative error of about 1.6e-5.
TEST(SeriesReferenceTest, SunOn1992October13)
{
    const double T = JulianYearsAt(2448908.5);
    EXPECT_NEAR(CAstronomy::Normalize360(SunLongitudeSeries(T)), 199.906061, 0.002);
    EXPECT_NEAR(SunDistanceSeries(T), 0.99760775, 0.00002);
}

// The moon on 1992 April 12 0h TD (JDE 2448724.5): apparent longitude 133.167265° (geometric
// 133.162655° plus the nutation 0.004610°, which our series includes), latitude −3.229126°.
// With some sixty terms down to 0.0003°, the hundreds of smaller terms of the full lunar theory
// that are left out amount to a few thousandths of a degree: 0.005° in longitude, 0.003° in latitude.
TEST(SeriesReferenceTest, MoonOn1992April12)
{
    const double T = JulianYearsAt(2448724.5);
    EXPECT_NEAR(CAstronomy::Normalize360(MoonLongitudeSeries(T)), 133.167265, 0.005);
    EXPECT_NEAR(MoonLatitudeSeries(T), -3.229126, 0.003);
}

// Venus on 1992 December 20 0h TD (JDE 2448976.5), heliocentric from the complete planetary
// theory: L = 26.11428°, B = −2.62070°, R = 0.724603 AU. The leading terms alone are off by about
// 0.007° in L; with the further terms the series is within the size of the terms left out.
TEST(SeriesReferenceTest, VenusOn1992December20)
{
    const double t = (2448976.5 - J2000) / 36525.0;
    const HeliocentricPosition venus = PlanetSeriesAt(Planet::Venus, t);
    EXPECT_NEAR(CAstronomy::Normalize360(venus.L), 26.11428, 0.003);
    EXPECT_NEAR(venus.B, -2.62070, 0.0003);
    EXPECT_NEAR(venus.R, 0.724603, 0.000005);
}
