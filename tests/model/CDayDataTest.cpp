#include "model/CDayData.h"
#include "model/CToDo.h"
#include "model/Clock.h"
#include "model/InvalidArgument.h"
#include "support/Numbered.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

using namespace planova;
using planova::test::Sj;

TEST(CDayDataTest, NewRecordIsEmptyWithColourZeroAndTodaysDate)
{
    const DateTime now = DateTime::FromDateTime(2012, 4, 5, 10, 30, 0);
    FixedNowScope clock(now);
    const CDayData day;
    EXPECT_EQ(day.GetDate(), now);
    for (int row = 0; row < CDayData::RowCount; ++row) {
        EXPECT_EQ(day.GetIro(row), 0);
        EXPECT_TRUE(day.GetJigenn(row).empty());
    }
    EXPECT_TRUE(day.GetJitei().empty());
    EXPECT_TRUE(day.GetMemo().empty());
}

TEST(CDayDataTest, ColoursOutsideTheTableAreStoredAsZero)
{
    CDayData day;
    struct Case
    {
        int Stored;
        int Read;
    };
    for (const Case c :
         {Case{0, 0}, Case{7, 7}, Case{3, 3}, Case{8, 0}, Case{9, 0}, Case{-1, 0}, Case{65536 + 2, 0}}) {
        day.SetIro(3, c.Stored);
        EXPECT_EQ(day.GetIro(3), c.Read) << c.Stored;
    }
}

TEST(CDayDataTest, RowIndexOutsideTheTenRowsIsRejectedAndChangesNothing)
{
    CDayData day;
    day.SetYotei(9, "x");
    for (int row : {-1, 10, 100}) {
        EXPECT_THROW(day.SetYotei(row, "y"), InvalidArgument);
        EXPECT_THROW(day.GetJigenn(row), InvalidArgument);
        EXPECT_THROW(day.GetNaiyou(row), InvalidArgument);
        EXPECT_THROW(day.SetIro(row, 1), InvalidArgument);
        EXPECT_THROW(day.GetIro(row), InvalidArgument);
    }
    EXPECT_EQ(day.GetYotei(9), "x");
}

TEST(CDayDataTest, SetDateForms)
{
    CDayData day;
    day.SetDate(DateTime::FromDateTime(2012, 4, 1, 15, 45, 10));
    EXPECT_EQ(day.GetDate(), DateTime::FromDate(2012, 4, 1));
    day.SetDate(2013, 2, 29);
    EXPECT_FALSE(day.GetDate().IsValid());
    day.SetDate(2012, 13, 1);
    EXPECT_FALSE(day.GetDate().IsValid());
    day.SetDate(DateTime::FromDate(2012, 5, 5));
    day.SetDate(DateTime::Invalid());
    EXPECT_FALSE(day.GetDate().IsValid());
}

namespace {

CDayData FilledDay(const char* kind)
{
    CDayData day;
    day.SetDate(2012, 4, 2);
    day.SetJitei(Sj(kind));
    day.SetGyouji(Sj("開校記念日"));
    for (int row = 0; row < CDayData::RowCount; ++row) {
        day.SetJigenn(row, test::Numbered("L", row));
        day.SetYotei(row, test::Numbered("P", row));
        day.SetNaiyou(row, test::Numbered("C", row));
        day.SetIro(row, row % 8);
    }
    day.SetMemo(Sj("メモ"));
    return day;
}

} // namespace

TEST(CDayDataTest, StandardDayLeavesOnlyLabelsAndKind)
{
    CDayData day = FilledDay("休日");
    day.SetStandardDay();
    EXPECT_EQ(day.GetJitei(), Sj("50分時程"));
    EXPECT_TRUE(day.GetGyouji().empty());
    const char* labels[] = {"朝", "①", "②", "③", "④", "昼", "⑤", "⑥", "放", ""};
    for (int row = 0; row < CDayData::RowCount; ++row) {
        EXPECT_EQ(day.GetJigenn(row), Sj(labels[row])) << row;
        EXPECT_TRUE(day.GetYotei(row).empty());
        EXPECT_TRUE(day.GetNaiyou(row).empty());
        EXPECT_EQ(day.GetIro(row), 0);
    }
    EXPECT_TRUE(day.GetMemo().empty());
    EXPECT_EQ(day.GetDate(), DateTime::FromDate(2012, 4, 2));
}

TEST(CDayDataTest, SchoolDayRowsEmptyTheEventAndKeepThePlans)
{
    CDayData day = FilledDay("45分時程");
    day.SetSchoolDayRows();
    EXPECT_EQ(day.GetJitei(), Sj("50分時程"));
    EXPECT_TRUE(day.GetGyouji().empty());
    EXPECT_EQ(day.GetJigenn(1), Sj("①"));
    EXPECT_EQ(day.GetJigenn(9), "");
    EXPECT_EQ(day.GetYotei(4), "P4");
    EXPECT_EQ(day.GetNaiyou(4), "C4");
    EXPECT_EQ(day.GetIro(5), 5);
    EXPECT_EQ(day.GetMemo(), Sj("メモ"));
}

TEST(CDayDataTest, ClockHourRowsEmptyOnlyThe50MinuteKind)
{
    struct Case
    {
        const char* Kind;
        const char* After;
    };
    for (const Case c : {Case{"50分時程", ""}, Case{"45分時程", "45分時程"}, Case{"休日", "休日"}}) {
        CDayData day = FilledDay(c.Kind);
        day.SetClockHourRows();
        EXPECT_EQ(day.GetJitei(), Sj(c.After)) << c.Kind;
        EXPECT_EQ(day.GetGyouji(), Sj("開校記念日"));
        EXPECT_EQ(day.GetJigenn(0), "08");
        EXPECT_EQ(day.GetJigenn(9), "17");
        EXPECT_EQ(day.GetYotei(2), "P2");
    }
}

TEST(CDayDataTest, ClearDayEmptiesEverythingAndTakesTheDate)
{
    CDayData day = FilledDay("50分時程");
    day.ClearDay(DateTime::FromDateTime(2012, 5, 1, 8, 0, 0));
    CDayData expected;
    expected.SetDate(2012, 5, 1);
    EXPECT_EQ(day, expected);
}

TEST(CDayDataTest, WeekdayLetters)
{
    const char* letters[] = {"日", "月", "火", "水", "木", "金", "土"};
    CDayData day;
    for (int d = 1; d <= 7; ++d) {
        day.SetDate(2012, 1, d); // 1 January 2012 is a Sunday
        EXPECT_EQ(day.WeekdayLetter(), Sj(letters[d - 1])) << d;
    }
    day.SetDate(2012, 2, 30);
    EXPECT_EQ(day.WeekdayLetter(), Sj("日"));
}

TEST(CToDoTest, NewItemDefaultsAndDeadline)
{
    const DateTime now = DateTime::FromDateTime(2012, 4, 5, 10, 30, 15);
    FixedNowScope clock(now);
    CToDo item;
    EXPECT_EQ(item.GetKennmei(), Sj("件名"));
    EXPECT_EQ(item.GetJyuuyoudo(), "A1");
    EXPECT_TRUE(item.GetMemo().empty());
    EXPECT_TRUE(item.GetKigenn().IsIdenticalTo(now));
    item.SetKigenn(2012, 6, 30);
    EXPECT_EQ(item.GetKigenn(), DateTime::FromDate(2012, 6, 30));
    item.SetKigenn(2012, 6, 31);
    EXPECT_FALSE(item.GetKigenn().IsValid());
}
