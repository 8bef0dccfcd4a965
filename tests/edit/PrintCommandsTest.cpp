#include "edit/PrintCommands.h"

#include "print/Imposition.h"
#include "print/PrintJob.h"
#include "print/PrintTypes.h"
#include "support/EditingViewFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {
namespace {

using test::Date;
namespace C = PrintControl;

class PrintCommandsTest : public test::EditingViewFixture
{
protected:
    void SetUp() override
    {
        Start(ViewMode::Day, Date(2024, 6, 12));
        Document.SetModified(false);
    }

    /// The options dialog confirms after the clicks.
    void Answer(std::vector<int> clicks)
    {
        Dialogs.PrintOptionsScript = [clicks](PrintDialogModel& model) {
            for (const int control : clicks) {
                PrintDialogReading reading = model.Shown();
                if (control == C::NoBiorhythm || control == C::SaveSettings)
                    reading.Checks[control] = true;
                EXPECT_FALSE(model.OnControl(control, reading));
            }
            return !model.Confirm(model.Shown());
        };
    }

    test::ScriptedViewServices Dialogs; // cancels until answered
};

TEST_F(PrintCommandsTest, EachCommandPutsTheJobOutWhereItSays)
{
    struct Case
    {
        int Id;
        PrintOutput Output;
        bool Preview;
    };
    const Case cases[] = {{CommandId::FilePrint, PrintOutput::Printer, false},
                          {CommandId::FilePrintPreview, PrintOutput::Preview, true},
                          {CommandId::FileExportPdf, PrintOutput::PdfFile, false},
                          {CommandId::FileExportImposedPdf, PrintOutput::ImposedPdfFile, false}};
    Answer({C::MemoType, C::PaperBible}); // Bible refills can also be imposed on A4
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Id);
        EXPECT_TRUE(IsViewCommandEnabled(View, c.Id));
        EXPECT_EQ(RunViewCommand(View, c.Id, Dialogs), CommandOutcome::ViewChanged);
        EXPECT_EQ(Dialogs.OptionsInPreview, c.Preview);
        ASSERT_FALSE(Dialogs.Printed.empty());
        EXPECT_EQ(Dialogs.Printed.back().Output, c.Output);
        EXPECT_EQ(Dialogs.Printed.back().Job.PrintType, PrintType::Memo);
    }
    EXPECT_EQ(View.Print.PrintType, PrintType::Memo); // the view keeps the dialog's choice
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(PrintCommandsTest, TheDialogStartsOnTheShownDay)
{
    Dialogs.PrintOptionsScript = [](PrintDialogModel& model) {
        EXPECT_EQ(model.Values().PrintStartDate, Date(2024, 6, 12));
        EXPECT_EQ(model.Values().PrintEndDate, Date(2024, 6, 12));
        return true;
    };
    RunViewCommand(View, CommandId::FilePrint, Dialogs);
    EXPECT_EQ(Dialogs.PrintOptionRuns, 1);
    EXPECT_EQ(PrintPageCount(Dialogs.Printed.back().Job), 1);
}

TEST_F(PrintCommandsTest, CancelChangesNothing)
{
    Dialogs.PrintOptionsScript = [](PrintDialogModel& model) {
        EXPECT_FALSE(model.OnControl(C::WeekType, model.Shown()));
        return false;
    };
    EXPECT_EQ(RunViewCommand(View, CommandId::FilePrint, Dialogs), CommandOutcome::NotRun);
    EXPECT_TRUE(Dialogs.Printed.empty());
    EXPECT_EQ(View.Print.PrintType, PrintType::Day);
}

TEST_F(PrintCommandsTest, NoBiorhythmHoldsForTheJobNotForTheDisplay)
{
    View.Print.Biorhythm = false;
    Answer({C::NoBiorhythm});
    RunViewCommand(View, CommandId::FilePrintPreview, Dialogs);
    EXPECT_TRUE(Dialogs.Printed.back().Job.Biorhythm);
    EXPECT_FALSE(View.Print.Biorhythm);
}

TEST_F(PrintCommandsTest, SavingTheSettingsChangesTheDocument)
{
    Answer({C::PaperA5, C::SaveSettings});
    EXPECT_EQ(RunViewCommand(View, CommandId::FileExportPdf, Dialogs), CommandOutcome::DocumentChanged);
    EXPECT_EQ(Document.Print.PPaperType, PaperType::A5);
    EXPECT_TRUE(Document.IsModified());
}

TEST_F(PrintCommandsTest, EveryPrintTypeOfTheDialogPrints)
{
    for (const int radio : {C::DayType, C::WeekType, C::MonthType, C::YearType, C::MemoType, C::ToDoType}) {
        Dialogs.Printed.clear();
        Answer({radio});
        EXPECT_EQ(RunViewCommand(View, CommandId::FilePrint, Dialogs), CommandOutcome::ViewChanged);
        ASSERT_EQ(Dialogs.Printed.size(), 1u) << radio;
        EXPECT_EQ(PrintPageCount(Dialogs.Printed.back().Job), 1) << radio;
    }
    EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(PrintCommandsTest, AnUnknownPrintTypeIsRefusedWithAMessage)
{
    View.Print.PrintType = 9; // read from a damaged file
    Answer({});
    EXPECT_EQ(RunViewCommand(View, CommandId::FilePrint, Dialogs), CommandOutcome::ViewChanged);
    EXPECT_TRUE(Dialogs.Printed.empty());
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0], UnknownPrintTypeMessage);
}

TEST_F(PrintCommandsTest, ImposingA4RefillsOnA4IsRefusedWithAMessage)
{
    Answer({C::PaperA4});
    EXPECT_EQ(RunViewCommand(View, CommandId::FileExportImposedPdf, Dialogs), CommandOutcome::ViewChanged);
    EXPECT_TRUE(Dialogs.Printed.empty());
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0], CannotImposeMessage);
}

TEST_F(PrintCommandsTest, TheExportFollowsThePrintCommandsOnTheFileMenu)
{
    const auto commands = Commands();
    const auto position = [&](int id) {
        return std::find_if(commands.begin(), commands.end(),
                            [&](const CommandInfo& c) { return c.Id == id; }) -
               commands.begin();
    };
    EXPECT_EQ(position(CommandId::FilePrintPreview), position(CommandId::FilePrint) + 1);
    EXPECT_EQ(position(CommandId::FileExportPdf), position(CommandId::FilePrintPreview) + 1);
    EXPECT_EQ(position(CommandId::FileExportImposedPdf), position(CommandId::FileExportPdf) + 1);
    EXPECT_EQ(FindCommand(CommandId::FileExportPdf)->MenuPath, FindCommand(CommandId::FilePrint)->MenuPath);
    EXPECT_EQ(FindCommand(CommandId::FileExportImposedPdf)->MenuPath,
              FindCommand(CommandId::FilePrint)->MenuPath);
    EXPECT_EQ(FindCommand(CommandId::FilePrint)->Shortcuts, "Ctrl+P");
}

} // namespace
} // namespace planova
