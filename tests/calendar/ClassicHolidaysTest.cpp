#include "calendar/ClassicHolidays.h"
#include "calendar/Holidays.h"
#include "calendar/ToolDates.h"
#include "model/Cp932Codec.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

using KindEvent = std::pair<std::string, std::string>;

const KindEvent NotMarked{};

KindEvent Holiday(const char* name)
{
    return {"休日", name};
}

std::string NameOrNone(const std::string* name)
{
    return name != nullptr ? Cp932ToUtf8(*name) : "";
}

void MarkClassic(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                 std::vector<LocalHoliday> localHolidays = DefaultLocalHolidays())
{
    MarkHolidays(document, first, last, HolidayOptions{HolidayRuleSet::Classic, std::move(localHolidays)});
}

} // namespace

TEST(ClassicHolidaysTest, TablesAndMondayOrdinals)
{
    struct Case
    {
        int Month;
        int Day;
        const char* Name;
    };
    for (const Case c :
         {Case{1, 1, "元日"}, Case{2, 11, "建国記念の日"}, Case{3, 20, "春分の日"}, Case{4, 29, "昭和の日"},
          Case{5, 4, "みどりの日"}, Case{8, 11, "山の日"}, Case{9, 23, "秋分の日"}, Case{10, 1, ""},
          Case{12, 23, "天皇誕生日"}, Case{3, 21, ""}, Case{2, 23, ""}, Case{12, 24, ""}})
        EXPECT_EQ(NameOrNone(ClassicFixedDateHoliday(c.Month, c.Day)), c.Name) << c.Month << "/" << c.Day;

    for (const Case c :
         {Case{1, 2, "成人の日"}, Case{7, 3, "海の日"}, Case{9, 3, "敬老の日"}, Case{10, 2, "体育の日"},
          Case{1, 1, ""}, Case{1, 3, ""}, Case{10, 3, ""}, Case{8, 2, ""}})
        EXPECT_EQ(NameOrNone(ClassicMondayHoliday(c.Month, c.Day)), c.Name) << c.Month << " #" << c.Day;

    struct Ordinal
    {
        int Day;
        int Expected;
    };
    for (const Ordinal o : {Ordinal{1, 1}, Ordinal{7, 1}, Ordinal{8, 2}, Ordinal{14, 2}, Ordinal{15, 3},
                            Ordinal{21, 3}, Ordinal{22, 4}, Ordinal{29, 5}})
        EXPECT_EQ(MondayOrdinal(o.Day), o.Expected) << o.Day;
}

// One scenario per row: days stored before the run, the range, and what the days hold after it.
struct Expectation
{
    DateTime Date;
    KindEvent KindAndEvent;
};

struct Scenario
{
    const char* Name;
    std::vector<Expectation> Before; ///< stored with the kind and event before the run
    DateTime First;
    DateTime Last;
    std::vector<Expectation> After;
};

class ClassicScenarioTest : public ::testing::TestWithParam<Scenario>
{
};

TEST_P(ClassicScenarioTest, MarksAsExpected)
{
    const Scenario& scenario = GetParam();
    CPlanovaDoc document;
    for (const Expectation& day : scenario.Before)
        StoreKindAndEvent(document, day.Date, day.KindAndEvent.first.c_str(),
                          day.KindAndEvent.second.c_str());
    MarkClassic(document, scenario.First, scenario.Last);
    for (const Expectation& day : scenario.After)
        EXPECT_EQ(KindAndEvent(document, day.Date), day.KindAndEvent) << JapaneseDate(day.Date);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ClassicScenarioTest,
    ::testing::Values(
        Scenario{"SundayNewYear",
                 {},
                 Date(2012, 1, 1),
                 Date(2012, 1, 3),
                 {{Date(2012, 1, 1), Holiday("元日")},
                  {Date(2012, 1, 2), Holiday("振替休日")},
                  {Date(2012, 1, 3), NotMarked}}},
        Scenario{"SundayNewYearNextDayAlreadyOff",
                 {{Date(2012, 1, 2), Holiday("学校閉庁日")}},
                 Date(2012, 1, 1),
                 Date(2012, 1, 3),
                 {{Date(2012, 1, 2), Holiday("学校閉庁日")}, {Date(2012, 1, 3), Holiday("振替休日")}}},
        // 4 May is not yet a holiday when Sunday 3 May is reached: it gets the substitute first,
        // then its own name, and 6 May stays a working day.
        Scenario{"MayChainFirstRun",
                 {},
                 Date(2015, 5, 1),
                 Date(2015, 5, 10),
                 {{Date(2015, 5, 3), Holiday("憲法記念日")},
                  {Date(2015, 5, 4), Holiday("みどりの日")},
                  {Date(2015, 5, 5), Holiday("こどもの日")},
                  {Date(2015, 5, 6), NotMarked}}},
        Scenario{"MayChainSecondRun",
                 {{Date(2015, 5, 3), Holiday("憲法記念日")},
                  {Date(2015, 5, 4), Holiday("みどりの日")},
                  {Date(2015, 5, 5), Holiday("こどもの日")}},
                 Date(2015, 5, 1),
                 Date(2015, 5, 10),
                 {{Date(2015, 5, 6), Holiday("振替休日")}}},
        Scenario{"SundayTominNoHi",
                 {},
                 Date(2017, 9, 30),
                 Date(2017, 10, 3),
                 {{Date(2017, 10, 1), Holiday("都民の日")}, {Date(2017, 10, 2), NotMarked}}},
        Scenario{"SundayFoundationDay",
                 {{Date(2017, 10, 8), Holiday("開校記念日")}},
                 Date(2017, 10, 8),
                 Date(2017, 10, 8),
                 {{Date(2017, 10, 9), NotMarked}}},
        Scenario{"SundayMarkedByTheUser",
                 {{Date(2012, 6, 10), Holiday("運動会")}},
                 Date(2012, 6, 10),
                 Date(2012, 6, 12),
                 {{Date(2012, 6, 10), Holiday("運動会")}, {Date(2012, 6, 11), Holiday("振替休日")}}},
        Scenario{"SubstituteAfterTheRange",
                 {},
                 Date(2011, 12, 30),
                 Date(2012, 1, 1),
                 {{Date(2012, 1, 1), Holiday("元日")}, {Date(2012, 1, 2), Holiday("振替休日")}}},
        // Mondays of January 2012: 2, 9, 16; July 16, September 17 and October 8 are the ordinals.
        Scenario{"MondayOrdinals",
                 {},
                 Date(2012, 1, 1),
                 Date(2012, 10, 31),
                 {{Date(2012, 1, 2), Holiday("振替休日")},
                  {Date(2012, 1, 9), Holiday("成人の日")},
                  {Date(2012, 1, 16), NotMarked},
                  {Date(2012, 7, 9), NotMarked},
                  {Date(2012, 7, 16), Holiday("海の日")},
                  {Date(2012, 9, 17), Holiday("敬老の日")},
                  {Date(2012, 10, 8), Holiday("体育の日")},
                  {Date(2012, 10, 15), NotMarked}}},
        Scenario{"DayBetweenTwoHolidays",
                 {},
                 Date(2015, 9, 20),
                 Date(2015, 9, 24),
                 {{Date(2015, 9, 21), Holiday("敬老の日")},
                  {Date(2015, 9, 22), NotMarked},
                  {Date(2015, 9, 23), Holiday("秋分の日")}}},
        // The same table in every year, however far from the present.
        Scenario{"SameRulesEveryYear",
                 {},
                 Date(1900, 10, 1),
                 Date(1900, 10, 31),
                 {{Date(1900, 10, 8), Holiday("体育の日")}}},
        Scenario{"SameRulesFarFuture",
                 {},
                 Date(2150, 1, 1),
                 Date(2150, 12, 31),
                 {{Date(2150, 3, 20), Holiday("春分の日")},
                  {Date(2150, 8, 11), Holiday("山の日")},
                  {Date(2150, 9, 23), Holiday("秋分の日")},
                  {Date(2150, 10, 12), Holiday("体育の日")},
                  {Date(2150, 12, 23), Holiday("天皇誕生日")}}},
        Scenario{"FixedDateOverwritesWhatTheDayHad",
                 {{Date(2012, 11, 3), {"50分時程", "文化祭"}}},
                 Date(2012, 11, 3),
                 Date(2012, 11, 3),
                 {{Date(2012, 11, 3), Holiday("文化の日")}}}),
    [](const ::testing::TestParamInfo<Scenario>& info) { return info.param.Name; });

TEST(ClassicHolidaysTest, TominNoHiCanBeLeftOut)
{
    CPlanovaDoc document;
    MarkClassic(document, Date(2012, 10, 1), Date(2012, 10, 1), {});
    EXPECT_EQ(KindAndEvent(document, Date(2012, 10, 1)), NotMarked);
}

TEST(ClassicHolidaysTest, OnlyKindAndEventChange)
{
    CPlanovaDoc document;
    document.UpdateDay(Date(2012, 11, 23), [&](CDayData& day) {
        day.SetJigenn(1, Sj("①"));
        day.SetYotei(1, Sj("国語"));
        day.SetNaiyou(1, Sj("漢字"));
        day.SetIro(1, 4);
        day.SetMemo(Sj("持ち物"));
    });
    CDayData expected = document.Day(Date(2012, 11, 23));
    SetHoliday(expected, Sj("勤労感謝の日"));

    MarkClassic(document, Date(2012, 11, 1), Date(2012, 11, 30));
    EXPECT_EQ(*StoredDay(document, Date(2012, 11, 23)), expected);
}

TEST(ClassicHolidaysTest, EmptyOrInvalidRangeDoesNothing)
{
    CPlanovaDoc document;
    MarkClassic(document, Date(2012, 1, 2), Date(2012, 1, 1));
    MarkClassic(document, DateTime::Invalid(), Date(2012, 1, 1));
    MarkClassic(document, Date(2012, 1, 1), DateTime::Invalid());
    EXPECT_TRUE(document.DayList().empty());
    EXPECT_FALSE(document.IsModified());
}

TEST(ClassicHolidaysTest, StopsAtTheEndOfTheSupportedYears)
{
    // 9999-12-26 is a Sunday: its substitute search runs into the end of the calendar and writes
    // nothing there instead of a record without a valid date.
    CPlanovaDoc document;
    for (int day = 26; day <= 31; ++day)
        StoreKindAndEvent(document, Date(9999, 12, day), "休日", "年末");
    MarkClassic(document, Date(9999, 12, 26), Date(9999, 12, 31));
    for (const CDayData& day : document.DayList())
        EXPECT_TRUE(day.GetDate().IsValid());
    EXPECT_EQ(document.DayList().size(), 6u);
}
