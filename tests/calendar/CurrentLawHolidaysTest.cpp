#include "calendar/CurrentLawHolidays.h"
#include "calendar/Holidays.h"
#include "calendar/ToolDates.h"
#include "model/Cp932Codec.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace planova;
using namespace planova::test;

namespace {

/// The law's holiday name on the date in UTF-8, or the empty text.
std::string LawHolidayOn(int year, int month, int day)
{
    const std::chrono::sys_days date{std::chrono::year{year} / month / day};
    for (const LawHoliday& holiday : CurrentLawHolidays(year)) {
        if (holiday.Date == date)
            return Cp932ToUtf8(*holiday.Name);
    }
    return {};
}

struct Known
{
    int Year;
    int Month;
    int Day;
    const char* Name; ///< empty: no holiday
};

// Holidays around every year in which the law or its application changed.
// clang-format off
constexpr Known KnownDays[] = {
    // 1948: the law starts on 20 July; the first holidays are in autumn.
    {1948, 5, 3, ""}, {1948, 9, 23, "秋分の日"}, {1948, 11, 3, "文化の日"}, {1948, 11, 23, "勤労感謝の日"},
    {1949, 1, 1, "元日"}, {1949, 1, 15, "成人の日"}, {1949, 3, 21, "春分の日"}, {1949, 4, 29, "天皇誕生日"},
    {1959, 4, 10, "結婚の儀"},
    // 1966/1967: 敬老の日, 体育の日, 建国記念の日.
    {1965, 9, 15, ""}, {1966, 9, 15, "敬老の日"}, {1966, 10, 10, "体育の日"}, {1966, 2, 11, ""},
    {1967, 2, 11, "建国記念の日"},
    // 1973: substitute holidays from 12 April (11 February was a Sunday before it).
    {1973, 2, 12, ""}, {1973, 4, 30, "振替休日"},
    // 1985/1988: the day between two holidays, but not a Sunday or a substitute holiday.
    {1986, 5, 4, ""}, {1987, 5, 4, "振替休日"}, {1988, 5, 4, "国民の休日"},
    // 1988/1989: the change of emperor.
    {1988, 4, 29, "天皇誕生日"}, {1988, 12, 23, ""}, {1989, 2, 24, "大喪の礼"}, {1989, 4, 29, "みどりの日"},
    {1989, 12, 23, "天皇誕生日"}, {1990, 11, 12, "即位礼正殿の儀"}, {1993, 6, 9, "結婚の儀"},
    // 1996: 海の日.
    {1995, 7, 20, ""}, {1996, 7, 20, "海の日"},
    // 2000: 成人の日 and 体育の日 move to Mondays.
    {1999, 1, 15, "成人の日"}, {1999, 10, 10, "体育の日"}, {1999, 10, 11, "振替休日"}, {2000, 1, 10, "成人の日"},
    {2000, 1, 15, ""}, {2000, 10, 9, "体育の日"}, {2000, 10, 10, ""},
    // 2003: 海の日 and 敬老の日 move to Mondays.
    {2002, 7, 20, "海の日"}, {2002, 9, 15, "敬老の日"}, {2002, 9, 16, "振替休日"}, {2003, 7, 20, ""},
    {2003, 7, 21, "海の日"}, {2003, 9, 15, "敬老の日"}, {2004, 9, 15, ""}, {2004, 9, 20, "敬老の日"},
    // 2006/2007: 昭和の日, みどりの日 on 4 May, and the substitute skips following holidays.
    {1998, 5, 4, "振替休日"}, {2003, 5, 6, ""}, {2006, 4, 29, "みどりの日"}, {2006, 5, 4, "国民の休日"},
    {2007, 4, 29, "昭和の日"}, {2007, 4, 30, "振替休日"}, {2007, 5, 4, "みどりの日"}, {2008, 5, 6, "振替休日"},
    {2009, 5, 6, "振替休日"}, {2009, 9, 22, "国民の休日"}, {2015, 9, 22, "国民の休日"},
    // 2016: 山の日.
    {2015, 8, 11, ""}, {2016, 8, 11, "山の日"},
    // 2018–2021: the new emperor, no 天皇誕生日 in 2019, the Olympic years.
    {2018, 12, 23, "天皇誕生日"}, {2018, 12, 24, "振替休日"}, {2019, 2, 23, ""}, {2019, 4, 30, "国民の休日"},
    {2019, 5, 1, "天皇の即位の日"}, {2019, 5, 2, "国民の休日"}, {2019, 5, 6, "振替休日"}, {2019, 10, 14, "体育の日"},
    {2019, 10, 22, "即位礼正殿の儀"}, {2019, 12, 23, ""}, {2020, 2, 23, "天皇誕生日"}, {2020, 2, 24, "振替休日"},
    {2020, 5, 6, "振替休日"}, {2020, 7, 20, ""}, {2020, 7, 23, "海の日"}, {2020, 7, 24, "スポーツの日"},
    {2020, 8, 10, "山の日"}, {2020, 8, 11, ""}, {2020, 10, 12, ""}, {2020, 12, 23, ""},
    {2021, 7, 19, ""}, {2021, 7, 22, "海の日"}, {2021, 7, 23, "スポーツの日"}, {2021, 8, 8, "山の日"},
    {2021, 8, 9, "振替休日"}, {2021, 10, 11, ""},
    {2022, 7, 18, "海の日"}, {2022, 8, 11, "山の日"}, {2022, 10, 10, "スポーツの日"},
};
// clang-format on

struct EquinoxDays
{
    int Year;
    int Vernal;
    int Autumnal;
};

// The announced equinox days (and, for the later years, those the formula gives).
// clang-format off
constexpr EquinoxDays KnownEquinoxes[] = {
    {1970, 21, 23}, {1971, 21, 24}, {1972, 20, 23}, {1973, 21, 23}, {1974, 21, 23},
    {1975, 21, 24}, {1976, 20, 23}, {1977, 21, 23}, {1978, 21, 23}, {1979, 21, 24},
    {1980, 20, 23}, {1981, 21, 23}, {1982, 21, 23}, {1983, 21, 23}, {1984, 20, 23},
    {1985, 21, 23}, {1986, 21, 23}, {1987, 21, 23}, {1988, 20, 23}, {1989, 21, 23},
    {1990, 21, 23}, {1991, 21, 23}, {1992, 20, 23}, {1993, 20, 23}, {1994, 21, 23},
    {1995, 21, 23}, {1996, 20, 23}, {1997, 20, 23}, {1998, 21, 23}, {1999, 21, 23},
    {2000, 20, 23}, {2001, 20, 23}, {2002, 21, 23}, {2003, 21, 23}, {2004, 20, 23},
    {2005, 20, 23}, {2006, 21, 23}, {2007, 21, 23}, {2008, 20, 23}, {2009, 20, 23},
    {2010, 21, 23}, {2011, 21, 23}, {2012, 20, 22}, {2013, 20, 23}, {2014, 21, 23},
    {2015, 21, 23}, {2016, 20, 22}, {2017, 20, 23}, {2018, 21, 23}, {2019, 21, 23},
    {2020, 20, 22}, {2021, 20, 23}, {2022, 21, 23}, {2023, 21, 23}, {2024, 20, 22},
    {2025, 20, 23}, {2026, 20, 23}, {2027, 21, 23}, {2028, 20, 22}, {2029, 20, 23},
    {2030, 20, 23},
};
// clang-format on

using KindEvent = std::pair<std::string, std::string>;

KindEvent Holiday(const char* name)
{
    return {"休日", name};
}

} // namespace

TEST(CurrentLawHolidaysTest, KnownDaysAcrossTheBoundaryYears)
{
    for (const Known& known : KnownDays)
        EXPECT_EQ(LawHolidayOn(known.Year, known.Month, known.Day), known.Name)
            << known.Year << "-" << known.Month << "-" << known.Day;
}

TEST(CurrentLawHolidaysTest, EquinoxDays)
{
    for (const EquinoxDays& known : KnownEquinoxes) {
        EXPECT_EQ(EquinoxDay(Equinox::Vernal, known.Year), known.Vernal) << known.Year;
        EXPECT_EQ(EquinoxDay(Equinox::Autumnal, known.Year), known.Autumnal) << known.Year;
        EXPECT_EQ(LawHolidayOn(known.Year, 3, known.Vernal), "春分の日") << known.Year;
    }
    // Outside the years of the formula there is no equinox day rather than a guessed one.
    EXPECT_EQ(EquinoxDay(Equinox::Vernal, FirstEquinoxYear - 1), 0);
    EXPECT_EQ(EquinoxDay(Equinox::Autumnal, LastEquinoxYear + 1), 0);
    EXPECT_NE(EquinoxDay(Equinox::Autumnal, LastEquinoxYear), 0);
}

TEST(CurrentLawHolidaysTest, EveryYearIsOrderedAndWellFormed)
{
    EXPECT_TRUE(CurrentLawHolidays(1947).empty());
    for (int year = 1948; year <= LastEquinoxYear + 1; ++year) {
        const std::vector<LawHoliday> holidays = CurrentLawHolidays(year);
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            const std::chrono::year_month_day date{holidays[i].Date};
            EXPECT_EQ(static_cast<int>(date.year()), year);
            if (i > 0) {
                EXPECT_LT(holidays[i - 1].Date, holidays[i].Date) << "two holidays on one day in " << year;
            }
            if (holidays[i].Kind == LawHolidayKind::Substitute) {
                EXPECT_NE(std::chrono::weekday{holidays[i].Date}, std::chrono::Sunday);
                EXPECT_EQ(std::chrono::weekday{holidays[i].Cause}, std::chrono::Sunday);
            }
        }
    }
}

TEST(CurrentLawHolidaysTest, MarksOnlyTheHolidaysOfTheRange)
{
    CPlanovaDoc document;
    StoreKindAndEvent(document, Date(2020, 12, 23), "50分時程", "終業式");
    StoreKindAndEvent(document, Date(2020, 2, 23), "", "日曜参観");
    MarkHolidays(document, Date(2020, 1, 1), Date(2020, 12, 31));

    EXPECT_EQ(KindAndEvent(document, Date(2020, 2, 23)), Holiday("天皇誕生日"));
    EXPECT_EQ(KindAndEvent(document, Date(2020, 2, 24)), Holiday("振替休日"));
    EXPECT_EQ(KindAndEvent(document, Date(2020, 3, 20)), Holiday("春分の日"));
    EXPECT_EQ(KindAndEvent(document, Date(2020, 10, 1)), Holiday("都民の日"));
    EXPECT_EQ(KindAndEvent(document, Date(2020, 12, 23)), KindEvent("50分時程", "終業式"));
    // 16 national holidays, 2 substitute holidays, 都民の日 and the school day; nothing else is stored.
    EXPECT_EQ(document.DayList().size(), 16u + 2u + 1u + 1u);
}

TEST(CurrentLawHolidaysTest, TominNoHiIsAnOptionFrom1952AndNeverGivesASubstitute)
{
    struct Case
    {
        int Year;
        bool Tomin;
        KindEvent Expected;
    };
    for (const Case& c : {Case{1951, true, {}}, Case{1952, true, Holiday("都民の日")},
                          Case{2017, true, Holiday("都民の日")}, Case{2017, false, {}}}) {
        CPlanovaDoc document;
        MarkHolidays(document, Date(c.Year, 9, 30), Date(c.Year, 10, 3),
                     HolidayOptions{HolidayRuleSet::CurrentLaw,
                                    c.Tomin ? DefaultLocalHolidays() : std::vector<LocalHoliday>{}});
        EXPECT_EQ(KindAndEvent(document, Date(c.Year, 10, 1)), c.Expected) << c.Year << " " << c.Tomin;
        EXPECT_EQ(KindAndEvent(document, Date(c.Year, 10, 2)), KindEvent{})
            << c.Year; // 2017-10-01 is a Sunday
    }
}

TEST(CurrentLawHolidaysTest, SubstituteOwedByTheRangeIsMarkedAfterIt)
{
    struct Case
    {
        DateTime Last;
        std::vector<std::pair<DateTime, KindEvent>> After;
    };
    const Case cases[] = {
        // Sunday 3 May 2020 on the last day: 4, 5 and the substitute 6 May are marked.
        {Date(2020, 5, 3),
         {{Date(2020, 5, 4), Holiday("みどりの日")},
          {Date(2020, 5, 5), Holiday("こどもの日")},
          {Date(2020, 5, 6), Holiday("振替休日")},
          {Date(2020, 5, 7), {}}}},
        {Date(2020, 5, 4),
         {{Date(2020, 5, 5), Holiday("こどもの日")}, {Date(2020, 5, 6), Holiday("振替休日")}}},
        // Saturday 2 May owes nothing: the holidays after the range stay untouched.
        {Date(2020, 5, 2), {{Date(2020, 5, 3), {}}, {Date(2020, 5, 6), {}}}},
        // Sunday 31 December never holds a holiday, 1 January is not owed by it.
        {Date(2017, 12, 31), {{Date(2018, 1, 1), {}}}},
    };
    for (const Case& c : cases) {
        CPlanovaDoc document;
        MarkHolidays(document, c.Last.AddDays(-10), c.Last);
        for (const auto& [date, expected] : c.After)
            EXPECT_EQ(KindAndEvent(document, date), expected)
                << JapaneseDate(c.Last) << " / " << JapaneseDate(date);
    }
}

TEST(CurrentLawHolidaysTest, RuleSetsDifferWhereTheClassicTableIsOutdated)
{
    struct Case
    {
        DateTime Day;
        KindEvent Classic;
        KindEvent Current;
    };
    const Case cases[] = {
        {Date(2024, 12, 23), Holiday("天皇誕生日"), {}},
        {Date(2024, 2, 23), {}, Holiday("天皇誕生日")},
        {Date(2024, 3, 20), Holiday("春分の日"), Holiday("春分の日")},
        {Date(2025, 3, 20), Holiday("春分の日"), Holiday("春分の日")},
        {Date(2023, 3, 20), Holiday("春分の日"), {}},
        {Date(2023, 3, 21), {}, Holiday("春分の日")},
        {Date(2024, 9, 22), {}, Holiday("秋分の日")},
        {Date(2024, 10, 14), Holiday("体育の日"), Holiday("スポーツの日")},
    };
    for (const Case& c : cases) {
        CPlanovaDoc classic;
        CPlanovaDoc current;
        MarkHolidays(classic, c.Day, c.Day, HolidayOptions{HolidayRuleSet::Classic});
        MarkHolidays(current, c.Day, c.Day);
        EXPECT_EQ(KindAndEvent(classic, c.Day), c.Classic) << JapaneseDate(c.Day);
        EXPECT_EQ(KindAndEvent(current, c.Day), c.Current) << JapaneseDate(c.Day);
    }
}

TEST(CurrentLawHolidaysTest, NoHolidaysBeforeTheLaw)
{
    CPlanovaDoc document;
    MarkHolidays(document, Date(1900, 1, 1), Date(1947, 12, 31));
    EXPECT_TRUE(document.DayList().empty());
}
