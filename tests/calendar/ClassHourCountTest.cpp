#include "calendar/ClassHourCount.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <array>

using namespace planova;
using namespace planova::test;

namespace {

void StorePlans(CPlanovaDoc& document, const DateTime& date,
                std::initializer_list<std::pair<int, const char*>> plans, const char* kind = "50分時程")
{
    document.UpdateDay(date, [&](CDayData& day) {
        day.SetJitei(Sj(kind));
        for (const auto& [row, plan] : plans)
            day.SetYotei(row, Sj(plan));
    });
}

std::vector<std::string> Names(std::initializer_list<const char*> utf8)
{
    std::vector<std::string> names;
    for (const char* name : utf8)
        names.push_back(Sj(name));
    return names;
}

} // namespace

TEST(ClassHourCountTest, OnlyTheWholePlanMatches)
{
    CPlanovaDoc document;
    StorePlans(document, Date(2012, 4, 9), {{1, "国語"}, {2, "国語A"}, {3, " 国語"}, {4, "国"}, {6, "国語"}});
    StorePlans(document, Date(2012, 4, 10), {{1, "国語"}, {9, "国語"}});
    // Every row of every day counts, whatever the day's kind.
    StorePlans(document, Date(2012, 4, 14), {{0, "国語"}}, "休日");

    const std::vector<std::string> names = Names({"国語", "国語A", "国", "", "数学", "国語"});
    const std::vector<int> counts = CountClassHours(document, names, Date(2012, 4, 1), Date(2012, 4, 30));
    // A name given twice is counted for both entries; an empty name never counts.
    EXPECT_EQ(counts, (std::vector<int>{5, 1, 1, 0, 0, 5}));
}

TEST(ClassHourCountTest, RangeEndsAreIncluded)
{
    struct Case
    {
        DateTime First;
        DateTime Last;
        int Expected;
    };
    CPlanovaDoc document;
    for (DateTime day = Date(2011, 4, 1); !Date(2013, 3, 31).IsEarlierThan(day); day = day.AddDays(1))
        StorePlans(document, day, {{1, "1組"}});
    for (const Case& c :
         {Case{Date(2011, 4, 1), Date(2012, 3, 31), 366}, Case{Date(2012, 4, 1), Date(2013, 3, 31), 365},
          Case{Date(2012, 4, 1), Date(2012, 4, 1), 1}, Case{Date(2012, 4, 2), Date(2012, 4, 1), 0},
          Case{DateTime::Invalid(), Date(2012, 4, 1), 0}}) {
        const std::vector<std::string> names = Names({"1組"});
        EXPECT_EQ(CountClassHours(document, names, c.First, c.Last), std::vector<int>{c.Expected});
    }
}

TEST(ClassHourCountTest, TenNamesFromTheSettingsAndNothingChanges)
{
    CPlanovaDoc document;
    StorePlans(document, Date(2012, 4, 9), {{1, "1組"}, {2, "2組"}, {3, "10組"}});
    document.Class[0] = Sj("1組");
    document.Class[1] = Sj("2組");
    document.Class[9] = Sj("10組");
    document.SetModified(false);
    const std::vector<CDayData> days = document.DayList();

    const std::vector<int> counts =
        CountClassHours(document, document.Class, Date(2012, 4, 1), Date(2012, 4, 30));
    EXPECT_EQ(counts, (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(document.DayList(), days);
    EXPECT_FALSE(document.IsModified());
}
