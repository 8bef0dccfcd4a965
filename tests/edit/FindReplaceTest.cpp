#include "edit/FindReplace.h"

#include "support/Cp932Literals.h"
#include "view/DayDrawing.h"
#include "support/Dates.h"

#include <gtest/gtest.h>

#include <vector>

using namespace planova;
using planova::test::Sj;

namespace {

using planova::test::Date;

const DateTime Monday = Date(2014, 4, 7);
const DateTime Tuesday = Date(2014, 4, 8);
const DateTime Friday = Date(2014, 4, 11);

/// A hit as the tests compare it; a hit in a ToDo item has no date and names the item.
struct Hit
{
    DateTime Date;
    int Field;
    int Line;
    int Column;
    int ToDoItem = -1;
    bool operator==(const Hit&) const = default;
};

/// A hit in the ToDo item at index `item`.
Hit ToDoHit(int item, int field, int line = 0, int column = 0)
{
    return {DateTime::FromDayNumber(0.0), field, line, column, item};
}

std::ostream& operator<<(std::ostream& out, const Hit& hit)
{
    if (hit.ToDoItem >= 0)
        out << "ToDo " << hit.ToDoItem;
    else
        out << hit.Date.Year() << "-" << hit.Date.Month() << "-" << hit.Date.Day();
    return out << " field " << hit.Field << " line " << hit.Line << " column " << hit.Column;
}

class FindReplaceTest : public ::testing::Test
{
protected:
    /// Stores a day: the fields given by number, everything else empty.
    void StoreDay(const DateTime& date, std::initializer_list<std::pair<int, std::string>> fields)
    {
        Document.UpdateDay(date, [&](CDayData& day) {
            for (const auto& [field, text] : fields)
                SetDayFieldText(day, field, text);
        });
        Document.SetModified(false);
    }

    /// The hits "次を検索" reports one after the other, the view following each hit to its day.
    std::vector<Hit> Walk(const DateTime& from, const std::string& search, bool fromStart = false,
                          const FindOrder& order = {})
    {
        std::vector<Hit> hits;
        DateTime start = from;
        while (FindNext(Document, CurrentHit, start, search, fromStart, {}, order)) {
            const FindHitState& hit = CurrentHit;
            if (hit.ToDoItem >= 0) {
                hits.push_back(ToDoHit(hit.ToDoItem, hit.Field, hit.Line, hit.Column));
            } else {
                hits.push_back({hit.Date, hit.Field, hit.Line, hit.Column});
                start = hit.Date;
            }
            fromStart = false;
        }
        return hits;
    }

    /// Appends a ToDo item with the subject and memo.
    void AppendToDo(const std::string& subject, const std::string& memo)
    {
        CToDo item;
        item.SetKennmei(subject);
        item.SetMemo(memo);
        Document.AppendToDo(std::move(item));
        Document.SetModified(false);
    }

    std::string Field(const DateTime& date, int field)
    {
        const CDayData* day = Document.FindStoredDay(date);
        return day ? DayFieldText(*day, field) : "(not stored)";
    }

    CPlanovaDoc Document;
    FindHitState CurrentHit;
};

} // namespace

TEST_F(FindReplaceTest, DayFieldsAreNumberedInSearchOrder)
{
    CDayData day;
    day.SetJitei("k");
    day.SetGyouji("e");
    day.SetJigenn(0, "L0");
    day.SetYotei(0, "P0");
    day.SetNaiyou(9, "C9");
    day.SetMemo("m");
    EXPECT_EQ(DayFieldText(day, FindField::Jitei), "k");
    EXPECT_EQ(DayFieldText(day, 2), "e");
    EXPECT_EQ(DayFieldText(day, 3), "L0");
    EXPECT_EQ(DayFieldText(day, 4), "P0");
    EXPECT_EQ(DayFieldText(day, 32), "C9");
    EXPECT_EQ(DayFieldText(day, LastDayField), "m");
    for (int field = 1; field <= LastDayField; ++field)
        SetDayFieldText(day, field, std::to_string(field));
    EXPECT_EQ(day.GetYotei(3), std::to_string(FindField::Yotei(3)));
    EXPECT_EQ(day.GetMemo(), "33");
}

TEST_F(FindReplaceTest, RepeatedFindNextReportsEachFieldOnceInDateAndFieldOrder)
{
    StoreDay(Monday, {{FindField::Yotei(0), Sj("国語\r\n国語")}, {FindField::Naiyou(0), Sj("古典・国語")}});
    StoreDay(Tuesday, {{FindField::Jitei, Sj("国語の日")}, {FindField::Memo, Sj("会議\r\n１年国語")}});
    EXPECT_EQ(
        Walk(Monday, Sj("国語")),
        (std::vector<Hit>{{Monday, 4, 0, 0}, {Monday, 5, 0, 6}, {Tuesday, 1, 0, 0}, {Tuesday, 33, 1, 4}}));
    // The last search, after the memo of the last stored day, found nothing; the hit stays marked.
    EXPECT_TRUE(CurrentHit.Found);
    EXPECT_EQ(CurrentHit.Text, Sj("国語"));
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(FindReplaceTest, WhereTheSearchBeginsAndEnds)
{
    struct Case
    {
        const char* Name;
        bool StoreDays;
        DateTime Start;
        bool FromStart;
        std::vector<Hit> Expected;
    };
    const Case cases[] = {
        {"no stored day finds nothing", false, Monday, false, {}},
        {"no stored day, from the start either", false, Monday, true, {}},
        {"after the last stored day nothing", true, Date(2014, 5, 1), false, {}},
        {"after the last day, from the start",
         true,
         Date(2014, 5, 1),
         true,
         {{Monday, 1, 0, 0}, {Friday, 33, 0, 0}}},
        {"a day without record starts at the next", true, Tuesday, false, {{Friday, 33, 0, 0}}},
        {"the start day itself is searched", true, Friday, false, {{Friday, 33, 0, 0}}},
        {"before the first day", true, Date(2014, 1, 1), false, {{Monday, 1, 0, 0}, {Friday, 33, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        CurrentHit = FindHitState();
        if (c.StoreDays) {
            StoreDay(Monday, {{FindField::Jitei, "x"}});
            StoreDay(Friday, {{FindField::Memo, "x"}});
        }
        EXPECT_EQ(Walk(c.Start, "x", c.FromStart), c.Expected);
    }
}

TEST_F(FindReplaceTest, TheWalkBothWaysWithAndWithoutTheToDoItems)
{
    const FindOrder backward{true, false};
    const FindOrder toDos{false, true};
    const FindOrder backwardToDos{true, true};
    struct Case
    {
        const char* Name;
        DateTime Start;
        bool FromStart;
        FindOrder Order;
        std::vector<Hit> Expected;
    };
    // Monday: kind and memo hold x; Friday: the plan of period 1; items 0 (memo) and 2 (subject and memo).
    const Case cases[] = {
        {"forward stops after the last day",
         Monday,
         false,
         {},
         {{Monday, 1, 0, 0}, {Monday, 33, 0, 1}, {Friday, 4, 0, 0}}},
        {"forward goes on into the items, subject before memo",
         Friday,
         false,
         toDos,
         {{Friday, 4, 0, 0},
          ToDoHit(0, ToDoMemoField),
          ToDoHit(2, ToDoSubjectField, 0, 2),
          ToDoHit(2, ToDoMemoField)}},
        {"backward from a day searches that day from its last field",
         Friday,
         false,
         backward,
         {{Friday, 4, 0, 0}, {Monday, 33, 0, 1}, {Monday, 1, 0, 0}}},
        {"backward from a day without record starts at the day before",
         Tuesday,
         false,
         backward,
         {{Monday, 33, 0, 1}, {Monday, 1, 0, 0}}},
        {"backward before the first day finds nothing", Date(2014, 1, 1), false, backwardToDos, {}},
        {"backward from the start begins at the last item",
         Monday,
         true,
         backwardToDos,
         {ToDoHit(2, ToDoMemoField),
          ToDoHit(2, ToDoSubjectField, 0, 2),
          ToDoHit(0, ToDoMemoField),
          {Friday, 4, 0, 0},
          {Monday, 33, 0, 1},
          {Monday, 1, 0, 0}}},
        {"backward from the start without items begins at the last day",
         Monday,
         true,
         backward,
         {{Friday, 4, 0, 0}, {Monday, 33, 0, 1}, {Monday, 1, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        CurrentHit = FindHitState();
        StoreDay(Monday, {{FindField::Jitei, "x"}, {FindField::Memo, "-x"}});
        StoreDay(Friday, {{FindField::Yotei(0), "x"}});
        AppendToDo("a", "x");
        AppendToDo("b", "c");
        AppendToDo("dex", "x");
        EXPECT_EQ(Walk(c.Start, "x", c.FromStart, c.Order), c.Expected);
    }
}

TEST_F(FindReplaceTest, FromAHitInAnItemTheWalkTurnsBackIntoTheDays)
{
    StoreDay(Monday, {{FindField::Memo, "x"}});
    AppendToDo("x", "");
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "x", false, {}, {false, true}));
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "x", false, {}, {false, true}));
    ASSERT_EQ(CurrentHit.ToDoItem, 0);
    // The calendar still shows Monday; the item's hit is where the backward walk starts.
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "x", false, {}, {true, true}));
    EXPECT_EQ(CurrentHit.ToDoItem, -1);
    EXPECT_EQ(CurrentHit.Date, Monday);
    EXPECT_EQ(CurrentHit.Field, FindField::Memo);
    // An item's hit is forgotten when the items are no longer searched: the walk starts at Monday.
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "x", false, {}, {false, true}));
    ASSERT_EQ(CurrentHit.ToDoItem, 0);
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "x", false));
    EXPECT_EQ(CurrentHit.ToDoItem, -1);
    EXPECT_EQ(CurrentHit.Field, FindField::Memo);
}

TEST_F(FindReplaceTest, ReplacingInToDoItems)
{
    StoreDay(Monday, {{FindField::Memo, "aa"}});
    AppendToDo("aa", "b");
    AppendToDo("c", "a");
    ASSERT_TRUE(FindNext(Document, CurrentHit, Friday, "a", false, {}, {false, true}));
    ASSERT_TRUE(ReplaceHit(Document, CurrentHit, "a", "z"));
    EXPECT_EQ(Document.ToDo(0).GetKennmei(), "za");
    EXPECT_FALSE(CurrentHit.Found);

    // "全て置換" leaves the items alone unless they are searched.
    EXPECT_EQ(ReplaceAll(Document, CurrentHit, "a", "y").ChangedToDos, 0);
    EXPECT_EQ(Document.ToDo(1).GetMemo(), "a");
    const ReplaceAllResult all = ReplaceAll(Document, CurrentHit, "a", "y", {}, true);
    EXPECT_EQ(all.ChangedFields, 3); // Monday's memo, the subject of item 0, the memo of item 1
    EXPECT_EQ(all.ChangedDays, 1);
    EXPECT_EQ(all.ChangedToDos, 2);
    EXPECT_EQ(Document.ToDo(0).GetKennmei(), "zy");
    EXPECT_EQ(Document.ToDo(1).GetMemo(), "y");
    EXPECT_EQ(Field(Monday, FindField::Memo), "yy");
}

TEST_F(FindReplaceTest, AHitOnAnotherDayDoesNotSkipFieldsOfTheStartDay)
{
    StoreDay(Monday, {{FindField::Memo, "x"}});
    StoreDay(Tuesday, {{FindField::Jitei, "x"}, {FindField::Memo, "x"}});
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "x", false));
    ASSERT_EQ(CurrentHit.Field, FindField::Memo);
    // The teacher picks Tuesday in the calendar and searches again: Tuesday's kind is the next hit.
    ASSERT_TRUE(FindNext(Document, CurrentHit, Tuesday, "x", false));
    EXPECT_EQ(CurrentHit.Date, Tuesday);
    EXPECT_EQ(CurrentHit.Field, FindField::Jitei);
}

TEST_F(FindReplaceTest, ReplaceHitChangesTheHitFieldOnlyAndResetsTheHit)
{
    StoreDay(Monday, {{FindField::Yotei(2), "a a"}, {FindField::Naiyou(2), "a"}});
    EXPECT_FALSE(ReplaceHit(Document, CurrentHit, "a", "b")); // no hit yet: nothing happens
    EXPECT_FALSE(Document.IsModified());

    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "a", false));
    EXPECT_TRUE(ReplaceHit(Document, CurrentHit, "a", "b"));
    EXPECT_EQ(Field(Monday, FindField::Yotei(2)), "b a");
    EXPECT_EQ(Field(Monday, FindField::Naiyou(2)), "a");
    EXPECT_TRUE(Document.IsModified());
    EXPECT_FALSE(CurrentHit.Found);
    EXPECT_EQ(CurrentHit.Field, 0);
    // The next search starts again from the first field of the day.
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "a", false));
    EXPECT_EQ(CurrentHit.Field, FindField::Yotei(2));
    EXPECT_EQ(CurrentHit.Column, 2);
}

TEST_F(FindReplaceTest, ReplaceAllReplacesOncePerFieldAndStoresOnlyChangedDays)
{
    StoreDay(Monday, {{FindField::Yotei(0), "aaa"}, {FindField::Memo, Sj("ア")}});
    StoreDay(Tuesday, {{FindField::Memo, "none"}});
    StoreDay(Friday, {{FindField::Jitei, "a"}, {FindField::Gyouji, "xa"}});
    ASSERT_TRUE(FindNext(Document, CurrentHit, Friday, "a", false));

    for (const char* expected : {"baa", "bba", "bbb"}) {
        const ReplaceAllResult result = ReplaceAll(Document, CurrentHit, "a", "b");
        EXPECT_TRUE(result.Result.Ok);
        EXPECT_EQ(Field(Monday, FindField::Yotei(0)), expected);
    }
    EXPECT_EQ(Field(Monday, FindField::Memo), Sj("ア")); // its trail byte is an "A", not an "a"
    EXPECT_EQ(Field(Friday, FindField::Jitei), "b");
    EXPECT_EQ(Field(Friday, FindField::Gyouji), "xb");
    EXPECT_FALSE(CurrentHit.Found);

    Document.SetModified(false);
    const ReplaceAllResult nothing = ReplaceAll(Document, CurrentHit, "a", "b");
    EXPECT_TRUE(nothing.Result.Ok);
    EXPECT_EQ(nothing.ChangedDays, 0);
    EXPECT_FALSE(Document.IsModified()); // no day changed, none stored
}

TEST_F(FindReplaceTest, ReplaceAllWithAnEmptySearchTextIsRefused)
{
    StoreDay(Monday, {{FindField::Yotei(0), "abc"}});
    const std::vector<CDayData> before = Document.DayList();
    const ReplaceAllResult result = ReplaceAll(Document, CurrentHit, "", "x");
    EXPECT_FALSE(result.Result.Ok);
    EXPECT_NE(result.Result.Error.find("検索文字列"), std::string::npos);
    EXPECT_EQ(result.ChangedFields, 0);
    EXPECT_EQ(Document.DayList(), before);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(FindReplaceTest, AnEmptySearchTextFindsEveryFieldAndReplaceHitStillWorks)
{
    StoreDay(Monday, {{FindField::Memo, "m"}});
    ASSERT_TRUE(FindNext(Document, CurrentHit, Monday, "", false));
    EXPECT_EQ(CurrentHit.Field, FindField::Jitei); // an empty field matches too
    ASSERT_TRUE(ReplaceHit(Document, CurrentHit, "", "x"));
    EXPECT_EQ(Field(Monday, FindField::Jitei), "x");
    EXPECT_EQ(Walk(Monday, "").size(), static_cast<std::size_t>(LastDayField));
}
