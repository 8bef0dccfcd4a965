#include "calendar/SchoolYear.h"
#include "calendar/DateWalk.h"
#include "calendar/Timetable.h"
#include "model/Cp932Codec.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

using namespace planova;
using namespace planova::test;

namespace {

const char* const SchoolLabels = "朝①②③④昼⑤⑥放";
const char* const ClockLabels = "08091011121314151617";

/// What a stored day looks like after the run, in UTF-8.
struct DayOutcome
{
    std::string Kind;
    std::string Event;
    std::string Labels;      ///< all ten labels joined
    std::string FirstLesson; ///< plan of row 1
    std::string FifthLesson; ///< plan of row 6

    bool operator==(const DayOutcome&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const DayOutcome& day)
    {
        return out << "{" << day.Kind << ", " << day.Event << ", " << day.Labels << ", " << day.FirstLesson
                   << ", " << day.FifthLesson << "}";
    }
};

DayOutcome DayOutcomeOf(const CPlanovaDoc& document, const DateTime& date)
{
    const CDayData* day = StoredDay(document, date);
    if (day == nullptr)
        return {"(not stored)", "", "", "", ""};
    std::string labels;
    for (int row = 0; row < CDayData::RowCount; ++row)
        labels += day->GetJigenn(row);
    return {Cp932ToUtf8(day->GetJitei()), Cp932ToUtf8(day->GetGyouji()), Cp932ToUtf8(labels),
            Cp932ToUtf8(day->GetYotei(1)), Cp932ToUtf8(day->GetYotei(6))};
}

DayOutcome SchoolDay(const char* firstLesson, const char* fifthLesson)
{
    return {"50分時程", "", SchoolLabels, firstLesson, fifthLesson};
}

DayOutcome DayOff(const char* kind, const char* event, const char* firstLesson = "")
{
    return {kind, event, ClockLabels, firstLesson, ""};
}

class SchoolYearTest : public ::testing::Test
{
protected:
    SchoolYearTest()
    {
        // Timetable texts name their weekday and period: "月1" … "土6".
        const char* weekdays[] = {"月", "火", "水", "木", "金", "土"};
        for (int w = 0; w < 6; ++w) {
            for (int p = 0; p < 6; ++p)
                document.Jikannwari[static_cast<std::size_t>(w * 6 + p)] =
                    Sj((weekdays[w] + std::to_string(p + 1)).c_str());
        }
    }

    static SchoolYearParameters Parameters(const DateTime& start, const DateTime& end)
    {
        SchoolYearParameters parameters = SchoolYearParameters::Defaults(Date(2012, 2, 15), false);
        parameters.Start = start;
        parameters.End = end;
        return parameters;
    }

    void StorePlan(const DateTime& date, const char* kind, const char* event, const char* firstLesson)
    {
        document.UpdateDay(date, [&](CDayData& day) {
            day.SetSchoolDayRows();
            day.SetJitei(Sj(kind));
            day.SetGyouji(Sj(event));
            day.SetYotei(1, Sj(firstLesson));
        });
    }

    void Make(const SchoolYearParameters& parameters)
    {
        const Outcome result = MakeSchoolYear(document, parameters);
        ASSERT_TRUE(result.Ok) << result.Error;
    }

    CPlanovaDoc document;
};

} // namespace

TEST_F(SchoolYearTest, DefaultsOfTheDialog)
{
    const SchoolYearParameters defaults =
        SchoolYearParameters::Defaults(DateTime::FromDateTime(2012, 2, 15, 10, 30, 0), true);
    EXPECT_EQ(defaults.Start, Date(2012, 4, 1));
    EXPECT_EQ(defaults.End, Date(2013, 3, 31));
    struct Expected
    {
        const VacationPeriod& Vacation;
        MonthDay First;
        MonthDay Last;
    };
    for (const Expected& e :
         {Expected{defaults.Days.Spring, {3, 26}, {4, 5}}, Expected{defaults.Days.Summer, {7, 21}, {8, 31}},
          Expected{defaults.Days.Autumn, {10, 1}, {10, 1}},
          Expected{defaults.Days.Winter, {12, 26}, {1, 7}}}) {
        EXPECT_TRUE(e.Vacation.On);
        EXPECT_EQ(e.Vacation.First, e.First);
        EXPECT_EQ(e.Vacation.Last, e.Last);
    }
    EXPECT_FALSE(defaults.Days.FoundationDayOn);
    EXPECT_EQ(defaults.Days.FoundationDay, (MonthDay{2, 15}));
    EXPECT_TRUE(defaults.Days.OverwritePlans);
    EXPECT_EQ(defaults.Holidays.RuleSet, HolidayRuleSet::CurrentLaw);
    EXPECT_EQ(defaults.Holidays.LocalHolidays, DefaultLocalHolidays());
}

TEST_F(SchoolYearTest, WhatEachKindOfDayBecomes)
{
    StorePlan(Date(2012, 4, 2), "50分時程", "春休み", "自習");    // vacation weekday
    StorePlan(Date(2012, 4, 7), "50分時程", "土曜授業", "");      // Saturday
    StorePlan(Date(2012, 4, 12), "休日", "創立記念行事", "式典"); // holiday set by the user
    StorePlan(Date(2012, 5, 2), "50分時程", "遠足", "国語");      // school day with an event
    StorePlan(Date(2012, 5, 7), "45分時程", "", "");
    StorePlan(Date(2012, 5, 8), "振替休業日", "", "");
    document.UpdateDay(Date(2012, 5, 2), [&](CDayData& day) {
        day.SetNaiyou(1, Sj("漢字"));
        day.SetIro(1, 3);
        day.SetMemo(Sj("雨天延期"));
    });

    SchoolYearParameters parameters = Parameters(Date(2012, 4, 2), Date(2012, 5, 8));
    parameters.Days.FoundationDayOn = true;
    parameters.Days.FoundationDay = {4, 10};
    Make(parameters);

    struct Case
    {
        DateTime Day;
        DayOutcome Expected;
    };
    const Case cases[] = {
        {Date(2012, 4, 2), DayOff("", "春休み", "自習")},
        {Date(2012, 4, 5), DayOff("", "")},
        {Date(2012, 4, 6), SchoolDay("金1", "金5")},
        {Date(2012, 4, 7), DayOff("", "土曜授業")},
        {Date(2012, 4, 8), DayOff("", "")},
        {Date(2012, 4, 10), DayOff("休日", "開校記念日")},
        {Date(2012, 4, 12), DayOff("休日", "創立記念行事", "式典")},
        {Date(2012, 4, 29), DayOff("休日", "昭和の日")},
        {Date(2012, 4, 30), DayOff("休日", "振替休日")},
        {Date(2012, 5, 1), SchoolDay("火1", "火5")},
        {Date(2012, 5, 2), SchoolDay("国語水1", "水5")},
        {Date(2012, 5, 3), DayOff("休日", "憲法記念日")},
        {Date(2012, 5, 7), SchoolDay("月1", "月5")},
        {Date(2012, 5, 8), SchoolDay("火1", "火5")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayOutcomeOf(document, c.Day), c.Expected) << JapaneseDate(c.Day);

    const CDayData& kept = *StoredDay(document, Date(2012, 5, 2));
    EXPECT_EQ(kept.GetNaiyou(1), Sj("漢字"));
    EXPECT_EQ(kept.GetIro(1), 3);
    EXPECT_EQ(kept.GetMemo(), Sj("雨天延期"));
    // Every day of the range is stored, and nothing else.
    EXPECT_EQ(document.DayList().size(), 37u);
}

TEST_F(SchoolYearTest, FoundationDayOnlyOnAnOrdinarySchoolDay)
{
    struct Case
    {
        MonthDay Foundation;
        DayOutcome Expected;
    };
    const Case cases[] = {
        {{4, 11}, DayOff("休日", "開校記念日")},
        {{4, 7}, DayOff("", "")},              // Saturday
        {{4, 30}, DayOff("休日", "振替休日")}, // holiday
        {{4, 3}, DayOff("", "")},              // spring vacation
    };
    for (const Case& c : cases) {
        CPlanovaDoc fresh;
        SchoolYearParameters parameters = Parameters(Date(2012, 4, 1), Date(2012, 4, 30));
        parameters.Days.FoundationDayOn = true;
        parameters.Days.FoundationDay = c.Foundation;
        ASSERT_TRUE(MakeSchoolYear(fresh, parameters).Ok);
        EXPECT_EQ(DayOutcomeOf(fresh, c.Foundation.InYear(2012)), c.Expected) << c.Foundation.JapaneseText();
    }
}

TEST_F(SchoolYearTest, VacationDatesAndTheYearEnd)
{
    struct Case
    {
        const char* Name;
        VacationPeriod Winter;
        VacationPeriod Spring;
        std::vector<std::pair<DateTime, bool>> VacationWeekdays; ///< date, whether it is a vacation day
    };
    const VacationPeriod defaultSpring{true, {3, 26}, {4, 5}};
    const Case cases[] = {
        {"winter across the year end",
         {true, {12, 26}, {1, 7}},
         defaultSpring,
         {{Date(2012, 12, 25), false},
          {Date(2012, 12, 26), true},
          {Date(2012, 12, 28), true},
          {Date(2013, 1, 7), true},
          {Date(2013, 1, 8), false},
          {Date(2013, 12, 27), true}}},
        // A winter vacation inside one calendar year is just that stretch of days.
        {"winter in December only",
         {true, {12, 20}, {12, 28}},
         defaultSpring,
         {{Date(2012, 12, 19), false},
          {Date(2012, 12, 20), true},
          {Date(2013, 1, 7), false},
          {Date(2013, 6, 3), false}}},
        {"winter in January only",
         {true, {1, 5}, {1, 7}},
         defaultSpring,
         {{Date(2012, 12, 27), false},
          {Date(2013, 1, 7), true},
          {Date(2013, 1, 8), false},
          {Date(2013, 6, 3), false}}},
        {"winter switched off",
         {false, {12, 26}, {1, 7}},
         defaultSpring,
         {{Date(2012, 12, 26), false}, {Date(2013, 1, 7), false}}},
        // A spring vacation whose first day is after its last never applies.
        {"reversed spring",
         {true, {12, 26}, {1, 7}},
         {true, {4, 5}, {3, 26}},
         {{Date(2013, 3, 26), false}, {Date(2013, 4, 1), false}, {Date(2013, 4, 5), false}}},
        // 29 February exists only in leap years: the vacation has no last day in 2013.
        {"vacation ending on 29 February",
         {true, {12, 26}, {1, 7}},
         {true, {2, 27}, {2, 29}},
         {{Date(2012, 2, 27), true},
          {Date(2012, 2, 29), true},
          {Date(2013, 2, 27), false},
          {Date(2013, 2, 28), false}}},
    };
    for (const Case& c : cases) {
        CPlanovaDoc fresh;
        SchoolDayRules rules;
        rules.Winter = c.Winter;
        rules.Spring = c.Spring;
        FillSchoolDays(fresh, Date(2012, 1, 1), Date(2013, 12, 31), rules);
        for (const auto& [date, vacation] : c.VacationWeekdays) {
            const std::string expectedKind = vacation ? "" : "50分時程";
            EXPECT_EQ(DayOutcomeOf(fresh, date).Kind, expectedKind) << c.Name << ": " << JapaneseDate(date);
        }
    }
}

TEST_F(SchoolYearTest, FoundationDayOn29February)
{
    SchoolYearParameters parameters = Parameters(Date(2012, 2, 27), Date(2013, 3, 1));
    parameters.Days.FoundationDayOn = true;
    parameters.Days.FoundationDay = {2, 29};
    Make(parameters);
    EXPECT_EQ(DayOutcomeOf(document, Date(2012, 2, 29)).Event, "開校記念日");
    EXPECT_EQ(DayOutcomeOf(document, Date(2013, 2, 28)).Kind, "50分時程");
    EXPECT_EQ(DayOutcomeOf(document, Date(2013, 3, 1)).Kind, "50分時程");
}

TEST_F(SchoolYearTest, TimetableAppendedOrOverwritten)
{
    struct Case
    {
        bool Overwrite;
        int Runs;
        const char* FirstLesson;
    };
    for (const Case c : {Case{false, 1, "国語火1"}, Case{false, 2, "国語火1火1"}, Case{true, 1, "火1"},
                         Case{true, 2, "火1"}}) {
        CPlanovaDoc fresh;
        fresh.Jikannwari = document.Jikannwari;
        fresh.UpdateDay(Date(2012, 5, 1), [&](CDayData& day) {
            day.SetYotei(0, Sj("朝読書"));
            day.SetYotei(1, Sj("国語"));
        });
        SchoolYearParameters parameters = Parameters(Date(2012, 5, 1), Date(2012, 5, 1));
        parameters.Days.OverwritePlans = c.Overwrite;
        for (int run = 0; run < c.Runs; ++run)
            ASSERT_TRUE(MakeSchoolYear(fresh, parameters).Ok);
        const CDayData& day = *StoredDay(fresh, Date(2012, 5, 1));
        EXPECT_EQ(Cp932ToUtf8(day.GetYotei(1)), c.FirstLesson) << c.Overwrite << " x" << c.Runs;
        EXPECT_EQ(Cp932ToUtf8(day.GetYotei(0)), "朝読書"); // 朝 is no lesson period
    }
}

TEST_F(SchoolYearTest, StartEqualToEndProcessesThatDay)
{
    Make(Parameters(Date(2012, 5, 1), Date(2012, 5, 1)));
    ASSERT_EQ(document.DayList().size(), 1u);
    EXPECT_EQ(DayOutcomeOf(document, Date(2012, 5, 1)), SchoolDay("火1", "火5"));
}

TEST_F(SchoolYearTest, WholeSchoolYear)
{
    Make(Parameters(Date(2012, 4, 1), Date(2013, 3, 31)));
    ASSERT_EQ(document.DayList().size(), 365u);
    for (std::size_t i = 0; i < document.DayList().size(); ++i)
        EXPECT_EQ(document.DayList()[i].GetDate(), Date(2012, 4, 1).AddDays(static_cast<int>(i)));
    // 1 October is 都民の日 before the (default) autumn vacation of the same day is looked at.
    EXPECT_EQ(DayOutcomeOf(document, Date(2012, 10, 1)), DayOff("休日", "都民の日"));
    EXPECT_EQ(DayOutcomeOf(document, Date(2012, 12, 24)), DayOff("休日", "振替休日"));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(SchoolYearTest, RefusedParametersChangeNothing)
{
    struct Case
    {
        const char* Name;
        void (*Change)(SchoolYearParameters&);
        const char* Message;
    };
    const Case cases[] = {
        {"start after end", [](SchoolYearParameters& p) { p.Start = Date(2013, 4, 1); },
         "作成期間の開始日（2013年4月1日）が終了日（2013年3月31日）より後になっています。"},
        {"invalid start", [](SchoolYearParameters& p) { p.Start = DateTime::Invalid(); },
         "作成期間の開始日と終了日には正しい日付を指定してください。"},
        {"reversed summer",
         [](SchoolYearParameters& p) {
             p.Days.Summer = {true, {8, 31}, {7, 21}};
         },
         "夏季休業日の最初の日（8月31日）が最後の日（7月21日）より後になっています。"},
        {"spring ending on 31 April",
         [](SchoolYearParameters& p) {
             p.Days.Spring.Last = {4, 31};
         },
         "春季休業日の最後の日（4月31日）は存在しない日付です。"},
        {"foundation day 30 February",
         [](SchoolYearParameters& p) {
             p.Days.FoundationDayOn = true;
             p.Days.FoundationDay = {2, 30};
         },
         "開校記念日（2月30日）は存在しない日付です。"},
    };
    for (const Case& c : cases) {
        CPlanovaDoc fresh;
        SchoolYearParameters parameters = Parameters(Date(2012, 4, 1), Date(2013, 3, 31));
        c.Change(parameters);
        const Outcome result = MakeSchoolYear(fresh, parameters);
        EXPECT_FALSE(result.Ok) << c.Name;
        EXPECT_EQ(result.Error.substr(0, std::string(c.Message).size()), c.Message) << c.Name;
        EXPECT_TRUE(fresh.DayList().empty()) << c.Name;
        EXPECT_FALSE(fresh.IsModified()) << c.Name;
    }
}

TEST_F(SchoolYearTest, AcceptedUnusualParameters)
{
    struct Case
    {
        const char* Name;
        void (*Change)(SchoolYearParameters&);
    };
    const Case cases[] = {
        {"winter running across the year end",
         [](SchoolYearParameters& p) {
             p.Days.Winter = {true, {12, 26}, {1, 7}};
         }},
        {"reversed vacation switched off",
         [](SchoolYearParameters& p) {
             p.Days.Autumn = {false, {10, 9}, {10, 1}};
         }},
        {"foundation day 30 February switched off",
         [](SchoolYearParameters& p) {
             p.Days.FoundationDay = {2, 30};
         }},
        {"29 February",
         [](SchoolYearParameters& p) {
             p.Days.Spring = {true, {2, 29}, {4, 5}};
         }},
    };
    for (const Case& c : cases) {
        SchoolYearParameters parameters = Parameters(Date(2012, 4, 1), Date(2012, 4, 1));
        c.Change(parameters);
        EXPECT_EQ(SchoolYearRefusal(parameters), "") << c.Name;
    }
}

TEST_F(SchoolYearTest, TimetableInsertionUsesTheDaysOwnWeekday)
{
    struct Case
    {
        DateTime Day;
        const char* FirstLesson;
    };
    for (const Case& c :
         {Case{Date(2012, 5, 5), "土1"}, Case{Date(2012, 5, 6), ""}, Case{Date(2012, 5, 4), "金1"}}) {
        CDayData day;
        day.ClearDay(c.Day);
        day.SetSchoolDayRows();
        InsertTimetable(day, document.Jikannwari, true);
        EXPECT_EQ(Cp932ToUtf8(day.GetYotei(1)), c.FirstLesson) << JapaneseDate(c.Day);
        EXPECT_EQ(day.GetYotei(0), "");
        EXPECT_EQ(day.GetYotei(5), "");
    }
}

TEST_F(SchoolYearTest, StepwiseRunMakesWhatTheWholeRunMakes)
{
    // Days before, inside and after the range, a holiday the user marked and a range whose last
    // holiday (Sunday 2012-12-23, 天皇誕生日) owes a substitute on the day after the end.
    StorePlan(Date(2012, 11, 30), "50分時程", "前の日", "前");
    StorePlan(Date(2012, 12, 5), "休日", "運動会の代休", "");
    StorePlan(Date(2012, 12, 24), "50分時程", "後の日", "後");
    StorePlan(Date(2013, 1, 8), "50分時程", "", "国語");
    const SchoolYearParameters parameters = Parameters(Date(2012, 12, 1), Date(2012, 12, 23));
    document.SetModified(false);
    CPlanovaDoc whole = document;
    ASSERT_TRUE(MakeSchoolYear(whole, parameters).Ok);

    std::vector<std::pair<int, int>> told;
    const SchoolYearRun run = MakeSchoolYearStepwise(document, parameters, [&](int written, int total) {
        told.emplace_back(written, total);
        return true;
    });
    EXPECT_TRUE(run.Result.Ok);
    EXPECT_FALSE(run.Stopped());
    EXPECT_EQ(run.DaysWritten, 23);
    EXPECT_EQ(run.DaysInRange, 23);
    ASSERT_EQ(told.size(), 23u);
    EXPECT_EQ(told.front(), std::make_pair(1, 23));
    EXPECT_EQ(told.back(), std::make_pair(23, 23));
    EXPECT_EQ(document.DayList(), whole.DayList());
    // The substitute holiday after the end is marked; the day itself is not filled.
    EXPECT_EQ(DayOutcomeOf(document, Date(2012, 12, 24)),
              (DayOutcome{"休日", "振替休日", SchoolLabels, "後", ""}));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(SchoolYearTest, StepwiseRunReachesAsFarPastTheEndAsTheWholeRun)
{
    // Classic rules: each "休日" Sunday owes a substitute on the first later day that is not "休日".
    // The range 2012-12-02 to 12-22 holds three Sundays (2, 9, 16) and, like the 40 days after it,
    // is all "休日"; so the three substitutes land on the first three school days after those 40
    // days (2013-02-01, 02, 03), each walk passing the one the walk before marked.
    const DateTime end = Date(2012, 12, 22);
    ForEachDate(Date(2012, 12, 2), end.AddDays(40),
                [&](const DateTime& date) { StorePlan(date, "休日", "冬休み", ""); });
    for (int n = 41; n <= 44; ++n)
        StorePlan(end.AddDays(n), "50分時程", "後の日", "後");
    SchoolYearParameters parameters = Parameters(Date(2012, 12, 2), end);
    parameters.Holidays.RuleSet = HolidayRuleSet::Classic;
    CPlanovaDoc whole = document;
    ASSERT_TRUE(MakeSchoolYear(whole, parameters).Ok);

    const SchoolYearRun run = MakeSchoolYearStepwise(document, parameters, [](int, int) { return true; });
    ASSERT_TRUE(run.Result.Ok);
    EXPECT_EQ(document.DayList(), whole.DayList());
    for (int n = 41; n <= 43; ++n)
        EXPECT_EQ(DayOutcomeOf(document, end.AddDays(n)).Event, "振替休日") << n;
    EXPECT_EQ(DayOutcomeOf(document, end.AddDays(44)).Event, "後の日");
}

TEST_F(SchoolYearTest, StoppedRunLeavesEveryDayWholeOrUntouched)
{
    // The range ends on Sunday 2012-12-23 (天皇誕生日), which owes a substitute holiday on the 24th.
    StorePlan(Date(2012, 12, 18), "50分時程", "", "国語");
    StorePlan(Date(2012, 12, 24), "50分時程", "後の日", "後");
    const SchoolYearParameters parameters = Parameters(Date(2012, 12, 10), Date(2012, 12, 23));
    CPlanovaDoc whole = document;
    ASSERT_TRUE(MakeSchoolYear(whole, parameters).Ok);
    const CPlanovaDoc before = document;

    for (const int stopAfter : {1, 7, 13}) {
        CPlanovaDoc stepped = before;
        const SchoolYearRun run = MakeSchoolYearStepwise(
            stepped, parameters, [&](int written, int) { return written < stopAfter; });
        EXPECT_TRUE(run.Stopped()) << stopAfter;
        EXPECT_EQ(run.DaysWritten, stopAfter);
        // Two days before the range to the substitute holiday after it.
        for (int n = -2; n <= 14; ++n) {
            const DateTime date = Date(2012, 12, 10).AddDays(n);
            const CPlanovaDoc& expected = n >= 0 && n < stopAfter ? whole : before;
            EXPECT_EQ(DayOutcomeOf(stepped, date), DayOutcomeOf(expected, date))
                << "stopped after " << stopAfter << ", day " << date.Day();
        }
    }
    EXPECT_EQ(DayOutcomeOf(whole, Date(2012, 12, 24)).Kind, "休日");
}

TEST_F(SchoolYearTest, StepwiseRunRefusesWhatTheWholeRunRefuses)
{
    StorePlan(Date(2012, 9, 18), "50分時程", "", "国語");
    const CPlanovaDoc before = document;
    int told = 0;
    const SchoolYearRun run = MakeSchoolYearStepwise(
        document, Parameters(Date(2012, 9, 23), Date(2012, 9, 1)), [&](int, int) { return ++told > 0; });
    EXPECT_FALSE(run.Result.Ok);
    EXPECT_NE(run.Result.Error.find("開始日"), std::string::npos) << run.Result.Error;
    EXPECT_FALSE(run.Stopped());
    EXPECT_EQ(told, 0);
    EXPECT_EQ(document.DayList(), before.DayList());
}
