// "時間割データの挿入" and "ToDoソート" on a drawn planner view.

#include "edit/SettingsCommands.h"
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
        Document.LoadDay(date);
        Document.WorkDay.SetSchoolDayRows();
        for (int r = 0; r < CDayData::RowCount; ++r)
            Document.WorkDay.SetYotei(r, Sj("自習"));
        Document.StoreDay();
        Document.SetModified(false);
        Document.LoadDay(View.State.CurrentDate);
    }

    std::vector<std::string> Plans(const DateTime& date)
    {
        const CDayData day = StoredDay(date);
        std::vector<std::string> plans;
        for (int r = 0; r < CDayData::RowCount; ++r)
            plans.push_back(Cp932ToUtf8(day.GetYotei(r)));
        return plans;
    }
};

const DateTime Wednesday = Day(2024, 6, 12);

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
        InsertTimetableIntoDay(View);
        EXPECT_EQ(Plans(Wednesday), c.Plans) << c.Overwrite;
        EXPECT_TRUE(Document.IsModified());
        EXPECT_EQ(Document.UndoTop, -1) << "no undo snapshot";
    }
}

TEST_F(SettingsCommandsTest, ClockHourDayChangesNothingButIsStored)
{
    Start(ViewMode::Day, Wednesday);
    Document.LoadDay(Wednesday);
    Document.WorkDay.SetClockHourRows();
    Document.WorkDay.SetYotei(1, Sj("会議"));
    Document.StoreDay();
    const CDayData before = StoredDay(Wednesday);
    Document.SetModified(false);
    InsertTimetableIntoDay(View);
    EXPECT_EQ(StoredDay(Wednesday), before);
    EXPECT_TRUE(Document.IsModified());

    // A day never stored is stored too (its labels are empty, so nothing is inserted).
    const DateTime thursday = Day(2024, 6, 13);
    View.State.FirstShownDate = thursday;
    InsertTimetableIntoDay(View);
    EXPECT_NE(Document.FindStoredDay(thursday), nullptr);
}

TEST_F(SettingsCommandsTest, SundayChangesNothing)
{
    const DateTime sunday = Day(2024, 6, 16);
    Start(ViewMode::Day, sunday);
    StoreSchoolDay(sunday);
    const CDayData before = StoredDay(sunday);
    InsertTimetableIntoDay(View);
    EXPECT_EQ(StoredDay(sunday), before);
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(Document.FindStoredDay(Day(2024, 6, 17)), nullptr);
}

TEST_F(SettingsCommandsTest, WeekViewTakesTheSelectedColumnAndShowsThatDay)
{
    Start(ViewMode::Week, Wednesday);
    const DateTime saturday = View.State.FirstShownDate.AddDays(6);
    ASSERT_EQ(saturday.DayOfWeek(), 6);
    StoreSchoolDay(saturday);
    View.State.SelectedCell = 6 * DayRow::Count + 4;
    View.State.JUwagaki = true;
    InsertTimetableIntoDay(View);
    EXPECT_EQ(Plans(saturday)[2], "土2");
    EXPECT_EQ(View.State.CurrentDate, saturday);
    EXPECT_EQ(View.State.CalendarDate, saturday);
    EXPECT_EQ(Plans(Wednesday)[2], "");
}

TEST_F(SettingsCommandsTest, ToDoSortKeyTwiceRestoresTheKeyAndLeavesTheList)
{
    Start(ViewMode::Day, Wednesday, true);
    AddItems(3);
    Document.LoadToDo(2);
    Document.WorkToDo.SetJyuuyoudo("A0");
    Document.StoreToDo(2);
    Document.SetModified(false);
    const std::vector<std::string> subjects = Subjects();

    EXPECT_EQ(ToDoSortKeyText(View), "ToDoソート基準を「期限」にする");
    ToggleToDoSortKey(View);
    EXPECT_EQ(View.State.ToDoSort, 1);
    EXPECT_EQ(ToDoSortKeyText(View), "ToDoソート基準を「重要度」にする");
    ToggleToDoSortKey(View);
    EXPECT_EQ(View.State.ToDoSort, 0);
    EXPECT_EQ(Subjects(), subjects);
    EXPECT_EQ(Document.ToDoSort, 0);
    EXPECT_FALSE(Document.IsModified());
}
