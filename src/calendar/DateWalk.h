#pragma once

#include "model/DateTime.h"

#include <chrono>

namespace planova {

/**
 * Calls visit(date) for every calendar date from the date of `first` to the date of `last`,
 * both included, in ascending order; each date is passed at 00:00. The time of day of the
 * two ends is ignored. Nothing is visited when either end is invalid or `last` is before `first`.
 */
template <typename Visit> void ForEachDate(const DateTime& first, const DateTime& last, Visit visit)
{
    if (!first.IsValid() || !last.IsValid())
        return;
    const std::chrono::sys_days end = last.ToSysDays();
    for (std::chrono::sys_days day = first.ToSysDays(); day <= end; day += std::chrono::days{1})
        visit(DateTime::FromSysDays(day));
}

/// Like ForEachDate, from the date of `last` down to the date of `first`.
template <typename Visit> void ForEachDateDescending(const DateTime& first, const DateTime& last, Visit visit)
{
    if (!first.IsValid() || !last.IsValid())
        return;
    const std::chrono::sys_days begin = first.ToSysDays();
    for (std::chrono::sys_days day = last.ToSysDays(); day >= begin; day -= std::chrono::days{1})
        visit(DateTime::FromSysDays(day));
}

} // namespace planova
