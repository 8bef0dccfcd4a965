// The values of the three school-tool dialogs: "データの自動作成", "時数計算" and
// "「内容」の繰り上げ・繰り下げ"; and of the calendar server dialog of publish and import.

#include "dialogs/CalendarServerDialog.h"
#include "dialogs/ClassHourDialog.h"
#include "dialogs/ContentShiftDialog.h"
#include "dialogs/SchoolYearDialog.h"
#include "support/Cp932Literals.h"
#include "view/PlannerView.h"
#include "support/Dates.h"

#include <gtest/gtest.h>

#include <set>

using namespace planova;
using namespace planova::test;

namespace {

} // namespace

// ---- データの自動作成 ------------------------------------------------------------------------------

TEST(SchoolYearDialogTest, DefaultsAreComputedFromNow)
{
    const DateTime now = DateTime::FromDateTime(2024, 6, 12, 9, 30, 0);
    const SchoolYearDialogValues values = SchoolYearDialogDefaults(now, true);
    EXPECT_EQ(values.Start, Date(2024, 4, 1));
    EXPECT_EQ(values.End, Date(2025, 3, 31));
    struct Row
    {
        SchoolYearRow Row;
        bool On;
        DateTime First;
        DateTime Last;
    };
    for (const Row& row : {Row{SpringRow, true, Date(2024, 3, 26), Date(2024, 4, 5)},
                           Row{SummerRow, true, Date(2024, 7, 21), Date(2024, 8, 31)},
                           Row{AutumnRow, true, Date(2024, 10, 1), Date(2024, 10, 1)},
                           Row{WinterRow, true, Date(2024, 12, 26), Date(2025, 1, 7)}}) {
        const SwitchedDates& shown = values.Rows[row.Row];
        EXPECT_EQ(shown.On, row.On) << row.Row;
        EXPECT_EQ(shown.First, row.First) << row.Row;
        EXPECT_EQ(shown.Last, row.Last) << row.Row;
        EXPECT_TRUE(SchoolYearPickersEnabled(values, row.Row));
    }
    EXPECT_FALSE(values.Rows[FoundationRow].On);
    EXPECT_EQ(values.Rows[FoundationRow].First, now);
    EXPECT_FALSE(SchoolYearPickersEnabled(values, FoundationRow));
    EXPECT_TRUE(values.Overwrite);
    EXPECT_FALSE(SchoolYearDialogDefaults(now, false).Overwrite);
}

TEST(SchoolYearDialogTest, OnlyMonthAndDayOfTheSwitchedDatesCount)
{
    SchoolYearDialogValues values = SchoolYearDialogDefaults(Date(2024, 6, 12), false);
    values.Rows[SummerRow] = {true, Date(2031, 7, 25), Date(1999, 8, 25)};
    values.Rows[WinterRow].On = false;
    values.Rows[FoundationRow] = {true, DateTime::FromDateTime(2020, 2, 29, 13, 0, 0), {}};
    const SchoolYearParameters parameters = SchoolYearDialogParameters(values);
    EXPECT_EQ(parameters.Start, Date(2024, 4, 1));
    EXPECT_EQ(parameters.End, Date(2025, 3, 31));
    EXPECT_EQ(parameters.Days.Summer.First, (MonthDay{7, 25}));
    EXPECT_EQ(parameters.Days.Summer.Last, (MonthDay{8, 25}));
    EXPECT_FALSE(parameters.Days.Winter.On);
    EXPECT_TRUE(parameters.Days.FoundationDayOn);
    EXPECT_EQ(parameters.Days.FoundationDay, (MonthDay{2, 29}));
    EXPECT_EQ(parameters.Holidays.RuleSet, HolidayRuleSet::CurrentLaw);
    EXPECT_EQ(parameters.Holidays.LocalHolidays, DefaultLocalHolidays());
}

TEST(SchoolYearDialogTest, ReversedRangeIsRefusedWithItsDates)
{
    SchoolYearDialogValues values = SchoolYearDialogDefaults(Date(2024, 6, 12), false);
    EXPECT_EQ(SchoolYearDialogRefusal(values), "");
    values.Start = Date(2025, 4, 1);
    EXPECT_EQ(SchoolYearDialogRefusal(values),
              "作成期間の開始日（2025年4月1日）が終了日（2025年3月31日）より後になっています。"
              "開始日は終了日と同じ日か、それより前にしてください。");
}

TEST(SchoolYearDialogTest, StoppedMessageSaysHowFarTheRunGot)
{
    SchoolYearParameters parameters;
    parameters.Start = Date(2024, 4, 1);
    parameters.End = Date(2025, 3, 31);
    SchoolYearRun run;
    run.DaysInRange = 365;
    run.DaysWritten = 71;
    EXPECT_EQ(SchoolYearStoppedMessage(parameters, run),
              "データの自動作成を中止しました。2024年4月1日から2024年6月10日までの 71 日分（365 "
              "日のうち）を作成済みです。それより後の日は変更していません。");
    run.DaysWritten = 0;
    EXPECT_EQ(SchoolYearStoppedMessage(parameters, run),
              "データの自動作成を中止しました。データは変更していません。");
}

TEST(SchoolYearDialogTest, EachSwitchHasItsOwnPickers)
{
    std::set<int> controls;
    for (const SchoolYearRowControls& row : SchoolYearRowControlTable()) {
        controls.insert(row.CheckId);
        controls.insert(row.FirstPicker);
        if (row.LastPicker != 0)
            controls.insert(row.LastPicker);
    }
    EXPECT_EQ(controls.size(), 14u);
    EXPECT_STREQ(SchoolYearRowControlTable()[FoundationRow].Label, "開校記念日");
    EXPECT_EQ(SchoolYearRowControlTable()[WinterRow].LastPicker, 1126);
}

// ---- 時数計算 ------------------------------------------------------------------------------------

class ClassHourDialogTest : public ::testing::Test
{
protected:
    ClassHourDialogTest()
    {
        View.InitialUpdate(Date(2024, 6, 12));
        Document.Class[0] = Sj("1年1組");
        Document.Class[1] = Sj("国語");
        Document.Offset[0] = 3;
        Document.HajimeYear = 2024;
        Document.HajimeMonth = 4;
        Document.HajimeDay = 1;
        Document.OwariYear = 2025;
        Document.OwariMonth = 3;
        Document.OwariDay = 31;
        for (const DateTime& date :
             {Date(2024, 4, 8), Date(2024, 4, 9), Date(2025, 3, 31), Date(2025, 4, 1)}) {
            Document.UpdateDay(date, [&](CDayData& day) {
                day.SetYotei(1, Sj("1年1組"));
                day.SetYotei(2, Sj("国語"));
                day.SetYotei(3, Sj("国語A"));
            });
        }
        Document.SetModified(false);
    }

    CPlanovaDoc Document;
    PlannerView View{Document};
};

TEST_F(ClassHourDialogTest, OpensWithTheDocumentsClassesAndPeriod)
{
    View.Print.ClassNames[0] = Sj("entered earlier");
    const ClassHourValues values = StartClassHourCount(View);
    EXPECT_EQ(values.Mode, ClassHourMode::Entry);
    EXPECT_EQ(values.Names, Document.Class);
    EXPECT_EQ(values.Offsets, Document.Offset);
    EXPECT_EQ(View.Print.ClassNames, Document.Class);
    EXPECT_EQ(values.Results, (std::array<int, 10>{}));
    EXPECT_EQ(values.Start, Date(2024, 4, 1));
    EXPECT_EQ(values.End, Date(2025, 3, 31));
    EXPECT_FALSE(values.SaveSettings);
}

TEST_F(ClassHourDialogTest, StoredPeriodThatIsNoDateBecomesTheShownDay)
{
    for (int* field : {&Document.HajimeMonth, &Document.OwariMonth}) {
        const int kept = *field;
        *field = 13;
        const ClassHourValues values = StartClassHourCount(View);
        EXPECT_EQ(values.Start, Date(2024, 6, 12));
        EXPECT_EQ(values.End, Date(2024, 6, 12));
        *field = kept;
    }
}

TEST_F(ClassHourDialogTest, CountGivesOffsetPlusCountAndKeepsTheEntriesInTheView)
{
    ClassHourValues values = StartClassHourCount(View);
    values.Names[2] = Sj("国語A");
    values.Offsets[1] = -1;
    const std::vector<CDayData> days = Document.DayList();
    CountIntoResults(View, values);
    EXPECT_EQ(values.Mode, ClassHourMode::Result);
    EXPECT_EQ(values.Results[0], 3 + 3); // 8 and 9 April, 31 March; 1 April 2025 is outside
    EXPECT_EQ(values.Results[1], -1 + 3);
    EXPECT_EQ(values.Results[2], 3);
    EXPECT_EQ(values.Results[3], 0);
    EXPECT_EQ(View.Print.ClassNames[2], Sj("国語A"));
    EXPECT_EQ(View.Print.ClassOffsets[1], -1);
    EXPECT_EQ(View.Print.ClassCounts[0], 3);
    EXPECT_EQ(Document.DayList(), days);
    EXPECT_EQ(Document.Class[2], "");
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(ClassHourDialogTest, LargestOffsetsDoNotOverflow)
{
    ClassHourValues values = StartClassHourCount(View);
    values.Offsets[0] = 2147483647;
    CountIntoResults(View, values);
    EXPECT_EQ(values.Results[0], 2147483647);
}

TEST_F(ClassHourDialogTest, SavingKeepsNamesOffsetsAndTheCountedPeriod)
{
    ClassHourValues values = StartClassHourCount(View);
    values.Names[4] = Sj("2年3組");
    values.Offsets[4] = 12;
    values.Start = Date(2024, 9, 1);
    values.End = Date(2024, 12, 20);
    CountIntoResults(View, values);
    SaveClassHourSettings(View, values);
    EXPECT_EQ(Document.Class[4], Sj("2年3組"));
    EXPECT_EQ(Document.Offset[4], 12);
    EXPECT_EQ((std::array{Document.HajimeYear, Document.HajimeMonth, Document.HajimeDay}),
              (std::array{2024, 9, 1}));
    EXPECT_EQ((std::array{Document.OwariYear, Document.OwariMonth, Document.OwariDay}),
              (std::array{2024, 12, 20}));
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(ClassHourDialogTest, ReversedPeriodIsRefused)
{
    ClassHourValues values = StartClassHourCount(View);
    EXPECT_EQ(ClassHourRefusal(values), "");
    values.Start = Date(2025, 4, 1);
    EXPECT_NE(ClassHourRefusal(values).find("開始日（2025年4月1日）が終了日（2025年3月31日）より後"),
              std::string::npos);
}

TEST_F(ClassHourDialogTest, ModesAndRows)
{
    EXPECT_STREQ(LookOf(ClassHourMode::Entry).OkCaption, "計算");
    EXPECT_TRUE(LookOf(ClassHourMode::Entry).CancelShown);
    EXPECT_FALSE(LookOf(ClassHourMode::Entry).SaveEnabled);
    EXPECT_STREQ(LookOf(ClassHourMode::Result).OkCaption, "OK");
    EXPECT_FALSE(LookOf(ClassHourMode::Result).CancelShown);
    EXPECT_TRUE(LookOf(ClassHourMode::Result).SaveEnabled);
    const auto rows = ClassHourRowControlTable();
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_STREQ(rows[9].Label, "⑩：");
    EXPECT_EQ(rows[1].NameId, 1148);
    EXPECT_EQ(rows[1].OffsetId, 1150);
    EXPECT_EQ(rows[1].ResultId, 1151);
    std::set<int> controls;
    for (const ClassHourRowControls& row : rows)
        controls.insert({row.NameId, row.OffsetId, row.ResultId});
    EXPECT_EQ(controls.size(), 30u);
}

// ---- 「内容」の繰り上げ・繰り下げ ------------------------------------------------------------------

TEST(ContentShiftDialogTest, OpensOnTheShownDayMovingForward)
{
    const ContentShiftValues values = ContentShiftDefaults(DateTime::FromDateTime(2024, 6, 12, 0, 0, 0));
    EXPECT_EQ(values.Direction, ShiftDirection::Earlier);
    EXPECT_EQ(values.Start, Date(2024, 6, 12));
    EXPECT_EQ(values.End, Date(2024, 6, 12));
    EXPECT_EQ(values.ClassName, "");
    ASSERT_EQ(ShiftDirectionButtons().size(), 2u);
    EXPECT_STREQ(ShiftDirectionButtons()[0].Label, "繰り上げ（前倒し）");
    EXPECT_EQ(ShiftDirectionButtons()[1].ControlId, 1179);
    EXPECT_EQ(ShiftDirectionButtons()[1].Direction, ShiftDirection::Later);
}

TEST(ContentShiftDialogTest, OkNeedsAClassAndARange)
{
    struct Case
    {
        const char* ClassName;
        DateTime Start;
        DateTime End;
        const char* Refusal;
    };
    const Case cases[] = {
        {"数学", Date(2024, 6, 12), Date(2024, 6, 12), ""},
        {"数学", Date(2024, 6, 1), Date(2024, 6, 30), ""},
        {"", Date(2024, 6, 1), Date(2024, 6, 30), "学級名を入力してください。"},
        {"数学", Date(2024, 7, 1), Date(2024, 6, 30),
         "開始日（2024年7月1日）が終了日（2024年6月30日）より後になっています。"
         "開始日は終了日と同じ日か、それより前にしてください。"},
        {"", Date(2024, 7, 1), Date(2024, 6, 30), "学級名を入力してください。"},
    };
    for (const Case& c : cases) {
        ContentShiftValues values;
        values.ClassName = c.ClassName;
        values.Start = c.Start;
        values.End = c.End;
        EXPECT_EQ(ContentShiftRefusal(values), c.Refusal) << c.ClassName;
    }
}

// ---- カレンダーサーバーに公開 / 行事予定を取り込む -------------------------------------------------

TEST(CalendarServerDialogTest, RangeIsTheStoredDaysOrToday)
{
    const DateTime today = DateTime::FromDateTime(2026, 12, 11, 8, 30, 0);
    CPlanovaDoc empty;
    const CalendarServerValues fresh = CalendarServerDefaults(CalendarServerTask::Import, empty, today);
    EXPECT_EQ(fresh.Task, CalendarServerTask::Import);
    EXPECT_EQ(fresh.From, Date(2026, 12, 11));
    EXPECT_EQ(fresh.To, Date(2026, 12, 11));

    // Stored out of order: the range runs from the earliest to the latest stored day.
    CPlanovaDoc stored;
    for (const DateTime& day : {Date(2024, 9, 2), Date(2024, 4, 8), Date(2025, 3, 24)})
        stored.UpdateDay(day, [](CDayData& data) { data.SetGyouji("x"); });
    const CalendarServerValues year = CalendarServerDefaults(CalendarServerTask::Publish, stored, today);
    EXPECT_EQ(year.From, Date(2024, 4, 8));
    EXPECT_EQ(year.To, Date(2025, 3, 24));
    EXPECT_FALSE(year.PublishAfterSave);
}

TEST(CalendarServerDialogTest, OkNeedsASourceAndARange)
{
    const auto values = [](CalendarServerTask task, std::string url, bool fromFile, std::string file,
                           DateTime from, DateTime to) {
        CalendarServerValues v;
        v.Task = task;
        v.Url = std::move(url);
        v.FromFile = fromFile;
        v.IcsFile = std::move(file);
        v.From = from;
        v.To = to;
        return v;
    };
    const DateTime june = Date(2024, 6, 1);
    const DateTime july = Date(2024, 7, 1);
    constexpr auto Publish = CalendarServerTask::Publish;
    constexpr auto Import = CalendarServerTask::Import;
    struct Row
    {
        const char* Case;
        CalendarServerValues Values;
        const char* Refusal;
    };
    const Row rows[] = {
        {"publish to a server", values(Publish, "https://cal.example/t/", false, "", june, july), ""},
        {"a day long range", values(Publish, "https://cal.example/t/", false, "", june, june), ""},
        {"no URL", values(Publish, "", false, "", june, july),
         "カレンダーサーバーの URL を入力してください。"},
        // A publish has no file to read, whatever the values say.
        {"publish ignores the file", values(Publish, "", true, "a.ics", june, july),
         "カレンダーサーバーの URL を入力してください。"},
        {"import from a file needs no URL", values(Import, "", true, "school.ics", june, july), ""},
        {"import from no file", values(Import, "https://cal.example/t/", true, "", june, july),
         "取り込む iCalendar ファイルを選んでください。"},
        {"import from the server", values(Import, "", false, "school.ics", june, july),
         "カレンダーサーバーの URL を入力してください。"},
        {"start after the end", values(Import, "", true, "school.ics", july, june),
         "期間の開始日が終了日より後になっています。"},
        {"no date", values(Publish, "https://cal.example/t/", false, "", DateTime(), july),
         "期間の日付を入力してください。"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CalendarServerRefusal(row.Values), row.Refusal) << row.Case;
}
