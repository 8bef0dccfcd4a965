#include "dialogs/LocalHolidayChoice.h"

#include "model/Cp932Codec.h"

#include <algorithm>
#include <optional>

namespace planova {
namespace {

constexpr const char* NoneName = "none";
constexpr const char* OwnDatesName = "own";
constexpr const char* NoneText = "なし";
constexpr const char* OwnDatesText = "自分で指定する";
/// Cities stand indented under their prefecture.
constexpr const char* CityIndent = "　　";

/// "東京都　都民の日（10月1日）".
std::string PlaceText(const LocalHolidayPlace& place)
{
    return std::string(place.IsCity() ? CityIndent : "") + place.Name + "　" + place.HolidayName + "（" +
           place.Date.JapaneseText() + "）";
}

/// Full-width digits, dashes, slashes and spaces as their plain twins, so that what an input method
/// typed reads like the example.
std::string PlainForm(std::string_view text)
{
    struct Twin
    {
        std::string_view Wide;
        char Plain;
    };
    static constexpr Twin Twins[] = {
        {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'},
        {"７", '7'}, {"８", '8'}, {"９", '9'}, {"－", '-'}, {"−", '-'},  {"／", '/'}, {"　", ' '},
    };
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        const auto twin =
            std::ranges::find_if(Twins, [&](const Twin& t) { return text.substr(i).starts_with(t.Wide); });
        if (twin != std::end(Twins)) {
            plain += twin->Plain;
            i += twin->Wide.size();
        } else {
            plain += text[i] == '\t' ? ' ' : text[i];
            ++i;
        }
    }
    return plain;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \r") - first + 1);
}

/// One or two digits at `at`, which moves past them; nothing when there are none or more.
std::optional<int> TakeNumber(std::string_view text, std::size_t& at)
{
    int value = 0;
    std::size_t digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits)
        value = value * 10 + (text[at] - '0');
    if (digits == 0 || digits > 2)
        return std::nullopt;
    return value;
}

/// "MM-DD 名前" (already in plain form and trimmed) as month, day and UTF-8 name.
std::optional<std::pair<MonthDay, std::string_view>> ReadLine(std::string_view line)
{
    std::size_t at = 0;
    const std::optional<int> month = TakeNumber(line, at);
    if (!month || at >= line.size() || (line[at] != '-' && line[at] != '/'))
        return std::nullopt;
    ++at;
    const std::optional<int> day = TakeNumber(line, at);
    if (!day || at >= line.size() || line[at] != ' ')
        return std::nullopt;
    return std::pair{MonthDay{*month, *day}, Trimmed(line.substr(at))};
}

} // namespace

std::string StoredName(const LocalHolidayChoice& choice)
{
    switch (choice.Source) {
    case LocalHolidaySource::None:
        return NoneName;
    case LocalHolidaySource::Place:
        return choice.Place;
    case LocalHolidaySource::OwnDates:
        return OwnDatesName;
    }
    return {};
}

LocalHolidayChoice StoredLocalHolidayChoice(std::string_view name, std::string ownDates)
{
    LocalHolidayChoice choice;
    choice.OwnDates = std::move(ownDates);
    if (name == NoneName)
        choice.Source = LocalHolidaySource::None;
    else if (name == OwnDatesName)
        choice.Source = LocalHolidaySource::OwnDates;
    else if (FindLocalHolidayPlace(name) != nullptr)
        choice.Place = name;
    return choice;
}

std::vector<LocalHolidayItem> LocalHolidayItems()
{
    std::vector<LocalHolidayItem> items{{NoneText, LocalHolidaySource::None, {}, false}};
    std::string_view lastPrefecture;
    for (const LocalHolidayPlace& place : LocalHolidayPlaces()) {
        if (place.IsCity() && lastPrefecture != place.Prefecture)
            items.push_back({place.Prefecture, LocalHolidaySource::None, {}, true});
        items.push_back({PlaceText(place), LocalHolidaySource::Place, place.Key, false});
        lastPrefecture = place.Prefecture;
    }
    items.push_back({OwnDatesText, LocalHolidaySource::OwnDates, {}, false});
    return items;
}

int LocalHolidayItemIndex(const LocalHolidayChoice& choice)
{
    const std::vector<LocalHolidayItem> items = LocalHolidayItems();
    const std::string_view place = FindLocalHolidayPlace(choice.Place) != nullptr
                                       ? std::string_view(choice.Place)
                                       : DefaultLocalHolidayPlace;
    const auto found = std::ranges::find_if(items, [&](const LocalHolidayItem& item) {
        return !item.Heading && item.Source == choice.Source &&
               (choice.Source != LocalHolidaySource::Place || item.Place == place);
    });
    return static_cast<int>(found - items.begin());
}

OwnHolidaysRead ReadOwnHolidays(std::string_view utf8)
{
    OwnHolidaysRead read;
    const std::string plain = PlainForm(utf8);
    std::size_t lineStart = 0;
    for (int lineNumber = 1; lineStart <= plain.size(); ++lineNumber) {
        const std::size_t lineEnd = std::min(plain.find('\n', lineStart), plain.size());
        const std::string_view line = Trimmed(std::string_view(plain).substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.empty())
            continue;
        const std::string where = "自分で指定する休日の" + std::to_string(lineNumber) + "行目";
        const auto dateAndName = ReadLine(line);
        if (!dateAndName) {
            read.Error = where + "「" + std::string(line) +
                         "」は読めません。「MM-DD 名前」（例: 06-02 開港記念日）の形で書いてください。";
            return read;
        }
        try {
            read.Holidays.push_back({dateAndName->first, Utf8ToCp932(dateAndName->second)});
        } catch (const EncodingError& error) {
            read.Error = where + ": " + error.what();
            return read;
        }
    }
    return read;
}

std::vector<LocalHoliday> ChosenLocalHolidays(const LocalHolidayChoice& choice)
{
    switch (choice.Source) {
    case LocalHolidaySource::None:
        break;
    case LocalHolidaySource::Place:
        if (const LocalHolidayPlace* place = FindLocalHolidayPlace(choice.Place))
            return {HolidayOf(*place)};
        break;
    case LocalHolidaySource::OwnDates:
        return ReadOwnHolidays(choice.OwnDates).Holidays;
    }
    return {};
}

std::string LocalHolidayChoiceRefusal(const LocalHolidayChoice& choice)
{
    if (choice.Source == LocalHolidaySource::Place && FindLocalHolidayPlace(choice.Place) == nullptr)
        return "地域の休日「" + choice.Place + "」はありません。";
    if (choice.Source != LocalHolidaySource::OwnDates)
        return {};
    const OwnHolidaysRead read = ReadOwnHolidays(choice.OwnDates);
    return read.Error.empty() ? LocalHolidayRefusal(read.Holidays) : read.Error;
}

} // namespace planova
