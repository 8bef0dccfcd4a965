// The school tools ask before they overwrite typed texts: the question names how many days with
// typed 行事, 予定 and 内容 a run changes; "キャンセル" changes nothing, "OK" runs the tool as one step
// that undo takes back byte for byte.

#include "edit/CommandTable.h"
#include "edit/TypedTextsOverwritten.h"
#include "edit/UndoCommand.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "support/Cp932Literals.h"
#include "support/EditingViewFixture.h"

using namespace planova;
using namespace planova::test;

namespace {

const DateTime Wednesday = Date(2024, 6, 12);

/**
 * A school year already started: 行事 typed on Monday 8, Tuesday 9 and Monday 15 April, a plan in
 * period ① of 8, 10, 11 and 12 April, and the lesson contents of class "数学" on 10 and 11 April.
 */
class OverwriteQuestionTest : public EditingViewFixture
{
protected:
    OverwriteQuestionTest()
    {
        for (int p = 0; p < CPlanovaDoc::JikannwariCount; ++p)
            Document.Jikannwari[static_cast<std::size_t>(p)] = Sj("授業");
        Start(ViewMode::Day, Wednesday);
        for (int day : {8, 10, 11, 12}) {
            Document.UpdateDay(Date(2024, 4, day), [&](CDayData& stored) {
                stored.SetSchoolDayRows();
                stored.SetYotei(1, day < 12 ? Sj("数学") : Sj("学活"));
                if (day == 10 || day == 11)
                    stored.SetNaiyou(1, day == 10 ? Sj("一次関数") : Sj("連立方程式"));
            });
        }
        // After the rows: the school-day rows start a day afresh.
        const std::pair<int, const char*> events[] = {{8, "始業式"}, {9, "入学式"}, {15, "身体測定"}};
        for (const auto& [day, event] : events)
            Document.UpdateDay(Date(2024, 4, day), [&](CDayData& stored) { stored.SetGyouji(Sj(event)); });
        Dialogs.SchoolYear.Answer = [this](SchoolYearDialogValues& values) {
            values.Overwrite = OverwritePlans;
            return true;
        };
        Dialogs.ContentShift.Answer = [](ContentShiftValues& values) {
            values.Direction = ShiftDirection::Earlier;
            values.Start = Date(2024, 4, 1);
            values.End = Date(2024, 4, 30);
            values.ClassName = Sj("数学");
            return true;
        };
    }

    FixedNowScope Clock{DateTime::FromDateTime(2024, 6, 12, 9, 0, 0)};
    ScriptedViewServices Dialogs;
    bool OverwritePlans = true;
};

TEST_F(OverwriteQuestionTest, TheQuestionCountsTheTypedDaysAndCancelChangesNothing)
{
    struct Case
    {
        const char* Name;
        int Command;
        bool OverwritePlans;
        const char* Question;
    };
    const Case cases[] = {
        // Every school day's 行事 is emptied (3 days); "上書き" puts the timetable over the four plans.
        {"make year, overwrite", CommandId::MakeYear, true,
         "入力済みの行事が 3 日、予定が 4 日あります。上書きしますか？"},
        // Inserting adds the timetable after each typed plan, which stays: only the 行事 go.
        {"make year, insert", CommandId::MakeYear, false, "入力済みの行事が 3 日あります。上書きしますか？"},
        // Each 数学 lesson takes the next one's 内容: the 8th gets 一次関数, the 10th 連立方程式 and
        // the 11th, the last lesson, nothing. Two days lose what was typed; the 8th had nothing.
        {"content shift", CommandId::ContentShift, true, "入力済みの内容が 2 日あります。上書きしますか？"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        OverwritePlans = c.OverwritePlans;
        Dialogs.Questions.clear();
        Dialogs.OverwriteAnswer = false;
        const std::string before = WriteDataFile(Document);
        const int steps = Document.Undos().UndoCount();
        EXPECT_EQ(RunViewCommand(View, c.Command, Dialogs), CommandOutcome::ViewChanged);
        EXPECT_EQ(Dialogs.Questions, std::vector<std::string>{c.Question});
        EXPECT_EQ(WriteDataFile(Document), before);
        EXPECT_EQ(Document.Undos().UndoCount(), steps);
        EXPECT_TRUE(Dialogs.ProgressTitles.empty());
    }
}

TEST_F(OverwriteQuestionTest, OkRunsTheToolAsOneStepThatUndoTakesBackByteForByte)
{
    for (const int command : {CommandId::MakeYear, CommandId::ContentShift}) {
        SCOPED_TRACE(command);
        const std::string before = WriteDataFile(Document);
        EXPECT_EQ(RunViewCommand(View, command, Dialogs), CommandOutcome::DocumentChanged);
        const std::string after = WriteDataFile(Document);
        ASSERT_NE(after, before);
        ASSERT_TRUE(UndoLast(Document));
        EXPECT_EQ(WriteDataFile(Document), before);
        ASSERT_TRUE(RedoLast(Document));
        EXPECT_EQ(WriteDataFile(Document), after);
        ASSERT_TRUE(UndoLast(Document));
    }
}

TEST_F(OverwriteQuestionTest, ARunOverDaysWithoutTypedTextsAsksNothing)
{
    Dialogs.SchoolYear.Answer = [](SchoolYearDialogValues& values) {
        values.Start = Date(2024, 5, 1);
        values.End = Date(2024, 5, 31);
        values.Overwrite = true;
        return true;
    };
    EXPECT_EQ(RunViewCommand(View, CommandId::MakeYear, Dialogs), CommandOutcome::DocumentChanged);
    EXPECT_TRUE(Dialogs.Questions.empty());
    EXPECT_EQ(Document.Day(Date(2024, 4, 8)).GetGyouji(), Sj("始業式"));
}

} // namespace
