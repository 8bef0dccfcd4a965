#pragma once

#include "model/DateTime.h"

#include <compare>
#include <string>

namespace planova {

/// A month and day without a year, placed into the year of each day that is compared with it.
struct MonthDay
{
    int Month = 1;
    int Day = 1;

    /// That month and day in the year; invalid where it does not exist (29 February of a common year).
    DateTime InYear(int year) const { return DateTime::FromDate(year, Month, Day); }
    /// The month and day exist in some year: 29 February does, 30 February and month 13 do not.
    bool Exists() const { return InYear(2000).IsValid(); }
    /// "4月5日".
    std::string JapaneseText() const { return std::to_string(Month) + "月" + std::to_string(Day) + "日"; }

    static MonthDay Of(const DateTime& date) { return {date.Month(), date.Day()}; }

    friend auto operator<=>(const MonthDay&, const MonthDay&) = default;
};

} // namespace planova
