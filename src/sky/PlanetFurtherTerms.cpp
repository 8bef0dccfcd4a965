#include "sky/PlanetFurtherTerms.h"

namespace planova::sky {

std::span<const PeriodicTerm> PlanetFurtherTerms(Planet, PlanetQuantity)
{
    return {};
}

} // namespace planova::sky
