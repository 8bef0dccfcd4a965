#include "edit/UndoCommand.h"

#include "model/CPlanovaDoc.h"
#include "support/Numbered.h"
#include "support/ScriptedViewServices.h"

#include <gtest/gtest.h>

using namespace planova;
using planova::test::Confirming;
using planova::test::ScriptedViewServices;

namespace {

const DateTime April1 = DateTime::FromDate(2012, 4, 1);

class UndoCommandTest : public ::testing::Test
{
protected:
    void SetUp() override { Document.InitUndoHistory(); }

    /// Edits the memo of the day through the edit dialog, as a double-click on the memo row does.
    void EditMemo(const DateTime& date, const std::string& memo)
    {
        ScriptedViewServices dialog = Confirming([&](EntryDialogValues& values) { values.Text1 = memo; });
        ASSERT_TRUE(EditDayEntry(Document, date, 12, dialog));
    }

    std::string StoredMemo(const DateTime& date) { return Document.Day(date).GetMemo(); }

    void AddItems(int count)
    {
        for (int n = 0; n < count; ++n) {
            CToDo todo;
            todo.SetKennmei("item " + std::to_string(n));
            Document.AppendToDo(todo);
        }
    }

    std::vector<std::string> Subjects() const
    {
        std::vector<std::string> subjects;
        for (const CToDo& item : Document.ToDoList())
            subjects.push_back(item.GetKennmei());
        return subjects;
    }

    CPlanovaDoc Document;
};

} // namespace

TEST_F(UndoCommandTest, AnEmptyHistoryUndoesNothing)
{
    EXPECT_FALSE(CanUndo(Document));
    EXPECT_FALSE(UndoLast(Document));
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(Document.Undo().Count(), 0);

    CPlanovaDoc noView; // the history is not set up before a view starts
    EXPECT_FALSE(UndoLast(noView));
}

TEST_F(UndoCommandTest, ElevenEditsThenTenUndosRestoreTheTenNewestStates)
{
    for (int edit = 1; edit <= 11; ++edit)
        EditMemo(April1, test::Numbered("v", edit));
    for (int undo = 10; undo >= 1; --undo) {
        ASSERT_TRUE(CanUndo(Document));
        ASSERT_TRUE(UndoLast(Document));
        EXPECT_EQ(StoredMemo(April1), test::Numbered("v", undo));
    }
    EXPECT_FALSE(CanUndo(Document));
    EXPECT_FALSE(UndoLast(Document));
    EXPECT_EQ(StoredMemo(April1), "v1"); // the state before the first edit was dropped
    for (int slot = 0; slot < Document.Undo().Capacity(); ++slot)
        EXPECT_EQ(Document.Undo().Entry(slot).Kind, UndoEmpty);
}

TEST_F(UndoCommandTest, ADaySnapshotRestoresTheWholeDayWhereverItIs)
{
    Document.UpdateDay(April1, [&](CDayData& day) {
        day.SetStandardDay();
        day.SetMemo("memo");
        day.SetIro(4, 5);
    });
    const CDayData before = Document.Day(April1);
    EditMemo(DateTime::FromDate(2012, 4, 2), "other day");
    ASSERT_TRUE(UndoLast(Document)); // drops the other day's edit

    // "この日の全データ消去" records the day and stores it cleared.
    Document.UpdateDayWithUndo(April1, [&](CDayData& day) { day.ClearDay(April1); });
    Document.SetModified(false);

    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Document.DayList().front(), before);
    EXPECT_EQ(Document.Day(April1), before);
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(UndoCommandTest, UndoMarksModifiedEvenWhenNothingChanges)
{
    EditMemo(April1, "same");
    EditMemo(April1, "same");
    Document.SetModified(false);
    const auto days = Document.DayList();
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Document.DayList(), days);
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(UndoCommandTest, ADeletedItemComesBackAtTheEnd)
{
    AddItems(5);
    Document.RecordUndo(UndoEntry::ToDoBefore(Document.ToDo(1)));
    Document.RemoveToDo(1);

    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 2", "item 3", "item 4", "item 1"}));
    EXPECT_EQ(Document.ToDoCount(), 5);
}

TEST_F(UndoCommandTest, UndoAfterEditingAnItemKeepsTheEditAndAppendsTheFormerVersion)
{
    AddItems(2);
    ScriptedViewServices dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "edited"; });
    ASSERT_EQ(EditToDoItem(Document, 0, dialog), 0);
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"edited", "item 1", "item 0"}));
}

TEST_F(UndoCommandTest, DaysAndItemsUndoNewestFirst)
{
    AddItems(3);
    EditMemo(April1, "day edit");
    ScriptedViewServices add = Confirming([](EntryDialogValues& values) { values.Text1 = "added"; });
    EditToDoItem(Document, 3, add);
    Document.RecordUndo(UndoEntry::ToDoBefore(Document.ToDo(2)));
    Document.RemoveToDo(2);

    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "added", "item 2"}));
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0", "item 1", "item 2"}));
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(StoredMemo(April1), "");
    EXPECT_FALSE(CanUndo(Document));
}

TEST_F(UndoCommandTest, AnEntryWithoutItsSnapshotRestoresNothingButIsUsedUp)
{
    AddItems(1);
    EditMemo(April1, "kept");
    Document.RecordUndo(UndoEntry{});
    Document.RecordUndo(UndoEntry{UndoDay, std::monostate{}});
    const auto days = Document.DayList();

    ASSERT_TRUE(UndoLast(Document));
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Document.DayList(), days);
    EXPECT_EQ(Subjects(), (std::vector<std::string>{"item 0"}));
    EXPECT_EQ(Document.Undo().Count(), 1);
}
