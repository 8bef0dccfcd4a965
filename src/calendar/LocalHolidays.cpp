#include "calendar/LocalHolidays.h"

#include "model/Cp932Codec.h"
#include "model/FixedTexts.h"

#include <algorithm>

namespace planova {
namespace {

// Where each day comes from (the prefecture's ordinance or the city's school rules) is in
// docs/holidays.md. None of them moves off a Saturday or Sunday.
// clang-format off
constexpr LocalHolidayPlace Places[] = {
    {"ibaraki",   "茨城県",   "茨城県", {11, 13}, "県民の日",     1968},
    {"gunma",     "群馬県",   "群馬県", {10, 28}, "群馬県民の日", 1985},
    {"saitama",   "埼玉県",   "埼玉県", {11, 14}, "県民の日",     1971},
    {"chiba",     "千葉県",   "千葉県", {6, 15},  "県民の日",     1984},
    {"tokyo",     "東京都",   "東京都", {10, 1},  "都民の日",     1952},
    {"yokohama",  "神奈川県", "横浜市", {6, 2},   "開港記念日",   1959},
    {"kawasaki",  "神奈川県", "川崎市", {7, 1},   "市制記念日",   1924},
    {"yamanashi", "山梨県",   "山梨県", {11, 20}, "県民の日",     1986},
};
// clang-format on

} // namespace

std::span<const LocalHolidayPlace> LocalHolidayPlaces()
{
    return Places;
}

const LocalHolidayPlace* FindLocalHolidayPlace(std::string_view key)
{
    const auto found = std::ranges::find(Places, key, &LocalHolidayPlace::Key);
    return found == std::end(Places) ? nullptr : found;
}

LocalHoliday HolidayOf(const LocalHolidayPlace& place)
{
    return {place.Date, Cp932Literal(place.HolidayName), place.FirstYear};
}

std::vector<LocalHoliday> DefaultLocalHolidays()
{
    return {HolidayOf(*FindLocalHolidayPlace(DefaultLocalHolidayPlace))};
}

std::optional<std::string> LocalHolidayOn(std::span<const LocalHoliday> holidays, int year, MonthDay date)
{
    for (const LocalHoliday& holiday : holidays) {
        if (holiday.Date == date && (year == 0 || year >= holiday.FirstYear))
            return holiday.Name;
    }
    return std::nullopt;
}

std::string LocalHolidayRefusal(std::span<const LocalHoliday> holidays)
{
    for (auto holiday = holidays.begin(); holiday != holidays.end(); ++holiday) {
        const std::string date = holiday->Date.JapaneseText();
        if (!holiday->Date.Exists())
            return "地域の休日の日付（" + date + "）は存在しない日付です。";
        if (holiday->Name.empty())
            return "地域の休日（" + date + "）の名前がありません。";
        const auto twin = std::find_if(holidays.begin(), holiday, [&](const LocalHoliday& earlier) {
            return earlier.Date == holiday->Date;
        });
        if (twin != holiday)
            return "地域の休日に同じ日付（" + date + "）が2回あります（" + Cp932ToUtf8Lenient(twin->Name) +
                   "、" + Cp932ToUtf8Lenient(holiday->Name) + "）。1日に1つの名前にしてください。";
    }
    return {};
}

std::string WithLocalHoliday(const std::string& nationalName, const std::string& localName)
{
    static const std::string separator = Cp932Literal("・");
    return nationalName + separator + localName;
}

} // namespace planova
