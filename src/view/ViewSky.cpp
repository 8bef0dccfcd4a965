#include "view/ViewSky.h"

#include "model/FixedTexts.h"

// Provisional until the sky calculators are merged.
namespace planova {

RhythmMarkers RhythmMarkersOn(const CPlanovaDoc&, const DateTime&)
{
    return RhythmMarkers{{Cp932Literal("▲"), Cp932Literal("■"), Cp932Literal("▼")},
                         {Rgb{0, 0, 255}, Rgb{255, 0, 0}, Rgb{0, 255, 0}}};
}

std::array<int, 3> RhythmStatesOn(const CPlanovaDoc&, const DateTime&)
{
    return {0, 0, 0};
}

double MoonAgeAt21On(const DateTime&)
{
    return 0.0;
}

} // namespace planova
