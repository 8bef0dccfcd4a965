#pragma once

#include "model/CPlanovaDoc.h"

#include <string>
#include <string_view>

namespace planova::test {

/**
 * Reads a data file text by the plain lookup rules, every field with FindElement, as a yardstick
 * for the single-pass reader. Throws DataFileError where the file reader must fail.
 */
CPlanovaDoc ReadDataTextByLookup(std::string_view text);

/// The first difference between two documents' days, ToDo items and settings; empty when equal.
std::string DocumentDifference(const CPlanovaDoc& expected, const CPlanovaDoc& actual);

} // namespace planova::test
