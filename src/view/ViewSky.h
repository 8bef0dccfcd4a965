#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "view/DayDrawing.h"

#include <array>

namespace planova {

/// The biorhythm markers after a drawn date, for the document's birthday.
RhythmMarkers RhythmMarkersOn(const CPlanovaDoc& document, const DateTime& date);

/// The states 0–3 of the physical, emotional and intellectual rhythm on a date.
std::array<int, 3> RhythmStatesOn(const CPlanovaDoc& document, const DateTime& date);

/// The moon's age at 21:00 of the day, for the program's observer in Japan.
double MoonAgeAt21On(const DateTime& day);

} // namespace planova
