#include "calendar/ClassicHolidays.h"

#include "calendar/DateWalk.h"
#include "calendar/Holidays.h"
#include "model/FixedTexts.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace planova {
namespace {

struct DatedName
{
    int Month;
    int Day; ///< day of the month, or the Monday's ordinal
    const char* Utf8Name;
};

/// The same dates every year; the equinox days are fixed to 20 March and 23 September.
// clang-format off
constexpr DatedName FixedDateTable[] = {
    {1, 1, "元日"},           {2, 11, "建国記念の日"}, {3, 20, "春分の日"},     {4, 29, "昭和の日"},
    {5, 3, "憲法記念日"},     {5, 4, "みどりの日"},    {5, 5, "こどもの日"},    {8, 11, "山の日"},
    {9, 23, "秋分の日"},      {11, 3, "文化の日"},     {11, 23, "勤労感謝の日"}, {12, 23, "天皇誕生日"},
};
// clang-format on

/// (month, ordinal of the Monday in the month).
constexpr DatedName MondayTable[] = {
    {1, 2, "成人の日"},
    {7, 3, "海の日"},
    {9, 3, "敬老の日"},
    {10, 2, "体育の日"},
};

struct ConvertedName
{
    int Month;
    int Day;
    std::string Name;
};

template <std::size_t N> std::vector<ConvertedName> Convert(const DatedName (&table)[N])
{
    std::vector<ConvertedName> converted;
    for (const DatedName& entry : table)
        converted.push_back({entry.Month, entry.Day, Cp932Literal(entry.Utf8Name)});
    return converted;
}

const std::string* Find(const std::vector<ConvertedName>& table, int month, int day)
{
    for (const ConvertedName& entry : table) {
        if (entry.Month == month && entry.Day == day)
            return &entry.Name;
    }
    return nullptr;
}

/// Events whose Sunday gives no substitute holiday: "都民の日", "開校記念日" and the local holidays of the
/// run.
bool GivesNoSubstitute(const std::string& event, std::span<const LocalHoliday> localHolidays)
{
    return event == Text(FixedText::TominNoHi) || event == Text(FixedText::FoundationDay) ||
           std::ranges::find(localHolidays, event, &LocalHoliday::Name) != localHolidays.end();
}

/// The name the classic rules give the date, a local holiday noted after a national one; nothing on
/// an ordinary day.
std::optional<std::string> ClassicHolidayName(const DateTime& date,
                                              std::span<const LocalHoliday> localHolidays)
{
    const std::string* national = ClassicFixedDateHoliday(date.Month(), date.Day());
    if (national == nullptr && date.DayOfWeek() == 1)
        national = ClassicMondayHoliday(date.Month(), MondayOrdinal(date.Day()));
    const std::optional<std::string> local = LocalHolidayOn(localHolidays, 0, MonthDay::Of(date));
    if (national != nullptr)
        return local ? WithLocalHoliday(*national, *local) : *national;
    return local;
}

/**
 * Writes "振替休日" on the first day after the Sunday whose stored kind is not "休日". The search
 * has no bound within the calendar; it only stops at the end of the supported years, where
 * nothing is written.
 */
void StoreSubstituteAfter(CPlanovaDoc& document, const DateTime& sunday)
{
    DateTime candidate = sunday.AddDays(1);
    for (;;) {
        if (!candidate.IsValid())
            return;
        if (!IsHoliday(document.Day(candidate)))
            break;
        candidate = candidate.AddDays(1);
    }
    MarkHoliday(document, candidate, Text(FixedText::SubstituteHoliday));
}

} // namespace

const std::string* ClassicFixedDateHoliday(int month, int day)
{
    static const std::vector<ConvertedName> table = Convert(FixedDateTable);
    return Find(table, month, day);
}

const std::string* ClassicMondayHoliday(int month, int ordinal)
{
    static const std::vector<ConvertedName> table = Convert(MondayTable);
    return Find(table, month, ordinal);
}

int MondayOrdinal(int dayOfMonth)
{
    return (dayOfMonth - 1) / 7 + 1;
}

void MarkClassicHolidays(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                         std::span<const LocalHoliday> localHolidays)
{
    ForEachDate(first, last, [&](const DateTime& date) {
        if (const std::optional<std::string> name = ClassicHolidayName(date, localHolidays))
            MarkHoliday(document, date, *name);
        // What the Sunday holds now counts, whoever marked it "休日".
        if (date.DayOfWeek() == 0) {
            const CDayData sunday = document.Day(date);
            if (IsHoliday(sunday) && !GivesNoSubstitute(sunday.GetGyouji(), localHolidays))
                StoreSubstituteAfter(document, date);
        }
    });
}

} // namespace planova
