#include "dialogs/EntryDialog.h"

#include "model/CPlanovaDoc.h"
#include "model/Clock.h"
#include "support/Numbered.h"
#include "support/Cp932Literals.h"
#include "support/ScriptedViewServices.h"
#include "edit/UndoCommand.h"

#include <gtest/gtest.h>

using namespace planova;
using planova::test::Cancelling;
using planova::test::Confirming;
using planova::test::ScriptedViewServices;
using planova::test::Sj;

namespace {

const DateTime April1 = DateTime::FromDate(2012, 4, 1);
const DateTime ConfirmedAt = DateTime::FromDateTime(2014, 5, 6, 13, 45, 0);

/// A day with something different in every field, so a write to the wrong field shows.
CDayData FilledDay(const DateTime& date)
{
    CDayData day;
    day.ClearDay(date);
    day.SetJitei(Sj("45分時程"));
    day.SetGyouji(Sj("遠足"));
    for (int row = 0; row < CDayData::RowCount; ++row) {
        day.SetJigenn(row, test::Numbered("L", row));
        day.SetYotei(row, test::Numbered("P", row));
        day.SetNaiyou(row, test::Numbered("C", row));
        day.SetIro(row, row % 8);
    }
    day.SetMemo("memo\r\nline 2");
    return day;
}

CToDo Item(const std::string& subject, int month = 6, int day = 1)
{
    CToDo item;
    item.SetKennmei(subject);
    item.SetKigenn(2014, month, day);
    item.SetJyuuyoudo("B2");
    item.SetMemo(subject + " memo");
    return item;
}

class EntryDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { Reset(); }

    /// Day 1 April 2012 filled and loaded, items "first", "second", "third", nothing modified or recorded.
    void Reset()
    {
        Document = CPlanovaDoc();
        Document.PutDay(FilledDay(April1));
        for (const char* subject : {"first", "second", "third"}) {
            Document.AppendToDo(Item(subject));
        }
        Document.InitUndoHistory();
        Document.SetModified(false);
    }

    const CDayData& StoredDay() const { return Document.DayList().front(); }

    FixedNowScope Clock{ConfirmedAt};
    CPlanovaDoc Document;
};

} // namespace

TEST(DayTitlePrefixTest, MonthAndDayLoseTheirLeadingZeroYearKeepsIt)
{
    const struct
    {
        DateTime Day;
        const char* Expected;
    } cases[] = {
        {April1, "2012年 4月 1日"},
        {DateTime::FromDate(2012, 12, 10), "2012年12月10日"},
        {DateTime::FromDate(2012, 10, 1), "2012年10月 1日"},
        {DateTime::FromDate(999, 1, 20), "0999年 1月20日"},
        {DateTime::FromDateTime(2012, 4, 1, 18, 30, 0), "2012年 4月 1日"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayTitlePrefix(c.Day), Sj(c.Expected)) << c.Expected;
}

TEST_F(EntryDialogTest, EachCellRowOpensItsModeAndWritesBackOnlyItsFields)
{
    const auto periodRowEdited = [](int row) {
        return [row](CDayData& day) {
            day.SetJigenn(row, "new 1");
            day.SetYotei(row, "new 2");
            day.SetNaiyou(row, "new 3");
            day.SetIro(row, 6);
        };
    };
    struct Shown
    {
        std::string ComboText, Text1, Text2, Text3;
        int ColorIndex;
    };
    const struct
    {
        const char* Name;
        int CellRow;
        int Mode;
        Shown Start; ///< the value members the dialog must start with
        std::function<void(CDayData&)> Expected;
    } cases[] = {
        {"kind and event",
         1,
         EditKindAndEvent,
         {Sj("45分時程"), Sj("遠足"), "", "", 0},
         [](CDayData& day) {
             day.SetJitei("new combo");
             day.SetGyouji("new 1");
         }},
        {"first period row", 2, EditPeriodRow, {"", "L0", "P0", "C0", 0}, periodRowEdited(0)},
        {"last period row", 11, EditPeriodRow, {"", "L9", "P9", "C9", 1}, periodRowEdited(9)},
        {"memo",
         12,
         EditMemo,
         {"", "memo\r\nline 2", "", "", 0},
         [](CDayData& day) { day.SetMemo("new 1"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) {
            values.ComboText = "new combo";
            values.Text1 = "new 1";
            values.Text2 = "new 2";
            values.Text3 = "new 3";
            values.ColorIndex = 6;
        });
        ASSERT_TRUE(EditDayEntry(Document, April1, c.CellRow, dialog));

        ASSERT_EQ(dialog.Started.size(), 1u);
        const EntryDialogValues& shown = dialog.Started[0];
        EXPECT_EQ(shown.EditMode, c.Mode);
        EXPECT_EQ(shown.TitlePrefix, Sj("2012年 4月 1日"));
        EXPECT_EQ(shown.ComboText, c.Start.ComboText);
        EXPECT_EQ(shown.Text1, c.Start.Text1);
        EXPECT_EQ(shown.Text2, c.Start.Text2);
        EXPECT_EQ(shown.Text3, c.Start.Text3);
        EXPECT_EQ(shown.ColorIndex, c.Start.ColorIndex);

        CDayData expected = FilledDay(April1);
        c.Expected(expected);
        ASSERT_EQ(Document.DayList().size(), 1u);
        EXPECT_EQ(StoredDay(), expected);
        EXPECT_TRUE(Document.IsModified());
        ASSERT_EQ(Document.Undos().UndoCount(), 1);
        EXPECT_EQ(*Document.Undos().NextUndo().Days.front().Before, FilledDay(April1));
    }
}

TEST_F(EntryDialogTest, RowsOutsideTheEntriesOpenNothing)
{
    for (int cellRow : {-1, 0, 13, 14}) {
        ScriptedViewServices dialog = Confirming();
        EXPECT_FALSE(EditDayEntry(Document, April1, cellRow, dialog)) << cellRow;
        EXPECT_TRUE(dialog.Started.empty()) << cellRow;
    }
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(Document.Undos().UndoCount(), 0);
}

TEST_F(EntryDialogTest, ADayNeverStoredIsAddedOnOk)
{
    const DateTime may5 = DateTime::FromDate(2012, 5, 5);
    ScriptedViewServices dialog =
        Confirming([](EntryDialogValues& values) { values.Text1 = Sj("こどもの日"); });
    ASSERT_TRUE(EditDayEntry(Document, may5, 12, dialog));
    EXPECT_EQ(dialog.Started[0].TitlePrefix, Sj("2012年 5月 5日"));
    ASSERT_EQ(Document.DayList().size(), 2u);
    EXPECT_EQ(Document.DayList()[1].GetMemo(), Sj("こどもの日"));
    EXPECT_EQ(Document.DayList()[0], FilledDay(April1));
}

TEST_F(EntryDialogTest, CancelLeavesDocumentHistoryAndModifiedFlag)
{
    const CPlanovaDoc before = Document;
    ScriptedViewServices dayDialog = Cancelling();
    EXPECT_FALSE(EditDayEntry(Document, April1, 5, dayDialog));
    ScriptedViewServices itemDialog = Cancelling();
    EXPECT_EQ(EditToDoItem(Document, 1, itemDialog), -1);
    ScriptedViewServices newItemDialog = Cancelling();
    EXPECT_EQ(EditToDoItem(Document, 3, newItemDialog), -1);

    EXPECT_EQ(Document.DayList(), before.DayList());
    EXPECT_EQ(Document.ToDoList(), before.ToDoList());
    EXPECT_EQ(Document.ToDoCount(), 3);
    EXPECT_EQ(Document.Undos().UndoCount(), 0);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(EntryDialogTest, ConfirmingWithoutChangeMarksModifiedAndKeepsNoEmptyStep)
{
    ScriptedViewServices dayDialog = Confirming();
    ASSERT_TRUE(EditDayEntry(Document, April1, 4, dayDialog));
    EXPECT_EQ(StoredDay(), FilledDay(April1));
    EXPECT_TRUE(Document.IsModified());
    EXPECT_EQ(Document.Undos().UndoCount(), 0);

    Document.SetModified(false);
    ScriptedViewServices itemDialog = Confirming();
    ASSERT_EQ(EditToDoItem(Document, 1, itemDialog), 1);
    EXPECT_EQ(Document.ToDoList()[1], Item("second"));
    EXPECT_TRUE(Document.IsModified());
    EXPECT_EQ(Document.Undos().UndoCount(), 0);
}

TEST_F(EntryDialogTest, TheEditedDayIsTheOneOpenedWhateverRanWhileTheDialogWasOpen)
{
    // Another window of the document stores another day while the dialog is open.
    const DateTime april2 = DateTime::FromDate(2012, 4, 2);
    ScriptedViewServices dialog([&](EntryDialogValues& values) {
        Document.UpdateDay(april2, [](CDayData& day) { day.SetMemo("other window"); });
        values.Text1 = "edited";
        return true;
    });
    ASSERT_TRUE(EditDayEntry(Document, April1, 12, dialog));
    ASSERT_EQ(Document.DayList().size(), 2u);
    EXPECT_EQ(StoredDay().GetMemo(), "edited");
    EXPECT_EQ(Document.Day(april2).GetMemo(), "other window");
    EXPECT_EQ(*Document.Undos().NextUndo().Days.front().Before, FilledDay(April1));
}

TEST_F(EntryDialogTest, ColourRoundTripAndColoursOutsideTheTableStoredAsWhite)
{
    const struct
    {
        int Chosen;
        int Stored;
    } cases[] = {{7, 7}, {3, 3}, {0, 0}, {8, 0}, {-1, 0}, {1000, 0}};
    for (const auto& c : cases) {
        ScriptedViewServices dialog =
            Confirming([&](EntryDialogValues& values) { values.ColorIndex = c.Chosen; });
        ASSERT_TRUE(EditDayEntry(Document, April1, 5, dialog));
        EXPECT_EQ(StoredDay().GetIro(3), c.Stored) << c.Chosen;

        ScriptedViewServices reopened;
        EditDayEntry(Document, April1, 5, reopened);
        EXPECT_EQ(reopened.Started[0].ColorIndex, c.Stored) << c.Chosen;
    }
}

TEST_F(EntryDialogTest, ToDoItemOpensWithItsFieldsAndIsReplacedInPlace)
{
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) {
        values.Text1 = Sj("成績処理");
        values.DateValue = DateTime::FromDateTime(2014, 7, 1, 9, 30, 0);
        values.ComboText = "A3";
        values.Text2 = "line 1\r\nline 2";
    });
    ASSERT_EQ(EditToDoItem(Document, 1, dialog), 1);

    const EntryDialogValues& shown = dialog.Started[0];
    EXPECT_EQ(shown.EditMode, EditToDo);
    EXPECT_EQ(shown.TitlePrefix, "");
    EXPECT_EQ(shown.Text1, "second");
    EXPECT_TRUE(shown.DateValue.IsIdenticalTo(DateTime::FromDate(2014, 6, 1)));
    EXPECT_EQ(shown.ComboText, "B2");
    EXPECT_EQ(shown.Text2, "second memo");

    ASSERT_EQ(Document.ToDoCount(), 3);
    const CToDo& edited = Document.ToDoList()[1];
    EXPECT_EQ(edited.GetKennmei(), Sj("成績処理"));
    // The deadline keeps the calendar date only, as the data file does.
    EXPECT_TRUE(edited.GetKigenn().IsIdenticalTo(DateTime::FromDate(2014, 7, 1)));
    EXPECT_EQ(edited.GetJyuuyoudo(), "A3");
    EXPECT_EQ(edited.GetMemo(), "line 1\r\nline 2");
    EXPECT_EQ(Document.ToDoList()[0], Item("first"));
    EXPECT_EQ(Document.ToDoList()[2], Item("third"));
}

TEST_F(EntryDialogTest, ImportanceCodesSetTheDeadlineFromTheMomentOfConfirmation)
{
    const DateTime picked = DateTime::FromDate(2014, 7, 1);
    const struct
    {
        const char* Importance;
        DateTime Deadline;
    } cases[] = {
        {"R0", ConfirmedAt.AddDays(-1000).DateOnly()},
        {"R1", ConfirmedAt.AddDays(1000).DateOnly()},
        {"R2", ConfirmedAt.AddDays(1000).DateOnly()},
        {"R3", ConfirmedAt.AddDays(1000).DateOnly()},
        {"PJ", ConfirmedAt.AddDays(1000).DateOnly()},
        {"r2", picked},
        {"R2 ", picked},
        {"R", picked},
        {"A1", picked},
        {"", picked},
    };
    for (const auto& c : cases) {
        ScriptedViewServices dialog = Confirming([&](EntryDialogValues& values) {
            values.ComboText = c.Importance;
            values.DateValue = picked;
        });
        ASSERT_EQ(EditToDoItem(Document, 0, dialog), 0);
        EXPECT_TRUE(Document.ToDoList()[0].GetKigenn().IsIdenticalTo(c.Deadline)) << c.Importance;
        EXPECT_EQ(Document.ToDoList()[0].GetJyuuyoudo(), c.Importance);
    }
    EXPECT_EQ(DateTime::FromDate(2017, 1, 30), ConfirmedAt.AddDays(1000).DateOnly());
}

TEST_F(EntryDialogTest, ANewItemStartsEmptyAndIsAppended)
{
    for (int n : {3, 7}) {
        ScriptedViewServices dialog = Confirming();
        const int count = Document.ToDoCount();
        ASSERT_EQ(EditToDoItem(Document, n, dialog), count) << n;

        const EntryDialogValues& shown = dialog.Started[0];
        EXPECT_EQ(shown.Text1, "");
        EXPECT_EQ(shown.Text2, "");
        EXPECT_EQ(shown.ComboText, "A1");
        EXPECT_TRUE(shown.DateValue.IsIdenticalTo(ConfirmedAt));

        ASSERT_EQ(Document.ToDoCount(), count + 1);
        const CToDo& added = Document.ToDoList().back();
        EXPECT_EQ(added.GetKennmei(), "");
        EXPECT_EQ(added.GetJyuuyoudo(), "A1");
        EXPECT_TRUE(added.GetKigenn().IsIdenticalTo(ConfirmedAt.DateOnly()));
        EXPECT_EQ(Document.ToDoList()[1], Item("second"));
    }
}

TEST_F(EntryDialogTest, AnInvalidDeadlineLeftAloneStaysInvalid)
{
    CToDo undated = Item("undated");
    undated.SetKigenn(2014, 2, 30);
    Document.ReplaceToDo(0, undated);
    ScriptedViewServices dialog = Confirming();
    EditToDoItem(Document, 0, dialog);
    EXPECT_FALSE(Document.ToDoList()[0].GetKigenn().IsValid());
}

TEST_F(EntryDialogTest, UndoAfterEditingAnItemPutsItsFormerVersionBackInPlace)
{
    const std::vector<CToDo> before = Document.ToDoList();
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "edited"; });
    ASSERT_EQ(EditToDoItem(Document, 0, dialog), 0);
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Document.ToDoList(), before);
}

TEST_F(EntryDialogTest, UndoAfterAddingAnItemRemovesIt)
{
    const std::vector<CToDo> before = Document.ToDoList();
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "added"; });
    ASSERT_EQ(EditToDoItem(Document, 3, dialog), 3);

    Document.SetModified(false);
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Document.ToDoList(), before);
    EXPECT_TRUE(Document.IsModified());
    EXPECT_FALSE(CanUndo(Document));
}
