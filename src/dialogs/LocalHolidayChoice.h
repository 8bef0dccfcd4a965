#pragma once

#include "calendar/LocalHolidays.h"

#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// Where the school holidays of "地域の休日" come from.
enum class LocalHolidaySource
{
    None,
    /// The day of one prefecture or city (LocalHolidayPlaces).
    Place,
    /// The teacher's own list of dates with names.
    OwnDates,
};

/// The choice "地域の休日" of the dialog "データの自動作成", remembered per user.
struct LocalHolidayChoice
{
    LocalHolidaySource Source = LocalHolidaySource::Place;
    /// The place's key (used when Source is Place).
    std::string Place{DefaultLocalHolidayPlace};
    /**
     * The own dates as typed (UTF-8), one "MM-DD 名前" a line, used when Source is OwnDates and kept
     * whatever the source, so that choosing them again finds them.
     */
    std::string OwnDates;

    friend bool operator==(const LocalHolidayChoice&, const LocalHolidayChoice&) = default;
};

/// The name a choice is stored under: "none", the place's key, or "own".
std::string StoredName(const LocalHolidayChoice& choice);

/**
 * The choice stored under the name with those own dates; the default choice (Tokyo) for a name that is
 * none of StoredName's (never stored, or written by another program).
 */
LocalHolidayChoice StoredLocalHolidayChoice(std::string_view name, std::string ownDates);

/// A line of the list "地域の休日": none, a place, a prefecture heading over its cities, or own dates.
struct LocalHolidayItem
{
    /// What the list shows (UTF-8).
    std::string Text;
    LocalHolidaySource Source = LocalHolidaySource::None;
    /// The place's key for a place; empty otherwise.
    std::string Place;
    /// A prefecture's name over its cities: shown, never chosen.
    bool Heading = false;
};

/**
 * "なし", the places grouped by prefecture (a prefecture without a day of its own heads its cities,
 * which are indented), and "自分で指定する" last.
 */
std::vector<LocalHolidayItem> LocalHolidayItems();

/// The index among LocalHolidayItems of what the choice selects (the default place for an unknown place).
int LocalHolidayItemIndex(const LocalHolidayChoice& choice);

/// What the empty own-dates field shows: the form and an example.
constexpr const char* OwnHolidaysHint = "1行に1日ずつ「MM-DD 名前」\n例: 06-02 開港記念日";

/// What the teacher's own list gave: the holidays, or the Japanese reason it cannot be read.
struct OwnHolidaysRead
{
    std::vector<LocalHoliday> Holidays;
    std::string Error;
};

/**
 * Reads the own dates, one "MM-DD 名前" a line: month and day of one or two digits (full-width digits
 * too) joined by "-" or "/", a space (or a full-width one) and the name. Blank lines are skipped. A line
 * that does not read so is an error naming the line; a character code page 932 cannot hold stays, as
 * its escape.
 */
OwnHolidaysRead ReadOwnHolidays(std::string_view utf8);

/// The local holidays the generator is to mark for the choice (nothing for an unreadable own list).
std::vector<LocalHoliday> ChosenLocalHolidays(const LocalHolidayChoice& choice);

/**
 * Why the generator cannot take the choice, or empty: an unknown place, own dates that cannot be read or
 * that LocalHolidayRefusal refuses.
 */
std::string LocalHolidayChoiceRefusal(const LocalHolidayChoice& choice);

} // namespace planova
