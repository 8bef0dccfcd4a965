#pragma once

#include "calendar/MonthDay.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

// School holidays that are no national holidays: the day a prefecture or city closes its public
// schools (都民の日, 県民の日, 開港記念日 ...) or a date of the teacher's own list. Each is a month
// and day that comes back every year; it never gives a substitute holiday and takes no part in the
// citizens' rule. docs/holidays.md names the source of each place's day.

/// A school holiday on the same month and day every year.
struct LocalHoliday
{
    MonthDay Date;
    /// The event text (code page 932).
    std::string Name;
    /// The first year the current-law rules mark it (0: every year); the classic rules ignore it.
    int FirstYear = 0;

    friend bool operator==(const LocalHoliday&, const LocalHoliday&) = default;
};

/// A prefecture or city whose public schools close on a day of its own. Texts are UTF-8.
struct LocalHolidayPlace
{
    /// The command line's name of the place ("saitama").
    const char* Key;
    const char* Prefecture;
    /// What the school-year dialog shows: the prefecture itself or a city in it.
    const char* Name;
    MonthDay Date;
    const char* HolidayName;
    /// The year the day was instituted (or its schools first closed on it).
    int FirstYear;

    bool IsCity() const { return std::string_view(Name) != Prefecture; }
};

/// Every place, prefectures in the order of their JIS codes, each city right after its prefecture.
std::span<const LocalHolidayPlace> LocalHolidayPlaces();

/// The place of a key, or nullptr.
const LocalHolidayPlace* FindLocalHolidayPlace(std::string_view key);

/// The key of the place whose day the generator marks unless told otherwise: Tokyo's 都民の日.
inline constexpr std::string_view DefaultLocalHolidayPlace = "tokyo";

/// The place's holiday as the generator takes it.
LocalHoliday HolidayOf(const LocalHolidayPlace& place);

/// The holidays of the default place (都民の日 from 1952).
std::vector<LocalHoliday> DefaultLocalHolidays();

/**
 * The name of the local holiday on that month and day (first one that matches), or nothing;
 * `year` 0 ignores the first years.
 */
std::optional<std::string> LocalHolidayOn(std::span<const LocalHoliday> holidays, int year, MonthDay date);

/**
 * Why the generator refuses a list of local holidays, or empty: a month and day that exist in no
 * year (2/30), an empty name, or a month and day given twice (one of the two names would be lost).
 */
std::string LocalHolidayRefusal(std::span<const LocalHoliday> holidays);

/**
 * The event of a day that is both a national holiday and a local holiday: the national name with
 * the local one after it ("文化の日・開校記念日"), code page 932.
 */
std::string WithLocalHoliday(const std::string& nationalName, const std::string& localName);

} // namespace planova
