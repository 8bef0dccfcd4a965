#include "model/CPlanovaDoc.h"

#include "model/DataFile.h"
#include "model/Clock.h"
#include "model/FindHit.h"
#include "model/InvalidArgument.h"

#include <gtest/gtest.h>

#include <functional>

using namespace planova;

namespace {

void StoreDate(CPlanovaDoc& doc, int y, int m, int d, const std::string& memo = {})
{
    doc.UpdateDay(DateTime::FromDate(y, m, d), [&](CDayData& day) { day.SetMemo(memo); });
}

std::vector<int> Days(const CPlanovaDoc& doc)
{
    std::vector<int> days;
    for (const CDayData& day : doc.DayList())
        days.push_back(day.GetDate().IsValid() ? day.GetDate().Day() : -1);
    return days;
}

} // namespace

TEST(CPlanovaDocTest, DayListStaysOrderedAndUnique)
{
    CPlanovaDoc doc;
    StoreDate(doc, 2012, 4, 3);
    StoreDate(doc, 2012, 4, 1);
    StoreDate(doc, 2012, 4, 2);
    EXPECT_EQ(Days(doc), (std::vector<int>{1, 2, 3}));
    StoreDate(doc, 2012, 4, 2, "again");
    EXPECT_EQ(Days(doc), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(doc.DayList()[1].GetMemo(), "again");
    EXPECT_TRUE(doc.IsModified());
}

TEST(CPlanovaDocTest, FindDayPositionOutcomes)
{
    CPlanovaDoc doc;
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 1)).Outcome, DayPositionOutcome::EmptyList);
    StoreDate(doc, 2012, 4, 2);
    StoreDate(doc, 2012, 4, 4);
    struct Case
    {
        int Day;
        DayPositionOutcome Outcome;
        std::size_t Position;
    };
    for (const Case c : {Case{1, DayPositionOutcome::InsertBefore, 0}, Case{2, DayPositionOutcome::Found, 0},
                         Case{3, DayPositionOutcome::InsertBefore, 1}, Case{4, DayPositionOutcome::Found, 1},
                         Case{5, DayPositionOutcome::Append, 2}}) {
        const DayPosition position = doc.FindDayPosition(DateTime::FromDate(2012, 4, c.Day));
        EXPECT_EQ(position.Outcome, c.Outcome) << c.Day;
        EXPECT_EQ(position.Position, c.Position) << c.Day;
    }
    EXPECT_EQ(doc.FindDayPosition(DateTime::Invalid()).Outcome, DayPositionOutcome::Append);
    // Equal within half a second, found from either side of the stored midnight.
    const double midnight = DateTime::FromDate(2012, 4, 4).DayNumber();
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDayNumber(midnight - 0.3 / 86400)).Outcome,
              DayPositionOutcome::Found);
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDayNumber(midnight + 0.3 / 86400)).Outcome,
              DayPositionOutcome::Found);
}

TEST(CPlanovaDocTest, UnorderedListFromAFileIsWalkedInListOrder)
{
    CPlanovaDoc doc;
    for (int d : {5, 3, 9}) {
        CDayData day;
        day.SetDate(2012, 4, d);
        doc.AppendDayUnsorted(day);
    }
    // The first record later than 4 April is the one of 5 April at position 0.
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 4)).Outcome, DayPositionOutcome::InsertBefore);
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 4)).Position, 0u);
    // 3 April is stored at position 1, but the walk meets the later 5 April first.
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 3)).Outcome, DayPositionOutcome::InsertBefore);
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 3)).Position, 0u);
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 9)).Outcome, DayPositionOutcome::Found);
}

TEST(CPlanovaDocTest, AnUnstoredDateReadsAsAnEmptyDayAndStoresNothing)
{
    CPlanovaDoc doc;
    StoreDate(doc, 2012, 4, 1, "stored");
    doc.SetModified(false);
    const CDayData blank = doc.Day(DateTime::FromDate(2012, 4, 2));
    EXPECT_EQ(blank.GetDate(), DateTime::FromDate(2012, 4, 2));
    EXPECT_TRUE(blank.GetMemo().empty());
    for (int row = 0; row < CDayData::RowCount; ++row)
        EXPECT_EQ(blank.GetIro(row), 0);
    EXPECT_EQ(doc.DayList().size(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Day(DateTime::FromDate(2012, 4, 1)).GetMemo(), "stored");
}

TEST(CPlanovaDocTest, FindStoredDayReadsWithoutACopy)
{
    CPlanovaDoc doc;
    StoreDate(doc, 2012, 4, 1, "stored");
    const CPlanovaDoc& readOnly = doc;
    const CDayData* stored = readOnly.FindStoredDay(DateTime::FromDate(2012, 4, 1));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->GetMemo(), "stored");
    EXPECT_EQ(stored, &doc.DayList()[0]);
    EXPECT_EQ(readOnly.FindStoredDay(DateTime::FromDate(2012, 4, 2)), nullptr);
}

TEST(CPlanovaDocTest, StoringAnInvalidDateAppendsEachTime)
{
    CPlanovaDoc doc;
    StoreDate(doc, 2012, 4, 1);
    CDayData invalid;
    invalid.SetDate(2012, 2, 30);
    doc.PutDay(invalid);
    doc.PutDay(invalid);
    EXPECT_EQ(Days(doc), (std::vector<int>{1, -1, -1}));
    // The list still finds its valid dates.
    EXPECT_EQ(doc.FindDayPosition(DateTime::FromDate(2012, 4, 1)).Outcome, DayPositionOutcome::Found);
    StoreDate(doc, 2012, 3, 1);
    EXPECT_EQ(Days(doc), (std::vector<int>{1, 1, -1, -1}));
}

TEST(CPlanovaDocTest, UndoHistoryIsBoundedByStepsNotByTen)
{
    CPlanovaDoc doc;
    StoreDate(doc, 2012, 4, 1); // before a view started the history: nothing recorded
    EXPECT_FALSE(doc.CanUndo());
    doc.InitUndoHistory();
    const auto memo = [&](int call) {
        doc.UpdateDay(DateTime::FromDate(2012, 4, 1),
                      [&](CDayData& day) { day.SetMemo(std::to_string(call)); });
    };
    const int calls = static_cast<int>(UndoHistory::MaxSteps) + 5;
    for (int call = 1; call <= calls; ++call)
        memo(call);
    EXPECT_EQ(doc.Undos().UndoCount(), static_cast<int>(UndoHistory::MaxSteps));
    while (doc.Undo()) {
    }
    // The oldest five steps were dropped: the memo is the one the sixth write replaced.
    EXPECT_EQ(doc.Day(DateTime::FromDate(2012, 4, 1)).GetMemo(), "5");
    EXPECT_EQ(doc.Undos().RedoCount(), static_cast<int>(UndoHistory::MaxSteps));
    memo(0); // a new change clears the redo list
    EXPECT_FALSE(doc.CanRedo());
}

TEST(CPlanovaDocTest, AStepKeepsOnlyTheDaysItWroteAndIsUndoneWhole)
{
    CPlanovaDoc doc;
    StoreDate(doc, 2012, 4, 1);
    doc.InitUndoHistory();
    const std::string before = WriteDataFile(doc);
    {
        const CPlanovaDoc::UndoStepScope step(doc, "tool");
        for (int d = 1; d <= 30; ++d)
            doc.UpdateDay(DateTime::FromDate(2012, 4, d), [](CDayData& day) { day.SetGyouji("x"); });
        CToDo item;
        item.SetKennmei("new");
        doc.InsertToDo(0, item);
    }
    ASSERT_EQ(doc.Undos().UndoCount(), 1);
    EXPECT_EQ(doc.Undos().NextUndo().Days.size(), 30U);
    const std::string after = WriteDataFile(doc);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(WriteDataFile(doc), before); // the 29 days added are gone again, the item too
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(WriteDataFile(doc), after);
}

TEST(CPlanovaDocTest, DefaultsDependOnTheCreationDate)
{
    struct Case
    {
        int Month;
        int HajimeYear;
    };
    for (const Case c : {Case{2, 2011}, Case{3, 2011}, Case{4, 2012}, Case{12, 2012}}) {
        FixedNowScope clock(DateTime::FromDateTime(2012, c.Month, 15, 9, 0, 0));
        const CPlanovaDoc doc;
        EXPECT_EQ(doc.HajimeYear, c.HajimeYear) << c.Month;
        EXPECT_EQ(doc.HajimeMonth, 4);
        EXPECT_EQ(doc.HajimeDay, 1);
        EXPECT_EQ(doc.OwariYear, c.HajimeYear + 1);
        EXPECT_EQ(doc.OwariMonth, 3);
        EXPECT_EQ(doc.OwariDay, 31);
        EXPECT_EQ(doc.BirthdayYear, 2012);
        EXPECT_EQ(doc.BirthdayMonth, c.Month);
        EXPECT_EQ(doc.BirthdayDay, 15);
    }
    const CPlanovaDoc doc;
    EXPECT_TRUE(doc.ToDoView);
    EXPECT_FALSE(doc.Biorhythm);
    EXPECT_EQ(doc.DspType, 0);
    EXPECT_EQ(doc.FontPoint[0], 9);
    EXPECT_EQ(doc.FontPoint[4 * 4 + 0], 16);
    EXPECT_EQ(doc.FontPoint[5 * 4 + 2], 4);
    EXPECT_EQ(doc.Print.PFontSize, 9);
    EXPECT_EQ(doc.Print.PKeisenFutosa, 1);
    EXPECT_TRUE(doc.Print.PDayKiroku);
    EXPECT_FALSE(doc.Print.PKirokuCenterline1by3);
    EXPECT_FALSE(doc.IsModified());
    const FindHitState hit; // no hit before the first search
    EXPECT_FALSE(hit.Found);
    EXPECT_EQ(hit.Date.DayNumber(), 0.0);
    EXPECT_EQ(hit.Column, -1);
}

TEST(CPlanovaDocTest, DaysAreReadWrittenAndRemovedByDate)
{
    CPlanovaDoc doc;
    const DateTime april2 = DateTime::FromDate(2012, 4, 2);
    // An unstored date reads as an empty day of that date and stores nothing.
    const CDayData blank = doc.Day(DateTime::FromDateTime(2012, 4, 2, 9, 30, 0));
    EXPECT_TRUE(blank.GetDate().IsIdenticalTo(april2));
    EXPECT_TRUE(blank.GetMemo().empty());
    EXPECT_TRUE(doc.DayList().empty());
    EXPECT_FALSE(doc.IsModified());

    doc.UpdateDay(april2, [](CDayData& day) { day.SetMemo("first"); });
    doc.UpdateDay(april2, [](CDayData& day) { day.SetGyouji("event"); });
    ASSERT_EQ(doc.DayList().size(), 1u);
    EXPECT_EQ(doc.Day(april2).GetMemo(), "first");
    EXPECT_EQ(doc.Day(april2).GetGyouji(), "event");
    EXPECT_TRUE(doc.IsModified());

    // A day put with a time of day replaces the record of its date and is stored at 00:00.
    CDayData later;
    later.ClearDay(DateTime::FromDateTime(2012, 4, 2, 15, 0, 0));
    later.SetMemo("replaced");
    doc.PutDay(later);
    ASSERT_EQ(doc.DayList().size(), 1u);
    EXPECT_EQ(doc.DayList()[0].GetMemo(), "replaced");
    EXPECT_EQ(doc.DayList()[0].GetDate().Hour(), 0);

    doc.SetModified(false);
    EXPECT_FALSE(doc.RemoveDay(DateTime::FromDate(2012, 4, 3)));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.RemoveDay(april2));
    EXPECT_TRUE(doc.DayList().empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST(CPlanovaDocTest, ItemsAreAppendedInsertedReplacedAndRemovedByIndex)
{
    const auto item = [](const std::string& subject) {
        CToDo todo;
        todo.SetKennmei(subject);
        return todo;
    };
    const auto subjects = [](const CPlanovaDoc& doc) {
        std::string all;
        for (const CToDo& todo : doc.ToDoList())
            all += todo.GetKennmei();
        return all;
    };
    CPlanovaDoc doc;
    doc.AppendToDo(item("b"));
    doc.InsertToDo(0, item("a"));
    doc.InsertToDo(2, item("d")); // the item count: appended
    doc.InsertToDo(2, item("c"));
    EXPECT_EQ(subjects(doc), "abcd");
    doc.ReplaceToDo(1, item("B"));
    doc.RemoveToDo(3);
    EXPECT_EQ(subjects(doc), "aBc");
    EXPECT_EQ(doc.ToDo(2).GetKennmei(), "c");
    EXPECT_TRUE(doc.IsModified());

    // An index outside the list changes nothing.
    doc.SetModified(false);
    for (int bad : {-1, 3, 100}) {
        EXPECT_THROW(doc.ToDo(bad), InvalidArgument) << bad;
        EXPECT_THROW(doc.ReplaceToDo(bad, item("x")), InvalidArgument) << bad;
        EXPECT_THROW(doc.RemoveToDo(bad), InvalidArgument) << bad;
    }
    for (int bad : {-1, 4})
        EXPECT_THROW(doc.InsertToDo(bad, item("x")), InvalidArgument) << bad;
    EXPECT_EQ(subjects(doc), "aBc");
    EXPECT_FALSE(doc.IsModified());
}

// What a recovery journal appends: the dates written since the last take, each once and in date
// order, whether the ToDo list was written, and whether only the whole document describes it.
TEST(CPlanovaDocTest, TakeChangesNamesWhatWasWrittenSinceTheLastTake)
{
    struct Case
    {
        const char* Name;
        std::function<void(CPlanovaDoc&)> Change;
        std::vector<int> Days;
        bool ToDos;
        bool Inexact;
    };
    const std::vector<Case> cases{
        {"nothing", [](CPlanovaDoc&) {}, {}, false, false},
        {"days written twice and out of order",
         [](CPlanovaDoc& doc) {
             StoreDate(doc, 2024, 5, 9, "a");
             StoreDate(doc, 2024, 5, 2, "b");
             StoreDate(doc, 2024, 5, 9, "c");
         },
         {2, 9},
         false,
         false},
        {"a day with a time of day",
         [](CPlanovaDoc& doc) { doc.PutDay(doc.Day(DateTime::FromDateTime(2024, 5, 3, 13, 0, 0))); },
         {3},
         false,
         false},
        {"a day removed",
         [](CPlanovaDoc& doc) { doc.RemoveDay(DateTime::FromDate(2024, 5, 1)); },
         {1},
         false,
         false},
        {"an item inserted", [](CPlanovaDoc& doc) { doc.InsertToDo(0, CToDo()); }, {}, true, false},
        {"an edit undone and redone",
         [](CPlanovaDoc& doc) {
             doc.AppendToDo(CToDo());
             StoreDate(doc, 2024, 5, 4, "x");
             (void)doc.TakeChanges();
             doc.Undo();
             doc.Undo();
             doc.Redo();
         },
         {4},
         true,
         false},
        {"a day without a valid date",
         [](CPlanovaDoc& doc) {
             CDayData invalid;
             invalid.SetDate(2012, 2, 30);
             doc.PutDay(invalid);
         },
         {},
         false,
         true},
    };
    for (const Case& test : cases) {
        CPlanovaDoc doc;
        StoreDate(doc, 2024, 5, 1, "first");
        doc.InitUndoHistory();
        (void)doc.TakeChanges();
        test.Change(doc);
        const CPlanovaDoc::ContentChanges changes = doc.TakeChanges();
        std::vector<int> days;
        for (const DateTime& date : changes.Days)
            days.push_back(date.Day());
        EXPECT_EQ(days, test.Days) << test.Name;
        EXPECT_EQ(changes.ToDos, test.ToDos) << test.Name;
        EXPECT_EQ(changes.Inexact, test.Inexact) << test.Name;
        // Taken: the next take starts anew.
        const CPlanovaDoc::ContentChanges again = doc.TakeChanges();
        EXPECT_TRUE(again.Days.empty() && !again.ToDos) << test.Name;
    }
}
