#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace planova::sky {

/// The five planets of the read-out, in the order they are shown.
enum class Planet
{
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn
};

inline constexpr std::size_t PlanetCount = 5;
inline constexpr std::array<Planet, PlanetCount> AllPlanets{Planet::Mercury, Planet::Venus, Planet::Mars,
                                                            Planet::Jupiter, Planet::Saturn};

/// Heliocentric ecliptic longitude L and latitude B in degrees, radius vector R in astronomical units.
struct HeliocentricPosition
{
    double L = 0.0;
    double B = 0.0;
    double R = 0.0;
};

/**
 * The planet's heliocentric position from its truncated series, referred to the ecliptic and
 * equinox of the date.
 *
 * @param t Julian centuries from J2000.0 (2000-01-01 12:00 UT).
 * @return L and B as summed (not reduced to 0 ... 360), R in astronomical units.
 */
HeliocentricPosition PlanetSeriesAt(Planet planet, double t);

/// The planet's Japanese name ("水星", "金星", "火星", "木星", "土星") as code page 932 bytes.
const std::string& PlanetName(Planet planet);

} // namespace planova::sky
