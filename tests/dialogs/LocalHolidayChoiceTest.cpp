#include "dialogs/LocalHolidayChoice.h"

#include "dialogs/SchoolYearDialog.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

using namespace planova;
using namespace planova::test;

namespace {

LocalHolidayChoice Choice(LocalHolidaySource source, std::string place, std::string ownDates = {})
{
    return {source, std::move(place), std::move(ownDates)};
}

} // namespace

TEST(LocalHolidayChoiceTest, ListGroupsCitiesUnderTheirPrefecture)
{
    std::vector<std::string> texts;
    for (const LocalHolidayItem& item : LocalHolidayItems())
        texts.push_back(item.Heading ? "[" + item.Text + "]" : item.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "なし",
                         "茨城県　県民の日（11月13日）",
                         "群馬県　群馬県民の日（10月28日）",
                         "埼玉県　県民の日（11月14日）",
                         "千葉県　県民の日（6月15日）",
                         "東京都　都民の日（10月1日）",
                         "[神奈川県]",
                         "　　横浜市　開港記念日（6月2日）",
                         "　　川崎市　市制記念日（7月1日）",
                         "山梨県　県民の日（11月20日）",
                         "自分で指定する",
                     }));

    // What each choice selects; an unknown place falls back on Tokyo.
    struct Case
    {
        LocalHolidayChoice Choice;
        int Index;
    };
    for (const Case& c : {Case{Choice(LocalHolidaySource::None, "saitama"), 0},
                          Case{Choice(LocalHolidaySource::Place, "saitama"), 3},
                          Case{Choice(LocalHolidaySource::Place, "kawasaki"), 8},
                          Case{Choice(LocalHolidaySource::Place, "osaka"), 5},
                          Case{Choice(LocalHolidaySource::OwnDates, "tokyo", "06-02 開港記念日"), 10}})
        EXPECT_EQ(LocalHolidayItemIndex(c.Choice), c.Index) << c.Choice.Place;
    EXPECT_EQ(LocalHolidayItemIndex(LocalHolidayChoice{}), 5);
}

TEST(LocalHolidayChoiceTest, OwnDatesAreRead)
{
    // Full-width digits, dashes and spaces as an input method types them; blank lines are skipped.
    const OwnHolidaysRead read =
        ReadOwnHolidays("06-02 開港記念日\n\n  7/1\t市制記念日 \r\n６－１５　県民の日\n");
    EXPECT_EQ(read.Error, "");
    EXPECT_EQ(read.Holidays,
              (std::vector<LocalHoliday>{
                  {{6, 2}, Sj("開港記念日")}, {{7, 1}, Sj("市制記念日")}, {{6, 15}, Sj("県民の日")}}));
    EXPECT_TRUE(ReadOwnHolidays("").Holidays.empty());

    struct Case
    {
        const char* Text;
        const char* Error;
    };
    const char* const format = "」は読めません。「MM-DD 名前」（例: 06-02 開港記念日）の形で書いてください。";
    for (const Case& c : {Case{"0602 開港記念日", "自分で指定する休日の1行目「0602 開港記念日"},
                          Case{"06-02 開港記念日\n06-02", "自分で指定する休日の2行目「06-02"},
                          Case{"06-02開港記念日", "自分で指定する休日の1行目「06-02開港記念日"},
                          Case{"123-1 創立記念日", "自分で指定する休日の1行目「123-1 創立記念日"},
                          Case{"開港記念日 06-02", "自分で指定する休日の1行目「開港記念日 06-02"}})
        EXPECT_EQ(ReadOwnHolidays(c.Text).Error, std::string(c.Error) + format);
    // A name with a character code page 932 cannot hold keeps it, as its escape; never replaced.
    const auto emoji = ReadOwnHolidays("\n07-07 七夕🎋");
    EXPECT_EQ(emoji.Error, "");
    ASSERT_EQ(emoji.Holidays.size(), std::size_t{1});
    EXPECT_EQ(emoji.Holidays[0].Name, Utf8ToCp932("七夕") + "&#x1F38B;");
}

TEST(LocalHolidayChoiceTest, ChoiceGivesTheGeneratorsHolidays)
{
    struct Case
    {
        LocalHolidayChoice Choice;
        std::vector<LocalHoliday> Holidays;
        const char* Refusal;
    };
    const Case cases[] = {
        {Choice(LocalHolidaySource::None, "tokyo", "06-02 開港記念日"), {}, ""},
        {Choice(LocalHolidaySource::Place, "saitama", "06-02 開港記念日"),
         {{{11, 14}, Sj("県民の日"), 1971}},
         ""},
        {Choice(LocalHolidaySource::OwnDates, "saitama", "06-02 開港記念日\n5-1 開校記念日"),
         {{{6, 2}, Sj("開港記念日")}, {{5, 1}, Sj("開校記念日")}},
         ""},
        {Choice(LocalHolidaySource::OwnDates, "tokyo"), {}, ""},
        {Choice(LocalHolidaySource::Place, "osaka"), {}, "地域の休日「osaka」はありません。"},
        {Choice(LocalHolidaySource::OwnDates, "tokyo", "02-30 運動会"),
         {{{2, 30}, Sj("運動会")}},
         "地域の休日の日付（2月30日）は存在しない日付です。"},
        {Choice(LocalHolidaySource::OwnDates, "tokyo", "6/2 開港記念日\n06-02 運動会"),
         {{{6, 2}, Sj("開港記念日")}, {{6, 2}, Sj("運動会")}},
         "地域の休日に同じ日付（6月2日）が2回あります（開港記念日、運動会）。1日に1つの名前にしてください。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChosenLocalHolidays(c.Choice), c.Holidays) << c.Choice.OwnDates;
        EXPECT_EQ(LocalHolidayChoiceRefusal(c.Choice), c.Refusal) << c.Choice.OwnDates;

        // The dialog's values carry the choice and the rule set to the generator, and OK refuses alike.
        SchoolYearDialogValues values = SchoolYearDialogDefaults(Date(2024, 6, 12), false);
        values.RuleSet = HolidayRuleSet::Classic;
        values.LocalHolidays = c.Choice;
        const SchoolYearParameters parameters = SchoolYearDialogParameters(values);
        EXPECT_EQ(parameters.Holidays.RuleSet, HolidayRuleSet::Classic);
        EXPECT_EQ(parameters.Holidays.LocalHolidays, c.Holidays);
        EXPECT_EQ(SchoolYearDialogRefusal(values), c.Refusal);
    }
}

TEST(LocalHolidayChoiceTest, StoredNames)
{
    for (const LocalHolidayChoice& choice :
         {Choice(LocalHolidaySource::None, "tokyo", "06-02 開港記念日"),
          Choice(LocalHolidaySource::Place, "yokohama"),
          Choice(LocalHolidaySource::OwnDates, "tokyo", "06-02 開港記念日")})
        EXPECT_EQ(StoredLocalHolidayChoice(StoredName(choice), choice.OwnDates), choice)
            << StoredName(choice);
    EXPECT_EQ(StoredName(Choice(LocalHolidaySource::None, "tokyo")), "none");
    EXPECT_EQ(StoredName(Choice(LocalHolidaySource::OwnDates, "tokyo")), "own");
    // Never chosen, or a name this program does not know: Tokyo.
    for (const char* name : {"", "osaka", "NONE"})
        EXPECT_EQ(StoredLocalHolidayChoice(name, {}), LocalHolidayChoice{}) << name;
}
