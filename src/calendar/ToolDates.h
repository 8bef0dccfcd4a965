#pragma once

#include "model/DateTime.h"
#include "model/Outcome.h"

#include <string>

namespace planova {

/// "2025年4月1日"; "（日付なし）" for an invalid date.
std::string JapaneseDate(const DateTime& date);

/**
 * The Japanese reason why start and end do not form a date range (an invalid date, or the start
 * after the end); empty when they do. Equal dates are a range of one day.
 */
std::string DateRangeRefusal(const DateTime& start, const DateTime& end);

} // namespace planova
