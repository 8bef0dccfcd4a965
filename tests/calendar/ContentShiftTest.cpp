#include "calendar/ContentShift.h"
#include "model/Cp932Codec.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

using namespace planova;
using namespace planova::test;

namespace {

struct Lesson
{
    DateTime Day;
    int Row;
    const char* Plan;
    const char* Content;
};

class ContentShiftTest : public ::testing::Test
{
protected:
    void Store(std::initializer_list<Lesson> lessons)
    {
        for (const Lesson& lesson : lessons) {
            document.UpdateDay(lesson.Day, [&](CDayData& day) {
                day.SetYotei(lesson.Row, Sj(lesson.Plan));
                day.SetNaiyou(lesson.Row, Sj(lesson.Content));
            });
        }
        document.SetModified(false);
    }

    std::string ContentAt(const DateTime& day, int row) const
    {
        const CDayData* stored = StoredDay(document, day);
        return stored != nullptr ? Cp932ToUtf8(stored->GetNaiyou(row)) : "(not stored)";
    }

    void Shift(ShiftDirection direction, const DateTime& start, const DateTime& end, const char* className)
    {
        const Outcome result = ShiftContents(document, direction, start, end, Sj(className));
        ASSERT_TRUE(result.Ok) << result.Error;
    }

    CPlanovaDoc document;
};

const DateTime Mon = Date(2012, 4, 9);
const DateTime Tue = Date(2012, 4, 10);
const DateTime Wed = Date(2012, 4, 11);
const DateTime Thu = Date(2012, 4, 12);

} // namespace

TEST_F(ContentShiftTest, BothDirections)
{
    struct Case
    {
        ShiftDirection Direction;
        std::vector<std::string> Contents;
    };
    // Lessons of 数学 in time order: Mon row 3, Tue row 1, Tue row 5 (two on one day), Wed row 2.
    for (const Case& c : {Case{ShiftDirection::Earlier, {"B", "C", "D", ""}},
                          Case{ShiftDirection::Later, {"", "A", "B", "C"}}}) {
        document = CPlanovaDoc();
        Store({{Mon, 3, "数学", "A"},
               {Tue, 5, "数学", "C"},
               {Tue, 1, "数学", "B"},
               {Wed, 2, "数学", "D"},
               {Tue, 2, "数", "x"},
               {Tue, 3, "数学A", "y"},
               {Thu, 1, "数学", "E"}});
        Shift(c.Direction, Mon, Wed, "数学");
        EXPECT_EQ((std::vector<std::string>{ContentAt(Mon, 3), ContentAt(Tue, 1), ContentAt(Tue, 5),
                                            ContentAt(Wed, 2)}),
                  c.Contents);
        // Other classes and lessons outside the range keep their contents.
        EXPECT_EQ(ContentAt(Tue, 2), "x");
        EXPECT_EQ(ContentAt(Tue, 3), "y");
        EXPECT_EQ(ContentAt(Thu, 1), "E");
        EXPECT_EQ(Cp932ToUtf8(StoredDay(document, Tue)->GetYotei(5)), "数学"); // only contents move
        EXPECT_TRUE(document.IsModified());
    }
}

TEST_F(ContentShiftTest, SingleLessonLosesItsContentEitherWay)
{
    for (const ShiftDirection direction : {ShiftDirection::Earlier, ShiftDirection::Later}) {
        document = CPlanovaDoc();
        Store({{Tue, 4, "1組", "因数分解"}});
        Shift(direction, Tue, Tue, "1組");
        EXPECT_EQ(ContentAt(Tue, 4), "");
    }
}

TEST_F(ContentShiftTest, NoLessonStoresNothing)
{
    Store({{Tue, 4, "2組", "関数"}});
    Shift(ShiftDirection::Later, Mon, Thu, "1組");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.DayList().size(), 1u);
    EXPECT_EQ(ContentAt(Tue, 4), "関数");
}

TEST_F(ContentShiftTest, RefusedRequestsChangeNothing)
{
    Store({{Tue, 4, "", "空き時間のメモ"}, {Wed, 4, "", "別のメモ"}});
    struct Case
    {
        const char* ClassName;
        DateTime Start;
        DateTime End;
        const char* Message;
    };
    const Case cases[] = {
        // An empty class name would match every row without a plan.
        {"", Mon, Thu, "学級名を入力してください。"},
        {"1組", Thu, Mon, "開始日（2012年4月12日）が終了日（2012年4月9日）より後になっています。"},
        {"1組", DateTime::Invalid(), Mon, "開始日と終了日には正しい日付を指定してください。"},
    };
    for (const Case& c : cases) {
        const Outcome result =
            ShiftContents(document, ShiftDirection::Later, c.Start, c.End, Sj(c.ClassName));
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Error.substr(0, std::string(c.Message).size()), c.Message);
    }
    EXPECT_EQ(ContentAt(Tue, 4), "空き時間のメモ");
    EXPECT_EQ(ContentAt(Wed, 4), "別のメモ");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(ContentShiftTest, TheDayReadAfterwardsIsTheShiftedRecord)
{
    Store({{Mon, 1, "3組", "A"}, {Tue, 1, "3組", "B"}});
    Shift(ShiftDirection::Later, Mon, Tue, "3組");
    EXPECT_EQ(Cp932ToUtf8(document.Day(Tue).GetNaiyou(1)), "A");
}
