#pragma once

#include "model/CDayData.h"

#include <string_view>

namespace planova {

/**
 * Reads one day element's value into a copy of the blank record. Lookups follow the data file's
 * rules: each field is the first element of its name in the day (rows: the j-th YoteiSet), its
 * value running to the first closing tag of that name. A row number outside 0–9 throws DataFileError.
 *
 * Days written in the usual element order are read in one pass; any other day (elements missing,
 * repeated, reordered or extra) is read with the literal lookups, which give the same result.
 */
CDayData ReadDayText(std::string_view dayText, const CDayData& blank);

/// The same result as ReadDayText, always by the literal lookups (FindElement for every field).
CDayData ReadDayTextByLookup(std::string_view dayText, const CDayData& blank);

} // namespace planova
