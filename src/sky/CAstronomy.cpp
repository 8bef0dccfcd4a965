#include "sky/CAstronomy.h"

#include "sky/AngleMath.h"
#include "sky/SunMoonSeries.h"

#include <algorithm>
#include <cmath>

namespace planova {
namespace {

using sky::Deg;
using sky::Rad;

constexpr double SecondsPerDay = 86400.0;

/// The moon gains on the sun by this many degrees a day on average.
constexpr double MoonSynodicRate = 12.1908;
/// The search for the new moon stops when the two longitudes agree this closely (degrees).
constexpr double NewMoonTolerance = 0.05;
/// It converges in a handful of steps; the bound only guards the user interface against a hang.
constexpr int MaxNewMoonSteps = 50;

double Sin(double degrees)
{
    return std::sin(degrees * Rad);
}

double Cos(double degrees)
{
    return std::cos(degrees * Rad);
}

/// A longitude difference reduced to -180 < d <= 180.
double SignedDifference(double delta)
{
    delta = CAstronomy::Normalize360(delta);
    return delta > 180.0 ? delta - 360.0 : delta;
}

/// Days rounded to whole seconds, halves away from zero.
double RoundToWholeSeconds(double days)
{
    const double half = std::copysign(0.5 / SecondsPerDay, days);
    return std::trunc((days + half) * SecondsPerDay) / SecondsPerDay;
}

/// The Cartesian sum of the earth-to-sun and the sun-to-planet vectors.
struct EarthToPlanet
{
    double X, Y, Z;
};

EarthToPlanet Sum(double sunLongitude, double sunLatitude, double sunDistance,
                  const sky::HeliocentricPosition& p)
{
    return {sunDistance * Cos(sunLatitude) * Cos(sunLongitude) + p.R * Cos(p.B) * Cos(p.L),
            sunDistance * Cos(sunLatitude) * Sin(sunLongitude) + p.R * Cos(p.B) * Sin(p.L),
            sunDistance * Sin(sunLatitude) + p.R * Sin(p.B)};
}

} // namespace

CAstronomy::CAstronomy(const DateTime& referenceInstant) : Reference(referenceInstant)
{
    Obliquity = 23.439291 - 0.000130042 * JulianYears(Reference);
    ReferenceSidereal = LocalSiderealTime(Reference);
    SiderealAngle = 360.0 * DayFraction(ReferenceSidereal);
    SinObliquity = Sin(Obliquity);
    CosObliquity = Cos(Obliquity);
    SinLatitude = Sin(ObserverLatitude);
    CosLatitude = Cos(ObserverLatitude);
}

double CAstronomy::Normalize360(double x)
{
    // fmod is exact, so this equals subtracting or adding 360 until |x| < 360; unlike such a loop
    // it also ends for huge or infinite values.
    double reduced = std::fmod(x, 360.0);
    if (reduced < 0.0)
        reduced += 360.0;
    // A tiny negative x rounds up to 360 itself; -0 becomes 0.
    return reduced >= 360.0 ? 0.0 : reduced + 0.0;
}

double CAstronomy::JulianDay(const DateTime& instant)
{
    int y = instant.Year();
    int m = instant.Month();
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    double b = 0.0;
    static const double gregorianStart = DateTime::FromDate(1582, 10, 15).DayNumber();
    if (instant.DayNumber() >= gregorianStart) {
        const double a = std::trunc(y / 100.0);
        b = 2.0 - a + std::trunc(a / 4.0);
    }
    const double c = std::trunc(365.25 * y);
    const double d = std::trunc(30.6001 * (m + 1));
    return d + 1720994.5 + instant.Day() + c + b + instant.Hour() / 24.0 + instant.Minute() / 1440.0 +
           instant.Second() / SecondsPerDay;
}

DateTime CAstronomy::ToUniversalTime(const DateTime& instant) const
{
    if (!instant.IsValid())
        return DateTime::Invalid();
    return DateTime::FromDayNumber(instant.DayNumber() - std::trunc(TimeZoneOffset) / 24.0);
}

double CAstronomy::JulianYears(const DateTime& instant) const
{
    static const double j2000 = JulianDay(DateTime::FromDateTime(2000, 1, 1, 12, 0, 0));
    return (JulianDay(ToUniversalTime(instant)) - j2000) / 365.25;
}

DateTime CAstronomy::LocalSiderealTime(const DateTime& instant) const
{
    const double T = JulianYears(instant);
    const double clockHours = instant.Hour() + instant.Minute() / 60.0 + instant.Second() / 3600.0;
    const double theta = Normalize360(360.0 * clockHours / 24.0 + 100.4606 + 360.007700536 * T +
                                      0.00000003879 * T * T - 15.0 * TimeZoneOffset + ObserverLongitude);
    if (!std::isfinite(theta))
        return DateTime::Invalid();
    // Truncation at each step, as a sidereal clock reading; the bounds only catch rounding.
    const int hours = static_cast<int>(theta * 24.0 / 360.0);
    const double rest = theta - hours * 360.0 / 24.0;
    const int minutes = std::min(59, static_cast<int>(rest * 60.0 / 15.0));
    const int seconds = std::min(59, static_cast<int>((rest - minutes * 15.0 / 60.0) * 60.0 * 60.0 / 15.0));
    return DateTime::FromDateTime(Reference.Year(), Reference.Month(), Reference.Day(), std::min(23, hours),
                                  minutes, seconds);
}

double CAstronomy::DayFraction(const DateTime& instant)
{
    return (instant.Hour() + instant.Minute() / 60.0 + instant.Second() / 3600.0) / 24.0;
}

double CAstronomy::SunLongitude(const DateTime& instant) const
{
    return Normalize360(sky::SunLongitudeSeries(JulianYears(instant)));
}

double CAstronomy::SunDistance(const DateTime& instant) const
{
    return sky::SunDistanceSeries(JulianYears(instant));
}

double CAstronomy::MoonLongitude(const DateTime& instant) const
{
    return Normalize360(sky::MoonLongitudeSeries(JulianYears(instant)));
}

double CAstronomy::MoonLatitude(const DateTime& instant) const
{
    return Normalize360(sky::MoonLatitudeSeries(JulianYears(instant)));
}

double CAstronomy::MoonAge(const DateTime& instant) const
{
    if (!instant.IsValid())
        return 0.0;
    return MoonAge(instant, MoonLongitude(instant), SunLongitude(instant));
}

double CAstronomy::MoonAge(const DateTime& instant, double moonLongitude, double sunLongitude) const
{
    if (!instant.IsValid())
        return 0.0;
    DateTime newMoon = instant;
    double delta = 100.0;
    for (int step = 0; std::fabs(delta) > NewMoonTolerance && step < MaxNewMoonSteps; ++step) {
        if (step == 0) {
            delta = moonLongitude - sunLongitude;
        } else {
            // MoonLongitude(newMoon) - SunLongitude(newMoon), with the time argument worked out once.
            const double T = JulianYears(newMoon);
            delta = Normalize360(sky::MoonLongitudeSeries(T)) - Normalize360(sky::SunLongitudeSeries(T));
        }
        // The first step goes back to the new moon before the instant (a moon still behind the sun
        // belongs to the cycle that is ending). Later steps take the shorter way round, so that a
        // new moon near longitude 0, where one longitude wraps before the other, is not missed.
        delta = step == 0 ? Normalize360(delta) : SignedDifference(delta);
        newMoon = DateTime::FromDayNumber(newMoon.DayNumber() - delta / MoonSynodicRate);
    }
    return RoundToWholeSeconds(instant.DayNumber() - newMoon.DayNumber());
}

CAstronomy::Equatorial CAstronomy::ToEquatorial(double lambda, double beta) const
{
    const double sinLambda = Sin(lambda);
    const double cosLambda = Cos(lambda);
    const double sinBeta = Sin(beta);
    const double cosBeta = Cos(beta);
    const double numerator = CosObliquity * sinLambda * cosBeta - SinObliquity * sinBeta;
    const double denominator = cosLambda * cosBeta;
    return {Normalize360(sky::QuadrantAngle(numerator, denominator)),
            sky::ArcSineDegrees(sinBeta * CosObliquity + cosBeta * SinObliquity * sinLambda)};
}

CAstronomy::Horizontal CAstronomy::ToHorizontal(double alpha, double delta) const
{
    const double h = HourAngle(alpha);
    const double sinH = Sin(h);
    const double cosH = Cos(h);
    const double sinDelta = Sin(delta);
    const double cosDelta = Cos(delta);
    const double denominator = CosLatitude * sinDelta - SinLatitude * cosDelta * cosH;
    const double azimuth = sky::QuadrantAngle(-cosDelta * sinH, denominator);
    return {azimuth < 0.0 ? azimuth + 360.0 : azimuth,
            sky::ArcSineDegrees(sinDelta * SinLatitude + cosDelta * CosLatitude * cosH)};
}

double CAstronomy::RightAscension(double lambda, double beta) const
{
    return ToEquatorial(lambda, beta).Alpha;
}

double CAstronomy::Declination(double lambda, double beta) const
{
    return ToEquatorial(lambda, beta).Delta;
}

double CAstronomy::HourAngle(double alpha) const
{
    return SiderealAngle - alpha;
}

double CAstronomy::Azimuth(double alpha, double delta) const
{
    return ToHorizontal(alpha, delta).Azimuth;
}

double CAstronomy::Altitude(double alpha, double delta) const
{
    return ToHorizontal(alpha, delta).Altitude;
}

std::array<sky::HeliocentricPosition, sky::PlanetCount>
CAstronomy::PlanetSeries(const DateTime& instant) const
{
    const double t = JulianYears(instant) / 100.0;
    std::array<sky::HeliocentricPosition, sky::PlanetCount> positions;
    for (const sky::Planet planet : sky::AllPlanets) {
        const sky::HeliocentricPosition p = sky::PlanetSeriesAt(planet, t);
        positions[static_cast<std::size_t>(planet)] = {Normalize360(p.L), Normalize360(p.B), p.R};
    }
    return positions;
}

std::array<double, 2> CAstronomy::Geocentric(double sunLongitude, double sunLatitude, double sunDistance,
                                             const sky::HeliocentricPosition& planet)
{
    const EarthToPlanet v = Sum(sunLongitude, sunLatitude, sunDistance, planet);
    return {sky::QuadrantAngle(v.Y, v.X), sky::QuadrantAngle(v.Z, std::sqrt(v.X * v.X + v.Y * v.Y))};
}

double CAstronomy::GeocentricLongitude(double sunLongitude, double sunLatitude, double sunDistance,
                                       const sky::HeliocentricPosition& planet)
{
    return Geocentric(sunLongitude, sunLatitude, sunDistance, planet)[0];
}

double CAstronomy::GeocentricLatitude(double sunLongitude, double sunLatitude, double sunDistance,
                                      const sky::HeliocentricPosition& planet)
{
    return Geocentric(sunLongitude, sunLatitude, sunDistance, planet)[1];
}

} // namespace planova
