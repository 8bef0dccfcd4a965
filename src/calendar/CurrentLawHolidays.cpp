#include "calendar/CurrentLawHolidays.h"

#include "calendar/Holidays.h"
#include "model/FixedTexts.h"

#include <algorithm>
#include <optional>
#include <span>
#include <variant>

namespace planova {
namespace {

using namespace std::chrono;

constexpr int Open = 9999; ///< a period that has not ended

/// A fixed month and day.
struct OnDate
{
    unsigned Month;
    unsigned Day;
};

/// The ordinal-th Monday of the month ("Happy Monday" holidays).
struct OnMonday
{
    unsigned Month;
    unsigned Ordinal;
};

using DateRule = std::variant<OnDate, OnMonday, Equinox>;

/// The years FirstYear … LastYear (both included) in which the holiday fell by Rule.
struct Period
{
    int FirstYear;
    int LastYear;
    DateRule Rule;
};

// One table per holiday. The law came into force on 20 July 1948, so that year only has the
// holidays from autumn on. docs/holidays.md gives the law behind every row.
// clang-format off
constexpr Period Ganjitsu[] = {{1949, Open, OnDate{1, 1}}};
constexpr Period SeijinNoHi[] = {{1949, 1999, OnDate{1, 15}}, {2000, Open, OnMonday{1, 2}}};
constexpr Period KenkokuKinenNoHi[] = {{1967, Open, OnDate{2, 11}}};
constexpr Period ShunbunNoHi[] = {{1949, Open, Equinox::Vernal}};
constexpr Period TennouTanjoubi[] = {
    {1949, 1988, OnDate{4, 29}},
    {1989, 2018, OnDate{12, 23}},
    // 2019 has none: the emperor changed on 1 May.
    {2020, Open, OnDate{2, 23}},
};
constexpr Period MidoriNoHi[] = {{1989, 2006, OnDate{4, 29}}, {2007, Open, OnDate{5, 4}}};
constexpr Period ShouwaNoHi[] = {{2007, Open, OnDate{4, 29}}};
constexpr Period KenpouKinenbi[] = {{1949, Open, OnDate{5, 3}}};
constexpr Period KodomoNoHi[] = {{1949, Open, OnDate{5, 5}}};
constexpr Period UmiNoHi[] = {
    {1996, 2002, OnDate{7, 20}},
    {2003, 2019, OnMonday{7, 3}},
    {2020, 2020, OnDate{7, 23}}, // moved for the Olympic Games
    {2021, 2021, OnDate{7, 22}},
    {2022, Open, OnMonday{7, 3}},
};
constexpr Period YamaNoHi[] = {
    {2016, 2019, OnDate{8, 11}},
    {2020, 2020, OnDate{8, 10}},
    {2021, 2021, OnDate{8, 8}},
    {2022, Open, OnDate{8, 11}},
};
constexpr Period KeirouNoHi[] = {{1966, 2002, OnDate{9, 15}}, {2003, Open, OnMonday{9, 3}}};
constexpr Period ShuubunNoHi[] = {{1948, Open, Equinox::Autumnal}};
constexpr Period TaiikuNoHi[] = {{1966, 1999, OnDate{10, 10}}, {2000, 2019, OnMonday{10, 2}}};
constexpr Period SupootsuNoHi[] = {
    {2020, 2020, OnDate{7, 24}},
    {2021, 2021, OnDate{7, 23}},
    {2022, Open, OnMonday{10, 2}},
};
constexpr Period BunkaNoHi[] = {{1948, Open, OnDate{11, 3}}};
constexpr Period KinrouKanshaNoHi[] = {{1948, Open, OnDate{11, 23}}};
// clang-format on

struct HolidayTable
{
    const char* Utf8Name;
    std::span<const Period> Periods;
};

constexpr HolidayTable NationalHolidays[] = {
    {"元日", Ganjitsu},
    {"成人の日", SeijinNoHi},
    {"建国記念の日", KenkokuKinenNoHi},
    {"春分の日", ShunbunNoHi},
    {"天皇誕生日", TennouTanjoubi},
    {"みどりの日", MidoriNoHi},
    {"昭和の日", ShouwaNoHi},
    {"憲法記念日", KenpouKinenbi},
    {"こどもの日", KodomoNoHi},
    {"海の日", UmiNoHi},
    {"山の日", YamaNoHi},
    {"敬老の日", KeirouNoHi},
    {"秋分の日", ShuubunNoHi},
    {"体育の日", TaiikuNoHi},
    {"スポーツの日", SupootsuNoHi},
    {"文化の日", BunkaNoHi},
    {"勤労感謝の日", KinrouKanshaNoHi},
};

/// Days made holidays by a law of their own. The 2019 law counts its days as national holidays
/// for the substitute and citizens' rules; the older ones have no neighbour where that matters.
struct OneOffDay
{
    int Year;
    unsigned Month;
    unsigned Day;
    const char* Utf8Name;
};

// clang-format off
constexpr OneOffDay OneOffDays[] = {
    {1959, 4, 10, "結婚の儀"},        // 皇太子明仁親王の結婚の儀
    {1989, 2, 24, "大喪の礼"},        // 昭和天皇の大喪の礼
    {1990, 11, 12, "即位礼正殿の儀"},
    {1993, 6, 9, "結婚の儀"},         // 皇太子徳仁親王の結婚の儀
    {2019, 5, 1, "天皇の即位の日"},
    {2019, 10, 22, "即位礼正殿の儀"},
};
// clang-format on

/// The substitute holiday (振替休日), by the date of the Sunday holiday that owes it.
struct SubstituteRule
{
    sys_days From;
    /// Off: only the next day, if it is no national holiday. On: the first day after the
    /// Sunday that is no national holiday.
    bool SkipsFollowingHolidays;
};

constexpr SubstituteRule SubstituteRules[] = {
    {sys_days{year{1973} / April / 12}, false},
    {sys_days{year{2007} / January / 1}, true},
};

/// The citizens' holiday (国民の休日): a day whose previous and next days are national holidays.
struct CitizensRule
{
    sys_days From;
    /// Until 2006 the law left out Sundays (and substitute holidays, which every period does).
    bool ExcludesSundays;
};

constexpr CitizensRule CitizensRules[] = {
    {sys_days{year{1985} / December / 27}, true},
    {sys_days{year{2007} / January / 1}, false},
};

struct EquinoxFormula
{
    int FirstYear;
    int LastYear;
    double Vernal;
    double Autumnal;
    int LeapBase;
};

// day = floor(constant + 0.242194 × (year − 1980) − trunc((year − leap base) / 4))
constexpr EquinoxFormula EquinoxFormulas[] = {
    {FirstEquinoxYear, 1979, 20.8357, 23.2588, 1983},
    {1980, 2099, 20.8431, 23.2488, 1980},
    {2100, LastEquinoxYear, 21.8510, 24.2488, 1980},
};

constexpr int FirstLawYear = 1948;

/// The rule of the table in force on the date, or nullptr before the first.
template <typename Rule, std::size_t N> const Rule* RuleInForce(const Rule (&rules)[N], sys_days date)
{
    const Rule* found = nullptr;
    for (const Rule& rule : rules) {
        if (rule.From <= date)
            found = &rule;
    }
    return found;
}

std::optional<sys_days> DateIn(int y, const DateRule& rule)
{
    if (const auto* onDate = std::get_if<OnDate>(&rule)) {
        const year_month_day date{year{y}, month{onDate->Month}, day{onDate->Day}};
        return date.ok() ? std::optional<sys_days>(sys_days{date}) : std::nullopt;
    }
    if (const auto* onMonday = std::get_if<OnMonday>(&rule))
        return sys_days{year{y} / month{onMonday->Month} / Monday[onMonday->Ordinal]};
    const Equinox which = std::get<Equinox>(rule);
    const int dayOfMonth = EquinoxDay(which, y);
    if (dayOfMonth == 0)
        return std::nullopt;
    return sys_days{year{y} / month{which == Equinox::Vernal ? 3u : 9u} /
                    day{static_cast<unsigned>(dayOfMonth)}};
}

struct ConvertedNames
{
    std::vector<std::string> National;
    std::vector<std::string> OneOff;
};

const ConvertedNames& Names()
{
    static const ConvertedNames names = [] {
        ConvertedNames converted;
        for (const HolidayTable& table : NationalHolidays)
            converted.National.push_back(Cp932Literal(table.Utf8Name));
        for (const OneOffDay& oneOff : OneOffDays)
            converted.OneOff.push_back(Cp932Literal(oneOff.Utf8Name));
        return converted;
    }();
    return names;
}

bool IsSunday(sys_days date)
{
    return weekday{date} == Sunday;
}

std::vector<LawHoliday> NationalHolidaysOf(int y)
{
    const ConvertedNames& names = Names();
    std::vector<LawHoliday> found;
    for (std::size_t i = 0; i < std::size(NationalHolidays); ++i) {
        for (const Period& period : NationalHolidays[i].Periods) {
            if (y < period.FirstYear || y > period.LastYear)
                continue;
            if (const std::optional<sys_days> date = DateIn(y, period.Rule))
                found.push_back({*date, LawHolidayKind::National, &names.National[i], *date});
        }
    }
    for (std::size_t i = 0; i < std::size(OneOffDays); ++i) {
        const OneOffDay& oneOff = OneOffDays[i];
        if (oneOff.Year == y) {
            const sys_days date{year{y} / month{oneOff.Month} / day{oneOff.Day}};
            found.push_back({date, LawHolidayKind::National, &names.OneOff[i], date});
        }
    }
    std::ranges::sort(found, {}, &LawHoliday::Date);
    return found;
}

bool Contains(const std::vector<LawHoliday>& sorted, sys_days date)
{
    return std::ranges::binary_search(sorted, date, {}, &LawHoliday::Date);
}

std::vector<LawHoliday> SubstitutesFor(const std::vector<LawHoliday>& national)
{
    std::vector<LawHoliday> substitutes;
    for (const LawHoliday& holiday : national) {
        if (!IsSunday(holiday.Date))
            continue;
        const SubstituteRule* rule = RuleInForce(SubstituteRules, holiday.Date);
        if (rule == nullptr)
            continue;
        sys_days date = holiday.Date + days{1};
        if (rule->SkipsFollowingHolidays) {
            while (Contains(national, date))
                date += days{1};
        } else if (Contains(national, date)) {
            continue;
        }
        substitutes.push_back(
            {date, LawHolidayKind::Substitute, &Text(FixedText::SubstituteHoliday), holiday.Date});
    }
    return substitutes;
}

std::vector<LawHoliday> CitizensHolidaysFor(const std::vector<LawHoliday>& national,
                                            const std::vector<LawHoliday>& substitutes)
{
    std::vector<LawHoliday> citizens;
    for (std::size_t i = 1; i < national.size(); ++i) {
        if (national[i].Date - national[i - 1].Date != days{2})
            continue;
        const sys_days between = national[i - 1].Date + days{1};
        const CitizensRule* rule = RuleInForce(CitizensRules, between);
        if (rule == nullptr || (rule->ExcludesSundays && IsSunday(between)))
            continue;
        const bool isSubstitute =
            std::any_of(substitutes.begin(), substitutes.end(),
                        [&](const LawHoliday& substitute) { return substitute.Date == between; });
        if (!isSubstitute)
            citizens.push_back(
                {between, LawHolidayKind::Citizens, &Text(FixedText::CitizensHoliday), between});
    }
    return citizens;
}

void Mark(CPlanovaDoc& document, sys_days date, const std::string& name)
{
    const DateTime value = DateTime::FromSysDays(date);
    if (!value.IsValid())
        return; // past the supported years
    MarkHoliday(document, value, name);
}

/// The law holiday's name, with the local holiday of its date noted after it.
std::string NameWithLocalHoliday(const LawHoliday& holiday, std::span<const LocalHoliday> locals)
{
    const year_month_day date{holiday.Date};
    const MonthDay monthDay{static_cast<int>(static_cast<unsigned>(date.month())),
                            static_cast<int>(static_cast<unsigned>(date.day()))};
    const std::optional<std::string> local = LocalHolidayOn(locals, static_cast<int>(date.year()), monthDay);
    return local ? WithLocalHoliday(*holiday.Name, *local) : *holiday.Name;
}

using DayToMark = std::pair<sys_days, std::string>;

/// The law's holidays of the year and the local holidays in force in it, in date order.
std::vector<DayToMark> DaysToMark(int y, std::span<const LocalHoliday> locals)
{
    const std::vector<LawHoliday> lawHolidays = CurrentLawHolidays(y);
    std::vector<DayToMark> marks;
    for (const LawHoliday& holiday : lawHolidays)
        marks.emplace_back(holiday.Date, NameWithLocalHoliday(holiday, locals));
    for (const LocalHoliday& local : locals) {
        const DateTime date = local.Date.InYear(y);
        if (y >= local.FirstYear && date.IsValid() && !Contains(lawHolidays, date.ToSysDays()))
            marks.emplace_back(date.ToSysDays(), local.Name);
    }
    std::ranges::stable_sort(marks, {}, &DayToMark::first);
    return marks;
}

/**
 * The run of holidays right after `last` up to the last substitute holiday in it that a Sunday
 * on or before `last` owes (empty when there is none).
 */
std::vector<LawHoliday> OwedAfter(sys_days last)
{
    const int y = static_cast<int>(year_month_day{last}.year());
    std::vector<LawHoliday> following;
    for (int inYear : {y, y + 1}) {
        for (const LawHoliday& holiday : CurrentLawHolidays(inYear)) {
            if (holiday.Date > last)
                following.push_back(holiday);
        }
    }
    std::size_t owedEnd = 0;
    sys_days expected = last + days{1};
    for (std::size_t i = 0; i < following.size() && following[i].Date == expected; ++i, expected += days{1}) {
        if (following[i].Kind == LawHolidayKind::Substitute && following[i].Cause <= last)
            owedEnd = i + 1;
    }
    following.resize(owedEnd);
    return following;
}

} // namespace

int EquinoxDay(Equinox which, int y)
{
    for (const EquinoxFormula& formula : EquinoxFormulas) {
        if (y < formula.FirstYear || y > formula.LastYear)
            continue;
        const double constant = which == Equinox::Vernal ? formula.Vernal : formula.Autumnal;
        // The integer division truncates towards zero, which is what the formula means for
        // the years before its leap base as well.
        const int leapDays = (y - formula.LeapBase) / 4;
        return static_cast<int>(constant + 0.242194 * (y - 1980) - leapDays);
    }
    return 0;
}

std::vector<LawHoliday> CurrentLawHolidays(int y)
{
    if (y < FirstLawYear)
        return {};
    std::vector<LawHoliday> holidays = NationalHolidaysOf(y);
    const std::vector<LawHoliday> substitutes = SubstitutesFor(holidays);
    const std::vector<LawHoliday> citizens = CitizensHolidaysFor(holidays, substitutes);
    holidays.insert(holidays.end(), substitutes.begin(), substitutes.end());
    holidays.insert(holidays.end(), citizens.begin(), citizens.end());
    std::ranges::sort(holidays, {}, &LawHoliday::Date);
    return holidays;
}

void MarkCurrentLawHolidays(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                            std::span<const LocalHoliday> localHolidays)
{
    if (!first.IsValid() || !last.IsValid())
        return;
    const sys_days from = first.ToSysDays();
    const sys_days to = last.ToSysDays();
    if (to < from)
        return;
    const int lastYear = static_cast<int>(year_month_day{to}.year());
    for (int y = static_cast<int>(year_month_day{from}.year()); y <= lastYear; ++y) {
        for (const auto& [date, name] : DaysToMark(y, localHolidays)) {
            if (date >= from && date <= to)
                Mark(document, date, name);
        }
    }
    for (const LawHoliday& holiday : OwedAfter(to))
        Mark(document, holiday.Date, NameWithLocalHoliday(holiday, localHolidays));
}

} // namespace planova
