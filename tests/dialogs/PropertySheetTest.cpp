// The property sheet's values: what it opens with, its radio groups, the timetable by index k, the
// font-size table and what OK takes over into the view and the document.

#include "dialogs/PropertySheet.h"
#include "support/Cp932Literals.h"
#include "view/PlannerView.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace planova;
using namespace planova::test;

namespace {

class PropertySheetTest : public ::testing::Test
{
protected:
    PropertySheetTest()
    {
        Document.DspType = 0;
        View.InitialUpdate(DateTime::FromDate(2024, 6, 12));
        Document.SetModified(false);
    }

    CPlanovaDoc Document;
    PlannerView View{Document};
};

} // namespace

TEST_F(PropertySheetTest, OkUntouchedSwitchesToTheStartViewAndMarksModified)
{
    View.ShowView(ViewMode::Week);
    View.State.SelectedCell = 40;
    const int printType = View.Print.PrintType;
    ApplyPropertySheet(View, StartPropertySheet(View));
    EXPECT_EQ(View.Mode(), ViewMode::Day);
    EXPECT_EQ(View.State.SelectedCell, -1);
    EXPECT_EQ(View.Print.PrintType, printType);
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(PropertySheetTest, OpensWithTheDocumentsAndTheViewsSettings)
{
    Document.BirthdayYear = 1970;
    Document.BirthdayMonth = 5;
    Document.BirthdayDay = 17;
    Document.DspType = 2;
    Document.ToDoView = false;
    Document.Biorhythm = true;
    Document.ToDoSort = 1;
    Document.StartWeekday = 0;
    Document.Shiyousya = Sj("山田太郎");
    Document.FontPoint[23] = 11;
    View.State.StartWeekday = 1; // the view's own setting, not the document's
    View.State.JUwagaki = true;
    Document.JUwagaki = false;

    const PropertySheetValues values = StartPropertySheet(View);
    EXPECT_EQ(values.Display.BirthYear, 1970);
    EXPECT_EQ(values.Display.BirthMonth, 5);
    EXPECT_EQ(values.Display.BirthDay, 17);
    EXPECT_EQ(values.Display.FirstView, 2);
    EXPECT_FALSE(values.Display.ShowToDoFirst);
    EXPECT_TRUE(values.Display.NoBiorhythm);
    EXPECT_EQ(values.Display.SortKey, 1);
    EXPECT_EQ(values.Display.WeekStart, 1);
    EXPECT_EQ(values.Print.UserName, Sj("山田太郎"));
    EXPECT_EQ(values.Print.FontSizes, Document.FontPoint);
    EXPECT_TRUE(values.Timetable.Overwrite);
}

TEST_F(PropertySheetTest, OkTakesEverySettingOver)
{
    PropertySheetValues values = StartPropertySheet(View);
    values.Display = {1980, 2, 29, 1, 1, false, 1, true};
    values.Print.UserName = Sj("佐藤");
    values.Print.FontSizes.fill(8);
    values.Timetable.Texts[7] = Sj("数学");
    values.Timetable.Overwrite = true;
    ApplyPropertySheet(View, values);

    EXPECT_EQ(Document.BirthdayYear, 1980);
    EXPECT_EQ(Document.BirthdayMonth, 2);
    EXPECT_EQ(Document.BirthdayDay, 29);
    EXPECT_EQ(View.Mode(), ViewMode::Week);
    EXPECT_EQ(Document.DspType, 1);
    EXPECT_FALSE(View.State.ToDoView);
    EXPECT_FALSE(Document.ToDoView);
    EXPECT_EQ(View.State.ToDoSort, 1);
    EXPECT_EQ(Document.ToDoSort, 1);
    EXPECT_EQ(View.State.StartWeekday, 1);
    EXPECT_EQ(Document.StartWeekday, 1);
    EXPECT_EQ(Document.FontPoint, values.Print.FontSizes);
    EXPECT_EQ(View.Print.PrintFontSizes, values.Print.FontSizes);
    EXPECT_TRUE(View.Print.Biorhythm);
    EXPECT_TRUE(Document.Biorhythm);
    EXPECT_EQ(Document.Shiyousya, Sj("佐藤"));
    EXPECT_EQ(View.Print.Shiyousya, Sj("佐藤"));
    EXPECT_EQ(Document.Jikannwari[7], Sj("数学"));
    EXPECT_TRUE(View.State.JUwagaki);
    EXPECT_TRUE(Document.JUwagaki);
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(PropertySheetTest, BirthdayIsTakenOverOnlyWhenItIsADate)
{
    struct Case
    {
        int Year, Month, Day;
        bool Taken;
    };
    for (const Case& c : {Case{2010, 2, 30, false}, Case{2011, 2, 29, false}, Case{2012, 2, 29, true},
                          Case{2010, 13, 1, false}, Case{2010, 0, 1, false}, Case{1990, 12, 31, true},
                          Case{-5, 1, 1, false}}) {
        Document.BirthdayYear = 1970;
        Document.BirthdayMonth = 5;
        Document.BirthdayDay = 17;
        PropertySheetValues values = StartPropertySheet(View);
        values.Display.BirthYear = c.Year;
        values.Display.BirthMonth = c.Month;
        values.Display.BirthDay = c.Day;
        ApplyPropertySheet(View, values);
        const std::array<int, 3> expected =
            c.Taken ? std::array{c.Year, c.Month, c.Day} : std::array{1970, 5, 17};
        EXPECT_EQ((std::array{Document.BirthdayYear, Document.BirthdayMonth, Document.BirthdayDay}), expected)
            << c.Year << "-" << c.Month << "-" << c.Day;
        EXPECT_EQ(IsBirthdayDate(c.Year, c.Month, c.Day), c.Taken);
    }
}

TEST_F(PropertySheetTest, RadioGroupsCheckExactlyTheButtonOfTheirMember)
{
    struct Case
    {
        int Click;
        DisplayRadioGroup Group;
        int Value;
    };
    const Case clicks[] = {
        {1109, DisplayRadioGroup::FirstView, 1}, {1110, DisplayRadioGroup::FirstView, 2},
        {1108, DisplayRadioGroup::FirstView, 0}, {1114, DisplayRadioGroup::WeekStart, 1},
        {1113, DisplayRadioGroup::WeekStart, 0}, {1116, DisplayRadioGroup::SortKey, 1},
        {1115, DisplayRadioGroup::SortKey, 0},
    };
    DisplayPageValues values;
    values.BirthYear = 1999;
    for (const Case& c : clicks) {
        const DisplayPageValues before = values;
        ClickDisplayRadio(values, c.Click);
        EXPECT_EQ(RadioGroupValue(values, c.Group), c.Value) << c.Click;
        for (const DisplayRadioGroup other :
             {DisplayRadioGroup::FirstView, DisplayRadioGroup::WeekStart, DisplayRadioGroup::SortKey}) {
            if (other != c.Group) {
                EXPECT_EQ(RadioGroupValue(values, other), RadioGroupValue(before, other)) << c.Click;
            }
        }
        EXPECT_EQ(values.BirthYear, 1999);
        // One checked button in each group.
        std::map<DisplayRadioGroup, int> checked;
        for (const DisplayRadio& radio : DisplayRadios())
            checked[radio.Group] += IsDisplayRadioChecked(values, radio.ControlId) ? 1 : 0;
        for (const auto& [group, count] : checked)
            EXPECT_EQ(count, 1) << c.Click;
    }
    ClickDisplayRadio(values, 1111); // the check box, no radio button
    EXPECT_EQ(values.FirstView, 0);
}

TEST_F(PropertySheetTest, RadioCaptionsInOrder)
{
    std::vector<std::string> captions;
    for (const DisplayRadio& radio : DisplayRadios())
        captions.push_back(radio.Label);
    EXPECT_EQ(captions, (std::vector<std::string>{"日予定表", "週予定表", "月予定表", "日曜始まり",
                                                  "月曜始まり", "重要度", "期限"}));
}

TEST_F(PropertySheetTest, TimetableTextKIsItsWeekdayAndPeriod)
{
    struct Case
    {
        int K;
        int Weekday;
        int Period;
        int Control;
    };
    for (const Case& c : {Case{0, 0, 0, 1068}, Case{5, 0, 5, 1073}, Case{6, 1, 0, 1074}, Case{13, 2, 1, 1081},
                          Case{31, 5, 1, 1099}, Case{35, 5, 5, 1103}}) {
        EXPECT_EQ(TimetableCellOf(c.K).Weekday, c.Weekday) << c.K;
        EXPECT_EQ(TimetableCellOf(c.K).Period, c.Period) << c.K;
        EXPECT_EQ(TimetableIndex(c.Weekday, c.Period), c.K);
        EXPECT_EQ(TimetableControlId(c.K), c.Control);
    }
    EXPECT_STREQ(TimetableWeekdayLabels()[5], "土曜");
    EXPECT_STREQ(TimetablePeriodLabels()[1], "②");
}

TEST_F(PropertySheetTest, EachTimetableTextRoundTripsThroughItsOwnField)
{
    for (int k = 0; k < CPlanovaDoc::JikannwariCount; ++k)
        Document.Jikannwari[static_cast<std::size_t>(k)] = Sj(("時間割" + std::to_string(k)).c_str());
    Document.Jikannwari[31] = Sj("土曜②の学活");
    const auto stored = Document.Jikannwari;

    const PropertySheetValues values = StartPropertySheet(View);
    EXPECT_EQ(values.Timetable.Texts[static_cast<std::size_t>(TimetableIndex(5, 1))], Sj("土曜②の学活"));
    ApplyPropertySheet(View, values);
    EXPECT_EQ(Document.Jikannwari, stored);
}

TEST_F(PropertySheetTest, ResetRestoresTheDefaultFontTableAndKeepsTheName)
{
    PrintPageValues values;
    values.UserName = Sj("山田");
    values.FontSizes.fill(33);
    ResetFontSizes(values);
    EXPECT_EQ(values.UserName, Sj("山田"));
    const std::array<std::array<int, FontSizeColumns>, FontSizeRows> expected{{
        {9, 6, 5, 9},
        {7, 5, 4, 7},
        {5, 5, 4, 5},
        {6, 5, 5, 6},
        {16, 12, 16, 12},
        {6, 6, 4, 6},
    }};
    for (int row = 0; row < FontSizeRows; ++row)
        for (int column = 0; column < FontSizeColumns; ++column)
            EXPECT_EQ(values.FontSizes[static_cast<std::size_t>(FontSizeIndex(row, column))],
                      expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])
                << row << "," << column;
}

TEST_F(PropertySheetTest, FontTableControlsAndCaptions)
{
    std::set<int> controls;
    for (int row = 0; row < FontSizeRows; ++row)
        for (int column = 0; column < FontSizeColumns; ++column)
            controls.insert(FontSizeControlId(row, column));
    EXPECT_EQ(controls.size(), 24u);
    EXPECT_EQ(FontSizeControlId(0, 0), 1125);
    EXPECT_EQ(FontSizeControlId(0, 3), 1130);
    EXPECT_EQ(FontSizeControlId(4, 2), 1149);
    EXPECT_EQ(FontSizeControlId(5, 1), 1142);
    EXPECT_STREQ(FontSizeRowLabels()[4], "記録用紙");
    EXPECT_STREQ(FontSizeColumnLabels()[1], "バイブル");
}
