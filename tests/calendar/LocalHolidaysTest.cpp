#include "calendar/LocalHolidays.h"

#include "calendar/ClassHourCount.h"
#include "calendar/Holidays.h"
#include "calendar/SchoolYear.h"
#include "model/Cp932Codec.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

using KindEvent = std::pair<std::string, std::string>;

KindEvent Holiday(const char* name)
{
    return {"休日", name};
}

/// Marks the whole year with the rule set and the local holidays.
CPlanovaDoc MarkedYear(int year, HolidayRuleSet ruleSet, std::vector<LocalHoliday> localHolidays)
{
    CPlanovaDoc document;
    MarkHolidays(document, Date(year, 1, 1), Date(year, 12, 31),
                 HolidayOptions{ruleSet, std::move(localHolidays)});
    return document;
}

LocalHoliday Own(int month, int day, const char* name)
{
    return {{month, day}, Sj(name)};
}

constexpr HolidayRuleSet BothRuleSets[] = {HolidayRuleSet::CurrentLaw, HolidayRuleSet::Classic};

} // namespace

TEST(LocalHolidaysTest, PlacesAreWellFormed)
{
    std::set<std::string> keys;
    for (const LocalHolidayPlace& place : LocalHolidayPlaces()) {
        EXPECT_TRUE(keys.insert(place.Key).second) << place.Key;
        EXPECT_TRUE(place.Date.Exists()) << place.Key;
        EXPECT_EQ(Cp932ToUtf8(HolidayOf(place).Name), place.HolidayName); // every name fits code page 932
        EXPECT_EQ(FindLocalHolidayPlace(place.Key), &place);
    }
    EXPECT_EQ(FindLocalHolidayPlace("osaka"), nullptr);
    EXPECT_EQ(DefaultLocalHolidays(), (std::vector<LocalHoliday>{{{10, 1}, Sj("都民の日"), 1952}}));
}

// Each place's day, in every year 2024–2030 and by both rule sets, is the only difference a place makes
// to the marked year: a holiday on its own date, whatever the weekday (Sunday 2 June 2024, 15 June 2025,
// 14 November 2027, 1 October 2028 … give no substitute holiday), and never on a national holiday's date
// in these years, so no name is doubled.
TEST(LocalHolidaysTest, EachPlaceMarksItsOwnDayAndNothingElse)
{
    for (const HolidayRuleSet ruleSet : BothRuleSets) {
        for (int year = 2024; year <= 2030; ++year) {
            const CPlanovaDoc national = MarkedYear(year, ruleSet, {});
            for (const LocalHolidayPlace& place : LocalHolidayPlaces()) {
                const CPlanovaDoc local = MarkedYear(year, ruleSet, {HolidayOf(place)});
                const DateTime day = place.Date.InYear(year);
                ASSERT_EQ(local.DayList().size(), national.DayList().size() + 1) << place.Key << " " << year;
                EXPECT_EQ(KindAndEvent(local, day), Holiday(place.HolidayName)) << place.Key << " " << year;
                for (const CDayData& nationalDay : national.DayList())
                    EXPECT_EQ(KindAndEvent(local, nationalDay.GetDate()),
                              KindAndEvent(national, nationalDay.GetDate()))
                        << place.Key << " " << year;
            }
        }
    }
}

// A local holiday on a national holiday keeps the national name and is noted after it; on a Sunday it
// gives no substitute holiday; the current-law rules mark it from its first year, the classic ones in
// every year.
TEST(LocalHolidaysTest, NamesSubstitutesAndFirstYears)
{
    struct Case
    {
        const char* Name;
        HolidayRuleSet RuleSet;
        std::vector<LocalHoliday> Local;
        std::vector<std::pair<DateTime, KindEvent>> Days;
    };
    const LocalHoliday saitama = HolidayOf(*FindLocalHolidayPlace("saitama"));
    const Case cases[] = {
        {"on a national holiday",
         HolidayRuleSet::CurrentLaw,
         {Own(11, 3, "文化祭"), Own(5, 4, "開校記念日")},
         {{Date(2024, 11, 3), Holiday("文化の日・文化祭")},
          {Date(2024, 5, 4), Holiday("みどりの日・開校記念日")}}},
        {"on a national holiday, classic",
         HolidayRuleSet::Classic,
         {Own(11, 3, "文化祭"), Own(1, 8, "始業式")},
         // 8 January 2024 is the second Monday: 成人の日.
         {{Date(2024, 11, 3), Holiday("文化の日・文化祭")}, {Date(2024, 1, 8), Holiday("成人の日・始業式")}}},
        // 23 November 2025 is a Sunday: 24 November is the substitute holiday.
        {"on a substitute holiday",
         HolidayRuleSet::CurrentLaw,
         {Own(11, 24, "代休")},
         {{Date(2025, 11, 24), Holiday("振替休日・代休")}}},
        // 2 June 2024 is a Sunday.
        {"on a Sunday",
         HolidayRuleSet::CurrentLaw,
         {Own(6, 2, "開港記念日")},
         {{Date(2024, 6, 2), Holiday("開港記念日")}, {Date(2024, 6, 3), {}}}},
        {"on a Sunday, classic",
         HolidayRuleSet::Classic,
         {Own(6, 2, "開港記念日")},
         {{Date(2024, 6, 2), Holiday("開港記念日")}, {Date(2024, 6, 3), {}}}},
        {"29 February",
         HolidayRuleSet::CurrentLaw,
         {Own(2, 29, "閏日")},
         {{Date(2024, 2, 29), Holiday("閏日")}}},
        {"before its first year", HolidayRuleSet::CurrentLaw, {saitama}, {{Date(1970, 11, 14), {}}}},
        {"in its first year",
         HolidayRuleSet::CurrentLaw,
         {saitama},
         {{Date(1971, 11, 14), Holiday("県民の日")}}},
        {"classic, every year",
         HolidayRuleSet::Classic,
         {saitama},
         {{Date(1970, 11, 14), Holiday("県民の日")}}},
    };
    for (const Case& c : cases) {
        for (const auto& [date, expected] : c.Days) {
            const CPlanovaDoc document = MarkedYear(date.Year(), c.RuleSet, c.Local);
            EXPECT_EQ(KindAndEvent(document, date), expected) << c.Name;
        }
    }
}

TEST(LocalHolidaysTest, RefusedLists)
{
    struct Case
    {
        std::vector<LocalHoliday> Local;
        const char* Refusal;
    };
    const Case cases[] = {
        {{}, ""},
        {{Own(2, 29, "閏日"), Own(6, 2, "開港記念日")}, ""},
        {{Own(2, 30, "運動会")}, "地域の休日の日付（2月30日）は存在しない日付です。"},
        {{Own(13, 1, "運動会")}, "地域の休日の日付（13月1日）は存在しない日付です。"},
        {{Own(6, 2, "")}, "地域の休日（6月2日）の名前がありません。"},
        {{Own(6, 2, "開港記念日"), Own(7, 1, "市制記念日"), Own(6, 2, "運動会")},
         "地域の休日に同じ日付（6月2日）が2回あります（開港記念日、運動会）。1日に1つの名前にしてください。"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocalHolidayRefusal(c.Local), c.Refusal);

    // The generator refuses them and leaves the document alone.
    CPlanovaDoc document;
    SchoolYearParameters parameters = SchoolYearParameters::Defaults(Date(2024, 4, 1), false);
    parameters.Holidays.LocalHolidays = {Own(2, 30, "運動会")};
    EXPECT_FALSE(MakeSchoolYear(document, parameters).Ok);
    EXPECT_TRUE(document.DayList().empty());
}

// Without local holidays 1 October is an ordinary school day (the default autumn vacation of that one day
// switched off); with Saitama's day the class-hour count of the school year loses exactly the lessons of
// Thursday 14 November 2024.
TEST(LocalHolidaysTest, SchoolYearAndClassHoursFollowTheLocalHolidays)
{
    CPlanovaDoc fixture;
    // Thursday ① 国語 ② 数学 ③ 国語; every other school day ① 理科.
    for (std::size_t weekday = 0; weekday < 5; ++weekday)
        fixture.Jikannwari[weekday * 6] = Sj("理科");
    fixture.Jikannwari[3 * 6 + 0] = Sj("国語");
    fixture.Jikannwari[3 * 6 + 1] = Sj("数学");
    fixture.Jikannwari[3 * 6 + 2] = Sj("国語");

    const auto make = [&](std::vector<LocalHoliday> localHolidays) {
        CPlanovaDoc document = fixture;
        SchoolYearParameters parameters = SchoolYearParameters::Defaults(Date(2024, 4, 1), true);
        parameters.Days.Autumn.On = false;
        parameters.Holidays.LocalHolidays = std::move(localHolidays);
        EXPECT_TRUE(MakeSchoolYear(document, parameters).Ok);
        return document;
    };
    const CPlanovaDoc none = make({});
    const CPlanovaDoc saitama = make({HolidayOf(*FindLocalHolidayPlace("saitama"))});
    EXPECT_EQ(KindAndEvent(none, Date(2024, 10, 1)), KindEvent("50分時程", ""));
    EXPECT_EQ(KindAndEvent(saitama, Date(2024, 10, 1)), KindEvent("50分時程", ""));
    EXPECT_EQ(KindAndEvent(none, Date(2024, 11, 14)), KindEvent("50分時程", ""));
    EXPECT_EQ(KindAndEvent(saitama, Date(2024, 11, 14)), Holiday("県民の日"));

    const std::vector<std::string> classes{Sj("国語"), Sj("数学"), Sj("理科")};
    const std::vector<int> withoutDay = CountClassHours(none, classes, Date(2024, 4, 1), Date(2025, 3, 31));
    const std::vector<int> withDay = CountClassHours(saitama, classes, Date(2024, 4, 1), Date(2025, 3, 31));
    // Thursday's lessons: 国語 twice, 数学 once, no 理科.
    EXPECT_EQ(withoutDay[0] - withDay[0], 2);
    EXPECT_EQ(withoutDay[1] - withDay[1], 1);
    EXPECT_EQ(withoutDay[2] - withDay[2], 0);
    EXPECT_GT(withDay[0], 0);
}
