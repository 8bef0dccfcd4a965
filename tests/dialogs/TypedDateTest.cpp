#include "dialogs/TypedDate.h"

#include <gtest/gtest.h>

using namespace planova;

namespace {

struct Case
{
    const char* Name;
    const char* Typed;
    int Year, Month, Day; ///< 0: refused
    const char* Error;    ///< a part of the message when refused
};

const Case Cases[] = {
    {"Slashes", "2026/12/15", 2026, 12, 15, nullptr},
    {"Hyphens", "2026-12-15", 2026, 12, 15, nullptr},
    {"Digits", "20261215", 2026, 12, 15, nullptr},
    {"OneDigitMonthAndDay", "2026/1/5", 2026, 1, 5, nullptr},
    {"SpacesAround", "  2026-01-05 ", 2026, 1, 5, nullptr},
    {"LeapDay", "2024/02/29", 2024, 2, 29, nullptr},
    {"NoLeapDay", "2026/02/29", 0, 0, 0, "「2026/02/29」という日付はありません。"},
    {"ThirtiethOfFebruary", "20260230", 0, 0, 0, "「20260230」という日付はありません。"},
    {"MonthThirteen", "2026-13-01", 0, 0, 0, "という日付はありません"},
    {"DayZero", "2026/12/0", 0, 0, 0, "という日付はありません"},
    {"YearZero", "0000/01/01", 0, 0, 0, "という日付はありません"},
    {"MixedSeparators", "2026/12-15", 0, 0, 0, "いずれかの形"},
    {"YearMonthOnly", "2026/12", 0, 0, 0, "いずれかの形"},
    {"TwoDigitYear", "26/12/15", 0, 0, 0, "いずれかの形"},
    {"SevenDigits", "2026121", 0, 0, 0, "いずれかの形"},
    {"Letters", "2026/12/1x", 0, 0, 0, "いずれかの形"},
    {"Empty", "", 0, 0, 0, "いずれかの形"},
    {"DayOfThreeDigits", "2026/12/015", 0, 0, 0, "いずれかの形"},
};

class TypedDateTest : public testing::TestWithParam<Case>
{
};

TEST_P(TypedDateTest, ReadsAWholeDateOrSaysWhy)
{
    const Case& c = GetParam();
    const TypedDate read = ReadTypedDate(c.Typed);
    if (c.Year == 0) {
        EXPECT_FALSE(read.Ok());
        EXPECT_FALSE(read.Date.IsValid());
        EXPECT_NE(read.Error.find(c.Error), std::string::npos) << read.Error;
        return;
    }
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_TRUE(read.Date.IsIdenticalTo(DateTime::FromDate(c.Year, c.Month, c.Day)));
}

INSTANTIATE_TEST_SUITE_P(Forms, TypedDateTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.Name);
                         });

} // namespace
