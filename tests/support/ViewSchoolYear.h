#pragma once

#include "model/CPlanovaDoc.h"

namespace planova::test {

/**
 * Fills the document with one school year of a junior high school teacher's planner, from
 * 1 April of startYear to 31 March of the next year: school days with their time-table kind,
 * events, ten period rows of plans and lesson contents (some coloured), memos, national
 * holidays and vacations. Realistic texts, deterministic.
 */
void AddSchoolYear(CPlanovaDoc& document, int startYear);

/// A handful of ToDo items around the given school year: overdue, due later, routine ("R1") and project
/// ("PJ") items.
void AddSchoolToDos(CPlanovaDoc& document, int startYear);

/// A document with `years` school years from startYear on, the ToDo list of the last one and a birthday.
CPlanovaDoc SchoolYearDocument(int startYear, int years = 1);

} // namespace planova::test
