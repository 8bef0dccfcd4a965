// Every command that writes the document is one undo step: undo brings back the saved file byte
// for byte, redo the file the command made. The commands are found by running every row of the
// table on a filled week, so a new row that writes the document without declaring it fails here.

#include "edit/CommandTable.h"

#include "edit/FindCommands.h"
#include "edit/UndoCommand.h"
#include "model/DataFile.h"
#include "support/Cp932Literals.h"
#include "support/EditingViewFixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace planova {
namespace {

using test::Date;

const DateTime Shown = Date(2024, 6, 12); // the week runs from Sunday 9 to Saturday 15 June
const DateTime Friday = Date(2024, 6, 14);
constexpr int FridayColumn = 5;

/// Dialogs that confirm every change they are asked for, each with something to write.
test::ScriptedViewServices Writing()
{
    test::ScriptedViewServices dialogs([](EntryDialogValues& values) {
        values.Text1 = "typed";
        values.Text2 = "typed";
        return true;
    });
    dialogs.Properties.Answer = [](PropertySheetValues& values) {
        values.Timetable.Texts[0] = "kokugo";
        return true;
    };
    dialogs.SchoolYear.Answer = [](SchoolYearDialogValues& values) {
        values.Start = Date(2024, 6, 10);
        values.End = Date(2024, 6, 15);
        values.Overwrite = true;
        return true;
    };
    dialogs.ClassHours.Answer = [](ClassHourValues& values) {
        values.Names[0] = "1-1";
        values.SaveSettings = true;
        return true;
    };
    dialogs.ContentShift.Answer = [](ContentShiftValues& values) {
        values.Start = Date(2024, 6, 10);
        values.End = Date(2024, 6, 15);
        values.ClassName = "P3";
        return true;
    };
    // An import appends to the event texts of several days, one of them stored, one new.
    dialogs.ImportScript = [](CPlanovaDoc& document) {
        for (const DateTime& day : {Date(2024, 6, 13), Date(2024, 6, 20)})
            document.UpdateDay(day,
                               [](CDayData& data) { data.SetGyouji(data.GetGyouji() + "\r\nimported"); });
        return true;
    };
    return dialogs;
}

/// Where the view's selection is when a command runs.
struct Selection
{
    int CellRow; ///< a row of Friday's column, or −1
    int PaneRow; ///< a ToDo pane row, or −1
};

/// A filled week of a fresh document and its view, selected as asked: one per command run.
struct Scene : test::EditingViewFixture
{
    explicit Scene(const Selection& at)
    {
        WindowSize = TenToDoRows;
        AddItems(4);
        Start(ViewMode::Week, Shown, true);
        StoreNumberedDay(Friday);
        StoreNumberedDay(Date(2024, 6, 13), "thursday");
        // Friday's first row is period ①, whose timetable entry the timetable insert adds.
        Document.UpdateDay(Friday, [](CDayData& day) { day.SetJigenn(0, test::Sj("①")); });
        Document.Jikannwari[(5 - 1) * 6] = "sansu";
        Select(at);
    }
    void TestBody() override {}

    void Select(const Selection& at)
    {
        View.State.SelectedCell = at.CellRow < 0 ? -1 : CellIndexOf(ViewMode::Week, FridayColumn, at.CellRow);
        View.State.SelectedToDoRow = at.PaneRow;
    }

    using EditingViewFixture::Document;
    using EditingViewFixture::View;
};

TEST(UndoRedoTest, EveryCommandThatWritesTheDocumentIsUndoneAndRedoneByteForByte)
{
    const Selection selections[] = {
        {DayRow::KindAndEvent, -1}, {DayRow::FirstPeriod + 3, -1}, {DayRow::Memo, -1}, {-1, 2}};
    std::set<int> written;
    for (const CommandInfo& command : Commands()) {
        if (command.Handler != CommandHandler::View || !command.Run ||
            command.Writes == DocumentWrite::History)
            continue;
        for (const Selection& at : selections) {
            SCOPED_TRACE(testing::Message() << command.Id << " " << command.Text << " row " << at.CellRow
                                            << " pane " << at.PaneRow);
            Scene scene(at);
            CPlanovaDoc& Document = scene.Document;
            // Paste needs something copied: the selected row itself, pasted over its edited self.
            test::ScriptedViewServices dialogs = Writing();
            RunViewCommand(scene.View, CommandId::EditCopy, dialogs);
            scene.Document.UpdateDay(Friday, [](CDayData& day) { day.SetGyouji("changed"); });
            const std::string before = WriteDataFile(Document);
            const int steps = Document.Undos().UndoCount();
            RunViewCommand(scene.View, command.Id, dialogs);
            const std::string after = WriteDataFile(Document);
            if (after == before)
                continue;
            written.insert(command.Id);
            ASSERT_NE(command.Writes, DocumentWrite::None) << "writes the document without an undo step";
            ASSERT_EQ(Document.Undos().UndoCount(), steps + 1) << "one step";
            ASSERT_TRUE(UndoLast(Document));
            EXPECT_EQ(WriteDataFile(Document), before);
            ASSERT_TRUE(RedoLast(Document));
            EXPECT_EQ(WriteDataFile(Document), after);
        }
    }
    // The rows this fixture reaches: a row that declares a write and never writes here is listed
    // in the failure so its case can be added.
    for (const CommandInfo& command : Commands()) {
        if (command.Writes == DocumentWrite::Content || command.Writes == DocumentWrite::Settings) {
            EXPECT_TRUE(written.count(command.Id)) << "not reached: " << command.Id << " " << command.Text;
        }
    }
}

TEST(UndoRedoTest, TheMenuItemsNameTheCommandOfTheStep)
{
    struct Case
    {
        int Command;
        Selection At;
        const char* Name;
    };
    const Case cases[] = {
        {CommandId::Edit, {DayRow::FirstPeriod + 3, -1}, "セルの編集"}, // the step's own name
        {CommandId::Delete, {-1, 2}, "削除"},                           // the menu text
        {CommandId::MakeYear, {-1, -1}, "データの自動作成"},            // without its dots
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Scene scene(c.At);
        test::ScriptedViewServices dialogs = Writing();
        ASSERT_EQ(RunViewCommand(scene.View, c.Command, dialogs), CommandOutcome::DocumentChanged);
        EXPECT_EQ(UndoMenuText(scene.Document), std::string("元に戻す: ") + c.Name);
        ASSERT_TRUE(UndoLast(scene.Document));
        EXPECT_EQ(RedoMenuText(scene.Document), std::string("やり直し: ") + c.Name);
    }
}

TEST(UndoRedoTest, ReplaceAndReplaceAllFromTheFindDialogAreOneStepEach)
{
    struct Case
    {
        const char* Name;
        bool (*Run)(PlannerView& view);
    };
    const Case cases[] = {
        {"置換",
         [](PlannerView& view) {
             return FindNextRequest(view, "P3", true) && ReplaceRequest(view, "P3", "Q3");
         }},
        {"全て置換", [](PlannerView& view) { return ReplaceAllRequest(view, "P", "Q").ChangedDays > 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Scene scene({-1, -1});
        const std::string before = WriteDataFile(scene.Document);
        ASSERT_TRUE(c.Run(scene.View));
        const std::string after = WriteDataFile(scene.Document);
        ASSERT_NE(after, before);
        EXPECT_EQ(UndoMenuText(scene.Document), std::string("元に戻す: ") + c.Name);
        ASSERT_TRUE(UndoLast(scene.Document));
        EXPECT_EQ(WriteDataFile(scene.Document), before);
        EXPECT_EQ(RedoMenuText(scene.Document), std::string("やり直し: ") + c.Name);
        ASSERT_TRUE(RedoLast(scene.Document));
        EXPECT_EQ(WriteDataFile(scene.Document), after);
    }
}

} // namespace
} // namespace planova
