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

TEST_F(UndoCommandTest, AnEmptyHistoryUndoesAndRedoesNothing)
{
    EXPECT_FALSE(UndoLast(Document));
    EXPECT_FALSE(RedoLast(Document));
    EXPECT_FALSE(Document.IsModified());
    EXPECT_EQ(UndoMenuText(Document), "元に戻す");
    EXPECT_EQ(RedoMenuText(Document), "やり直し");

    CPlanovaDoc noView; // the history is not started before a view starts
    noView.UpdateDay(April1, [](CDayData& day) { day.SetMemo("typed"); });
    EXPECT_FALSE(UndoLast(noView));
}

TEST_F(UndoCommandTest, EditsUndoAndRedoInOrderAndANewChangeClearsTheRedoList)
{
    for (int edit = 1; edit <= 11; ++edit)
        EditMemo(April1, test::Numbered("v", edit));
    for (int undo = 10; undo >= 1; --undo) {
        ASSERT_TRUE(UndoLast(Document));
        EXPECT_EQ(StoredMemo(April1), test::Numbered("v", undo));
    }
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(Document.DayList().size(), 0U); // the day had no record before the first edit
    EXPECT_FALSE(UndoLast(Document));
    for (int redo = 1; redo <= 3; ++redo) {
        ASSERT_TRUE(RedoLast(Document));
        EXPECT_EQ(StoredMemo(April1), test::Numbered("v", redo));
    }
    EditMemo(April1, "new");
    EXPECT_FALSE(RedoLast(Document));
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(StoredMemo(April1), "v3");
}

TEST_F(UndoCommandTest, ItemsComeBackInTheirPlace)
{
    struct Case
    {
        const char* Name;
        void (*Change)(CPlanovaDoc& document);
    };
    const Case cases[] = {
        {"deleted", [](CPlanovaDoc& document) { document.RemoveToDo(1); }},
        {"edited",
         [](CPlanovaDoc& document) {
             ScriptedViewServices dialog =
                 Confirming([](EntryDialogValues& values) { values.Text1 = "edited"; });
             EditToDoItem(document, 1, dialog);
         }},
        {"inserted",
         [](CPlanovaDoc& document) {
             CToDo item;
             item.SetKennmei("inserted");
             document.InsertToDo(1, item);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Document = CPlanovaDoc();
        Document.InitUndoHistory();
        AddItems(4);
        const std::vector<std::string> before = Subjects();
        c.Change(Document);
        const std::vector<std::string> after = Subjects();
        ASSERT_TRUE(UndoLast(Document));
        EXPECT_EQ(Subjects(), before);
        ASSERT_TRUE(RedoLast(Document));
        EXPECT_EQ(Subjects(), after);
    }
}

TEST_F(UndoCommandTest, TheMenuTextsNameTheStep)
{
    {
        const CPlanovaDoc::UndoStepScope step(Document, "セルの編集");
        EditMemo(April1, "typed"); // the dialog's own write is part of the command's step
    }
    EXPECT_EQ(UndoMenuText(Document), "元に戻す: セルの編集");
    ASSERT_TRUE(UndoLast(Document));
    EXPECT_EQ(UndoMenuText(Document), "元に戻す");
    EXPECT_EQ(RedoMenuText(Document), "やり直し: セルの編集");
}

TEST_F(UndoCommandTest, AStepThatChangedNothingIsNotKept)
{
    EditMemo(April1, "same");
    EditMemo(April1, "same");
    EXPECT_EQ(Document.Undos().UndoCount(), 1);
}
