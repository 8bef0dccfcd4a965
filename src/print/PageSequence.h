#pragma once

#include "model/DateTime.h"

namespace planova {

/// How the first date moves from one printed page to the next.
enum class PageStep
{
    None,  ///< one page (year planner, memo sheet, ToDo table)
    Day,   ///< one day per page (day planner)
    Week,  ///< seven days per page (week planner)
    Month, ///< one month per page (month planner)
};

/**
 * The number of pages of a job from its first to its last date: days + 1, whole weeks of the span
 * + 1, or the months touched; 1 for PageStep::None. 0 when a date is invalid or the last date lies
 * before the first (nothing to print).
 */
int PageCount(PageStep step, const DateTime& first, const DateTime& last);

/**
 * The date of page n (1-based) of a job that starts on `first`: n − 1 steps later; from page 2 on
 * a month page starts on the 1st of its month. Pages may be asked for in any order.
 */
DateTime PageDate(PageStep step, const DateTime& first, int page);

} // namespace planova
