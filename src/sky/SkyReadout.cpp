#include "sky/SkyReadout.h"

#include "sky/CAstronomy.h"

#include <cstdio>

namespace planova::sky {
namespace {

/// Ecliptic position to azimuth and altitude at the calculator's reference instant.
CAstronomy::Horizontal ToHorizontal(const CAstronomy& sky, double lambda, double beta)
{
    const CAstronomy::Equatorial equatorial = sky.ToEquatorial(lambda, beta);
    return sky.ToHorizontal(equatorial.Alpha, equatorial.Delta);
}

} // namespace

std::array<double, 2 * PlanetCount> SkyReadout::PlanetAzAlt() const
{
    std::array<double, 2 * PlanetCount> values{};
    for (std::size_t k = 0; k < PlanetCount; ++k) {
        values[2 * k] = Planets[k].Azimuth;
        values[2 * k + 1] = Planets[k].Altitude;
    }
    return values;
}

SkyReadout ComputeSkyReadout(const DateTime& now)
{
    const CAstronomy sky(now);
    SkyReadout r;
    r.SolarTimeText = FormatTimeOfDay(now);
    r.SiderealTimeText = FormatTimeOfDay(sky.ReferenceSiderealTime());
    r.JulianDayNow = CAstronomy::JulianDay(sky.ToUniversalTime(now));

    r.SunLongitudeNow = sky.SunLongitude(now);
    r.SunDistanceNow = sky.SunDistance(now);
    const CAstronomy::Horizontal sun = ToHorizontal(sky, r.SunLongitudeNow, 0.0);
    r.SunAzimuthNow = sun.Azimuth;
    r.SunAltitudeNow = sun.Altitude;

    r.MoonLongitudeNow = sky.MoonLongitude(now);
    r.MoonLatitudeNow = sky.MoonLatitude(now);
    const CAstronomy::Horizontal moon = ToHorizontal(sky, r.MoonLongitudeNow, r.MoonLatitudeNow);
    r.MoonAzimuthNow = moon.Azimuth;
    r.MoonAltitudeNow = moon.Altitude;
    r.MoonAgeNow = sky.MoonAge(now, r.MoonLongitudeNow, r.SunLongitudeNow);

    const auto positions = sky.PlanetSeries(now);
    for (std::size_t k = 0; k < PlanetCount; ++k) {
        PlanetReadout& planet = r.Planets[k];
        const auto [longitude, latitude] =
            CAstronomy::Geocentric(r.SunLongitudeNow, 0.0, r.SunDistanceNow, positions[k]);
        planet.GeocentricLongitude = longitude;
        planet.GeocentricLatitude = latitude;
        const CAstronomy::Horizontal where =
            ToHorizontal(sky, planet.GeocentricLongitude, planet.GeocentricLatitude);
        planet.Azimuth = where.Azimuth;
        planet.Altitude = where.Altitude;
    }
    return r;
}

double MoonAgeAt21(const DateTime& day)
{
    if (!day.IsValid())
        return 0.0;
    const DateTime at21 = DateTime::FromDateTime(day.Year(), day.Month(), day.Day(), 21, 0, 0);
    return CAstronomy(at21).MoonAge(at21);
}

std::string FormatTimeOfDay(const DateTime& instant)
{
    if (!instant.IsValid())
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", instant.Hour(), instant.Minute(), instant.Second());
    return text;
}

std::string FormatReadoutNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", 15, value);
    return text;
}

std::string FormatRoundedReadout(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.')
            shown.pop_back();
    }
    return shown == "-0" ? "0" : shown;
}

} // namespace planova::sky
