#pragma once

#include "model/DateTime.h"
#include "sky/PlanetSeries.h"

#include <array>
#include <string>

namespace planova::sky {

/// Where a planet stands, seen from the earth and from the observer.
struct PlanetReadout
{
    double GeocentricLongitude = 0.0; ///< degrees, -90 ... 270 as computed (not reduced)
    double GeocentricLatitude = 0.0;  ///< degrees
    double Azimuth = 0.0;             ///< degrees from north through east
    double Altitude = 0.0;            ///< degrees, negative below the horizon
};

/**
 * The sky at one instant for the fixed observer: the values the information pane shows
 * (named as its fields) and the intermediate positions the command line prints as well.
 * Angles in degrees, distances in astronomical units, ages in days.
 */
struct SkyReadout
{
    std::string SolarTimeText;    ///< local clock time, e.g. "21:00:00" or "9:05:03"
    std::string SiderealTimeText; ///< local sidereal time, same form
    double JulianDayNow = 0.0;
    double SunLongitudeNow = 0.0;
    double SunDistanceNow = 0.0;
    double SunAzimuthNow = 0.0;
    double SunAltitudeNow = 0.0;
    double MoonLongitudeNow = 0.0;
    double MoonLatitudeNow = 0.0; ///< 0 ... 360: a southern latitude β is 360 + β
    double MoonAzimuthNow = 0.0;
    double MoonAltitudeNow = 0.0;
    double MoonAgeNow = 0.0;
    std::array<PlanetReadout, PlanetCount> Planets{}; ///< in Planet order

    /// Azimuth and altitude of each planet in Planet order: the ten values of the pane's planet fields.
    std::array<double, 2 * PlanetCount> PlanetAzAlt() const;
};

/**
 * Computes the whole read-out for the instant `now` (local civil time of the observer's zone,
 * whole seconds). Pure: reads no clock, allocates only the two short texts.
 */
SkyReadout ComputeSkyReadout(const DateTime& now);

/// The moon's age in days at 21:00:00 local time of the day of `day` (0 when `day` is invalid).
double MoonAgeAt21(const DateTime& day);

/// The clock time of a date-time in the Japanese form: hours without a leading zero, "9:05:03"; "" when
/// invalid.
std::string FormatTimeOfDay(const DateTime& instant);

/// A read-out number as the pane shows it: up to 15 significant digits, shortest form ("%.15g").
std::string FormatReadoutNumber(double value);

/**
 * A read-out number rounded to what its field shows: at most `decimals` decimals, trailing zeros
 * dropped ("341.391", "2460371.0417", "2460371"); a value that rounds to zero is "0", never "-0".
 */
std::string FormatRoundedReadout(double value, int decimals);

} // namespace planova::sky
