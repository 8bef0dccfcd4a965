#include "view/ReadableColour.h"

#include <gtest/gtest.h>

using namespace planova;

namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb DarkGrey{0x26, 0x26, 0x26};
constexpr Rgb LightBlue{0xbf, 0xdb, 0xff};

TEST(ReadableColourTest, ContrastRatiosOfKnownPairs)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(Black, White), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(White, Black), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Red, Red), 1.0);
    EXPECT_NEAR(ContrastRatio(Red, White), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio(Blue, White), 8.59, 0.01);
    EXPECT_NEAR(ContrastRatio(Rgb{0x76, 0x76, 0x76}, White), 4.54, 0.01);
}

struct Case
{
    const char* Name;
    Rgb Wanted;
    Rgb Background;
    Rgb Other;
};

const Case Cases[] = {
    {"RedOnWhite", Red, White, White},
    {"RedOnDark", Red, DarkGrey, DarkGrey},
    {"BlueOnDark", Blue, DarkGrey, Rgb{0x30, 0x30, 0x30}},
    {"BlueOnLightBlue", Blue, LightBlue, White},
    {"RedOnLightBlue", Red, LightBlue, White},
};

class ReadableOnTest : public testing::TestWithParam<Case>
{
};

TEST_P(ReadableOnTest, ReachesTheContrastAndKeepsTheHue)
{
    const Case& c = GetParam();
    const Rgb readable = ReadableOn(c.Wanted, {c.Background, c.Other});
    EXPECT_GE(ContrastRatio(readable, c.Background), ReadableContrast);
    EXPECT_GE(ContrastRatio(readable, c.Other), ReadableContrast);
    // A red stays a red and a blue a blue: the wanted channel leads, the two others stay equal.
    EXPECT_EQ(readable.Green, c.Wanted.Red == 255 ? readable.Blue : readable.Red);
    EXPECT_GT(c.Wanted.Red == 255 ? readable.Red : readable.Blue, readable.Green);
}

INSTANTIATE_TEST_SUITE_P(Colours, ReadableOnTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.Name);
                         });

TEST(ReadableColourTest, AReadableColourIsKept)
{
    EXPECT_EQ(ReadableOn(Blue, {White}), Blue);
    EXPECT_EQ(ReadableOn(Black, {White, LightBlue}), Black);
}

TEST(ReadableColourTest, TheNearestReadableMixtureIsTaken)
{
    // Red on white needs only a little black: the result is barely past the minimum.
    const Rgb readable = ReadableOn(Red, {White});
    EXPECT_LT(ContrastRatio(readable, White), ReadableContrast + 0.3);
}

TEST(ReadableColourTest, NoReadableMixtureGivesTheBestOne)
{
    // Nothing reaches 4.5:1 on both a black and a white background; the mixture taken is no worse
    // than red itself.
    const Rgb best = ReadableOn(Red, {Black, White, White});
    const double worst = std::min(ContrastRatio(best, Black), ContrastRatio(best, White));
    EXPECT_GE(worst, std::min(ContrastRatio(Red, Black), ContrastRatio(Red, White)));
}

} // namespace
