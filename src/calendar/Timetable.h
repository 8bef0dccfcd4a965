#pragma once

#include "model/CDayData.h"
#include "model/CPlanovaDoc.h"

#include <array>
#include <string>

namespace planova {

/**
 * Writes the weekly timetable into the plans of the day's rows labelled exactly "①" … "⑥":
 * the text of the day's weekday (Monday … Saturday) and that period replaces the plan when
 * `overwrite` is on and is appended to it directly (no separator) when off. Rows with any other
 * label, and every row of a Sunday, stay as they are.
 */
void InsertTimetable(CDayData& day, const std::array<std::string, CPlanovaDoc::JikannwariCount>& timetable,
                     bool overwrite);

} // namespace planova
