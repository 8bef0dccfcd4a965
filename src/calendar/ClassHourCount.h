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
 * count per name, all 0 when `last` is before `first` or a date is invalid. The stored days are
 * read; a day without a record counts nothing. The document is not changed.
 */
std::vector<int> CountClassHours(const CPlanovaDoc& document, std::span<const std::string> classNames,
                                 const DateTime& first, const DateTime& last);

/// The period of a count: the given dates, an invalid one replaced by the document's stored start or end.
struct ClassHourPeriod
{
    DateTime First;
    DateTime Last;
};
ClassHourPeriod CountingPeriod(const CPlanovaDoc& document, const DateTime& first = {},
                               const DateTime& last = {});

} // namespace planova
