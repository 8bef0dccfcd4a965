// The settings commands and the school tools run through the command table on a drawn planner view,
// their dialogs answered by the scripted ViewServices.

#include "edit/CommandTable.h"
#include "model/Clock.h"
#include "model/Cp932Codec.h"
#include "support/Cp932Literals.h"
#include "support/EditingViewFixture.h"

using namespace planova;
using namespace planova::test;

namespace {

class SettingsCommandsTest : public EditingViewFixture
{
protected:
    SettingsCommandsTest()
    {
        // Text k names its weekday and period: "月1" … "土6".
        const char* weekdays[] = {"月", "火", "水", "木", "金", "土"};
        for (int w = 0; w < 6; ++w)
            for (int p = 0; p < 6; ++p)
                Document.Jikannwari[static_cast<std::size_t>(w * 6 + p)] =
                    Sj((weekdays[w] + std::to_string(p + 1)).c_str());
    }

    /// A school day (labels 朝①②③④昼⑤⑥放 and an empty one) with the plan "自習" in every row.
    void StoreSchoolDay(const DateTime& date)
    {
        Document.UpdateDay(date, [&](CDayData& day) {
            day.SetSchoolDayRows();
            for (int r = 0; r < CDayData::RowCount; ++r)
                day.SetYotei(r, Sj("自習"));
        });
        Document.SetModified(false);
    }

    CommandOutcome Run(int id) { return RunViewCommand(View, id, Dialogs); }

    std::vector<std::string> Plans(const DateTime& date)
    {
        const CDayData day = StoredDay(date);
        std::vector<std::string> plans;
        for (int r = 0; r < CDayData::RowCount; ++r)
            plans.push_back(Cp932ToUtf8(day.GetYotei(r)));
        return plans;
    }

    ScriptedViewServices Dialogs;
};

const DateTime Wednesday = Date(2024, 6, 12);

} // namespace

TEST_F(SettingsCommandsTest, WednesdayGetsItsColumnInThePeriodRowsOnly)
{
    struct Case
    {
        bool Overwrite;
        std::vector<std::string> Plans;
    };
    const Case cases[] = {
        {false,
         {"自習", "自習水1", "自習水2", "自習水3", "自習水4", "自習", "自習水5", "自習水6", "自習", "自習"}},
        {true, {"自習", "水1", "水2", "水3", "水4", "自習", "水5", "水6", "自習", "自習"}},
    };
    for (const Case& c : cases) {
        Start(ViewMode::Day, Wednesday);
        StoreSchoolDay(Wednesday);
        View.State.JUwagaki = c.Overwrite;
        Run(CommandId::InsertTimetable);
        EXPECT_EQ(Plans(Wednesday), c.Plans) << c.Overwrite;
        EXPECT_TRUE(Document.IsModified());
    }
}

TEST_F(SettingsCommandsTest, ClockHourDayChangesNothingButIsStored)
{
    Start(ViewMode::Day, Wednesday);
    Document.UpdateDay(Wednesday, [&](CDayData& day) {
        day.SetClockHourRows();
        day.SetYotei(1, Sj("会議"));
    });
    const CDayData before = StoredDay(Wednesday);
    Document.SetModified(false);
    Run(CommandId::InsertTimetable);
    EXPECT_EQ(StoredDay(Wednesday), before);
    EXPECT_TRUE(Document.IsModified());

    // A day never stored is stored too (its labels are empty, so nothing is inserted).
    const DateTime thursday = Date(2024, 6, 13);
    Start(ViewMode::Day, thursday);
    Run(CommandId::InsertTimetable);
    EXPECT_NE(Document.FindStoredDay(thursday), nullptr);
}

TEST_F(SettingsCommandsTest, SundayChangesNothing)
{
    const DateTime sunday = Date(2024, 6, 16);
    Start(ViewMode::Day, sunday);
    StoreSchoolDay(sunday);
    const CDayData before = StoredDay(sunday);
    EXPECT_EQ(Run(CommandId::InsertTimetable), CommandOutcome::ViewChanged);
    EXPECT_EQ(StoredDay(sunday), before);
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(Document.FindStoredDay(Date(2024, 6, 17)), nullptr);
}

TEST_F(SettingsCommandsTest, WeekViewTakesTheSelectedColumnAndShowsThatDay)
{
    Start(ViewMode::Week, Wednesday);
    const DateTime saturday = View.State.FirstShownDate.AddDays(6);
    ASSERT_EQ(saturday.DayOfWeek(), 6);
    StoreSchoolDay(saturday);
    View.State.SelectedCell = 6 * DayRow::Count + 4;
    View.State.JUwagaki = true;
    Run(CommandId::InsertTimetable);
    EXPECT_EQ(Plans(saturday)[2], "土2");
    EXPECT_EQ(View.State.CurrentDate, saturday);
    EXPECT_EQ(View.State.CalendarDate, saturday);
    EXPECT_EQ(Plans(Wednesday)[2], "");
}

TEST_F(SettingsCommandsTest, ToDoSortKeyTwiceRestoresTheKeyAndLeavesTheList)
{
    Start(ViewMode::Day, Wednesday, true);
    AddItems(3);
    CToDo item = Document.ToDo(2);
    item.SetJyuuyoudo("A0");
    Document.ReplaceToDo(2, item);
    Document.SetModified(false);
    const std::vector<std::string> subjects = Subjects();

    EXPECT_EQ(ViewCommandText(View, CommandId::ToDoSort), "ToDoソート基準を「期限」にする");
    EXPECT_EQ(Run(CommandId::ToDoSort), CommandOutcome::ViewChanged);
    EXPECT_EQ(View.State.ToDoSort, 1);
    EXPECT_EQ(ViewCommandText(View, CommandId::ToDoSort), "ToDoソート基準を「重要度」にする");
    Run(CommandId::ToDoSort);
    EXPECT_EQ(View.State.ToDoSort, 0);
    EXPECT_EQ(Subjects(), subjects);
    EXPECT_EQ(Document.ToDoSort, 0);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(SettingsCommandsTest, TimetableInsertionIsEnabledAsTheDayFills)
{
    Start(ViewMode::Day, Wednesday);
    EXPECT_TRUE(IsViewCommandEnabled(View, CommandId::InsertTimetable));
    Start(ViewMode::Week, Wednesday);
    EXPECT_FALSE(IsViewCommandEnabled(View, CommandId::InsertTimetable));
    View.State.SelectedCell = 3;
    EXPECT_TRUE(IsViewCommandEnabled(View, CommandId::InsertTimetable));
    Start(ViewMode::Month, Wednesday);
    View.State.SelectedCell = 3;
    EXPECT_FALSE(IsViewCommandEnabled(View, CommandId::InsertTimetable));
    EXPECT_EQ(Run(CommandId::InsertTimetable), CommandOutcome::NotRun);
    for (const int id : {CommandId::Properties, CommandId::ToDoSort, CommandId::MakeYear,
                         CommandId::ClassHours, CommandId::ContentShift})
        EXPECT_TRUE(IsViewCommandEnabled(View, id)) << id;
}

TEST_F(SettingsCommandsTest, PropertySheetTakesOverOnlyOnOk)
{
    Start(ViewMode::Week, Wednesday);
    EXPECT_EQ(Run(CommandId::Properties), CommandOutcome::ViewChanged);
    ASSERT_EQ(Dialogs.Properties.Started.size(), 1u);
    EXPECT_EQ(View.Mode(), ViewMode::Week);
    EXPECT_FALSE(Document.IsModified());

    Dialogs.Properties.Answer = [](PropertySheetValues& values) {
        values.Timetable.Texts[13] = "changed";
        return true;
    };
    EXPECT_EQ(Run(CommandId::Properties), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Dialogs.Properties.Started.back().Timetable.Texts[13], Sj("水2"));
    EXPECT_EQ(View.Mode(), ViewMode::Day); // the document's start-up view
    EXPECT_EQ(Document.Jikannwari[13], "changed");
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(SettingsCommandsTest, MakeYearWritesTheYearUnderProgress)
{
    FixedNowScope clock(DateTime::FromDateTime(2024, 6, 12, 9, 0, 0));
    Start(ViewMode::Day, Wednesday);
    View.State.JUwagaki = true;
    Dialogs.SchoolYear.Answer = [](SchoolYearDialogValues& values) {
        values.Overwrite = false;
        return true;
    };
    EXPECT_EQ(Run(CommandId::MakeYear), CommandOutcome::DocumentChanged);
    const SchoolYearDialogValues& opened = Dialogs.SchoolYear.Started.front();
    EXPECT_EQ(opened.Start, Date(2024, 4, 1));
    EXPECT_TRUE(opened.Overwrite);
    EXPECT_EQ(Document.DayList().size(), 365u);
    EXPECT_EQ(Dialogs.ProgressTitles, (std::vector<std::string>{"データの自動作成"}));
    EXPECT_EQ(Dialogs.Progress.back(), std::make_pair(365, 365));
    EXPECT_TRUE(Dialogs.Messages.empty());
    EXPECT_FALSE(View.State.JUwagaki);
    EXPECT_FALSE(Document.JUwagaki);
    // Append mode: Wednesday ① got 水1 after its empty plan.
    EXPECT_EQ(Plans(Wednesday)[1], "水1");
}

TEST_F(SettingsCommandsTest, CancelledMakeYearKeepsTheDaysWrittenAndSaysSo)
{
    FixedNowScope clock(DateTime::FromDateTime(2024, 6, 12, 9, 0, 0));
    Start(ViewMode::Day, Wednesday);
    StoreSchoolDay(Date(2024, 4, 20));
    const CDayData later = StoredDay(Date(2024, 4, 20));
    Dialogs.SchoolYear.Answer = [](SchoolYearDialogValues&) { return true; };
    Dialogs.CancelAfter = 10;
    EXPECT_EQ(Run(CommandId::MakeYear), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Document.DayList().size(), 11u); // 1–10 April and the day stored before
    EXPECT_EQ(StoredDay(Date(2024, 4, 20)), later);
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_NE(Dialogs.Messages[0].find("2024年4月1日から2024年4月10日までの 10 日分"), std::string::npos)
        << Dialogs.Messages[0];
}

TEST_F(SettingsCommandsTest, ClassHoursCountThenSaveOnlyWhenAsked)
{
    Start(ViewMode::Day, Wednesday);
    StoreSchoolDay(Wednesday); // ten rows of 自習
    Document.Class[0] = Sj("自習");
    Document.Offset[0] = 2;
    Document.SetModified(false);
    struct Case
    {
        bool Save;
        CommandOutcome Outcome;
    };
    for (const Case c :
         {Case{false, CommandOutcome::ViewChanged}, Case{true, CommandOutcome::DocumentChanged}}) {
        Dialogs.ClassHours = {};
        Dialogs.ClassHours.Answer = [&](ClassHourValues& values) {
            if (values.Mode == ClassHourMode::Entry) {
                values.Names[1] = Sj("国語");
                values.Offsets[1] = 5;
                values.Start = Wednesday;
                values.End = Wednesday;
            } else {
                values.Names[1] = Sj("typed in the result");
                values.SaveSettings = c.Save;
            }
            return true;
        };
        EXPECT_EQ(Run(CommandId::ClassHours), c.Outcome);
        ASSERT_EQ(Dialogs.ClassHours.Started.size(), 2u);
        const ClassHourValues& result = Dialogs.ClassHours.Started[1];
        EXPECT_EQ(result.Mode, ClassHourMode::Result);
        EXPECT_EQ(result.Results[0], 2 + 10);
        EXPECT_EQ(result.Results[1], 5);
        EXPECT_EQ(View.Print.ClassNames[1], Sj("国語"));
        EXPECT_EQ(Document.Class[1], c.Save ? Sj("国語") : "");
        EXPECT_EQ(Document.HajimeDay, c.Save ? 12 : 1);
        EXPECT_EQ(Document.IsModified(), c.Save);
    }
}

TEST_F(SettingsCommandsTest, ContentShiftMovesOnOkAndTellsARefusal)
{
    Start(ViewMode::Day, Wednesday);
    Document.UpdateDay(Wednesday, [&](CDayData& day) {
        day.SetSchoolDayRows();
        for (int row : {1, 4}) {
            day.SetYotei(row, Sj("数学"));
            day.SetNaiyou(row, Sj(row == 1 ? "一次関数" : "連立方程式"));
        }
    });
    Document.SetModified(false);

    EXPECT_EQ(Run(CommandId::ContentShift), CommandOutcome::ViewChanged); // cancelled
    EXPECT_EQ(Dialogs.ContentShift.Started.front().Start, Wednesday);
    EXPECT_FALSE(Document.IsModified());

    Dialogs.ContentShift.Answer = [](ContentShiftValues& values) {
        values.ClassName = Sj("数学");
        return true;
    };
    EXPECT_EQ(Run(CommandId::ContentShift), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Cp932ToUtf8(StoredDay(Wednesday).GetNaiyou(1)), "連立方程式");
    EXPECT_EQ(Cp932ToUtf8(StoredDay(Wednesday).GetNaiyou(4)), "");

    Dialogs.ContentShift.Answer = [](ContentShiftValues& values) {
        values.ClassName.clear();
        return true;
    };
    EXPECT_EQ(Run(CommandId::ContentShift), CommandOutcome::ViewChanged);
    EXPECT_EQ(Dialogs.Messages, (std::vector<std::string>{"学級名を入力してください。"}));
}
