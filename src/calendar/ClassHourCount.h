#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <span>
#include <string>
#include <vector>

namespace planova {

/**
 * Counts class hours: for each class name, the number of period rows from `first` to `last`
 * (both included, whatever the day's kind) whose plan is exactly that name, byte for byte.
 * An empty name counts nothing; a name given twice is counted for both entries. Returns one
 * count per name, all 0 when `last` is before `first` or a date is invalid. Days are read with
 * LoadDay; the working day is given back exactly as it was, and nothing is stored.
 */
std::vector<int> CountClassHours(CPlanovaDoc& document, std::span<const std::string> classNames,
                                 const DateTime& first, const DateTime& last);

} // namespace planova
