#pragma once

#include "sky/PeriodicSeries.h"
#include "sky/PlanetSeries.h"

#include <span>

namespace planova::sky {

enum class PlanetQuantity
{
    Longitude,
    Latitude,
    Radius
};

/// The small periodic terms of a planet's series that follow its leading terms (cosine terms in t).
std::span<const PeriodicTerm> PlanetFurtherTerms(Planet planet, PlanetQuantity quantity);

} // namespace planova::sky
