#include "sky/CBiorhythm.h"

#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

using planova::CBiorhythm;
using planova::DateTime;
using planova::test::Sj;

namespace {

const DateTime Birthday = DateTime::FromDate(1990, 5, 15);

struct RhythmCase
{
    const char* Name;
    int DaysAfterBirthday;
    int Physical, Emotional, Intellectual;
    const char* Markers; // the three markers, physical first (UTF-8)
};

class CBiorhythmCases : public testing::TestWithParam<RhythmCase>
{
};

} // namespace

TEST_P(CBiorhythmCases, StatesAndMarkers)
{
    const RhythmCase& c = GetParam();
    CBiorhythm rhythm;
    rhythm.SetDates(Birthday, Birthday.AddDays(c.DaysAfterBirthday));
    EXPECT_EQ(rhythm.State(0), c.Physical);
    EXPECT_EQ(rhythm.State(1), c.Emotional);
    EXPECT_EQ(rhythm.State(2), c.Intellectual);
    EXPECT_EQ(rhythm.RhythmState(23), c.Physical);
    EXPECT_EQ(rhythm.RhythmMarker(0) + rhythm.RhythmMarker(1) + rhythm.RhythmMarker(2), Sj(c.Markers));
}

INSTANTIATE_TEST_SUITE_P(
    CBiorhythmTest, CBiorhythmCases,
    testing::Values(RhythmCase{"Birthday", 0, 0, 0, 0, "▲■▼"}, RhythmCase{"FirstHalf", 5, 2, 2, 2, "＋＋＋"},
                    RhythmCase{"PhysicalMidpoint", 11, 1, 2, 2, "△＋＋"},
                    RhythmCase{"EmotionalMidpoint", 14, 3, 1, 2, "－□＋"},
                    RhythmCase{"IntellectualMidpoint", 16, 3, 3, 1, "－－▽"},
                    RhythmCase{"SecondHalf", 20, 3, 3, 3, "－－－"},
                    RhythmCase{"PhysicalCycleAgain", 23, 0, 3, 3, "▲－－"},
                    RhythmCase{"AllCyclesAgain", 23 * 28 * 33, 0, 0, 0, "▲■▼"},
                    // Before the birthday every remainder is negative: first half, never mid-point.
                    RhythmCase{"DayBeforeBirthday", -1, 2, 2, 2, "＋＋＋"},
                    RhythmCase{"ElevenDaysBefore", -11, 2, 2, 2, "＋＋＋"},
                    RhythmCase{"PhysicalPeriodBefore", -23, 0, 2, 2, "▲＋＋"}),
    [](const testing::TestParamInfo<RhythmCase>& info) { return std::string(info.param.Name); });

TEST(CBiorhythmTest, TimeOfDayCountsOnlyAsWholeDays)
{
    CBiorhythm rhythm;
    // Half a day more is still day 11; half a second less than day 11 still rounds to day 11.
    rhythm.SetDates(Birthday, DateTime::FromDayNumber(Birthday.DayNumber() + 11.5));
    EXPECT_EQ(rhythm.State(0), 1);
    rhythm.SetDates(Birthday, DateTime::FromDayNumber(Birthday.DayNumber() + 11.0 - 0.4 / 86400));
    EXPECT_EQ(rhythm.State(0), 1);
    rhythm.SetDates(Birthday, DateTime::FromDayNumber(Birthday.DayNumber() + 11.0 - 0.6 / 86400));
    EXPECT_EQ(rhythm.State(0), 2);
}

TEST(CBiorhythmTest, OtherRhythmsHaveTheCircleMarkerAndColoursAreFixed)
{
    CBiorhythm rhythm;
    rhythm.SetDates(Birthday, Birthday);
    EXPECT_EQ(rhythm.RhythmMarker(3), Sj("○"));
    EXPECT_EQ(rhythm.RhythmMarker(-1), Sj("○"));
    EXPECT_EQ(CBiorhythm::RhythmColour[0], (planova::Rgb{0, 0, 255}));
    EXPECT_EQ(CBiorhythm::RhythmColour[1], (planova::Rgb{255, 0, 0}));
    EXPECT_EQ(CBiorhythm::RhythmColour[2], (planova::Rgb{0, 255, 0}));
}
