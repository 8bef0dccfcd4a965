#pragma once

namespace planova::sky {

// Truncated series of the sun and the moon in T, Julian years from J2000.0 (2000-01-01 12:00 UT).
// The angles are returned as summed, not reduced to 0 ... 360.

/// The sun's ecliptic longitude in degrees.
double SunLongitudeSeries(double T);

/// The sun's distance from the earth in astronomical units.
double SunDistanceSeries(double T);

/// The moon's ecliptic longitude in degrees.
double MoonLongitudeSeries(double T);

/// The moon's ecliptic latitude in degrees (negative south of the ecliptic).
double MoonLatitudeSeries(double T);

} // namespace planova::sky
