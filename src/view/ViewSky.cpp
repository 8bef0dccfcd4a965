#include "view/ViewSky.h"

#include "sky/CBiorhythm.h"
#include "sky/SkyReadout.h"

namespace planova {

namespace {

CBiorhythm RhythmsOn(const CPlanovaDoc& document, const DateTime& date)
{
    CBiorhythm rhythms;
    rhythms.SetDates(DateTime::FromDate(document.BirthdayYear, document.BirthdayMonth, document.BirthdayDay),
                     date);
    return rhythms;
}

} // namespace

RhythmMarkers RhythmMarkersOn(const CPlanovaDoc& document, const DateTime& date)
{
    const CBiorhythm rhythms = RhythmsOn(document, date);
    RhythmMarkers markers;
    for (int k = 0; k < RhythmMarkers::Count; ++k) {
        markers.Text[k] = rhythms.RhythmMarker(k);
        markers.Colour[k] = CBiorhythm::RhythmColour[k];
    }
    return markers;
}

std::array<int, 3> RhythmStatesOn(const CPlanovaDoc& document, const DateTime& date)
{
    const CBiorhythm rhythms = RhythmsOn(document, date);
    return {rhythms.State(0), rhythms.State(1), rhythms.State(2)};
}

double MoonAgeAt21On(const DateTime& day)
{
    return sky::MoonAgeAt21(day);
}

} // namespace planova
