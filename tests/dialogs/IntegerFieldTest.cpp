#include "dialogs/IntegerField.h"

#include <gtest/gtest.h>

#include <optional>

using namespace planova;

TEST(IntegerFieldTest, ReadsWholeNumbersAndNamesWhatIsWrong)
{
    const std::string integer = "整数を入力してください。";
    struct Case
    {
        const char* Text;
        std::optional<int> Value;
    };
    const Case cases[] = {
        {"12", 12},
        {" -7 ", -7},
        {"+3", 3},
        {"１２", 12}, // full-width, as an input method types it
        {"－５", -5},
        {"−５", -5},
        {"　４　", 4},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"二", std::nullopt},
    };
    for (const Case& c : cases) {
        const IntegerFieldValue read = ReadIntegerField(c.Text);
        EXPECT_EQ(read.Value, c.Value) << c.Text;
        EXPECT_EQ(read.Message, c.Value ? "" : integer) << c.Text;
    }
}

TEST(IntegerFieldTest, RangeIsCheckedAfterTheNumber)
{
    EXPECT_EQ(ReadIntegerField("1", 1, 50).Value, 1);
    EXPECT_EQ(ReadIntegerField("50", 1, 50).Value, 50);
    EXPECT_EQ(ReadIntegerField("0", 1, 50).Message, "1 から 50 までの整数を入力してください。");
    EXPECT_EQ(ReadIntegerField("51", 1, 50).Message, "1 から 50 までの整数を入力してください。");
    EXPECT_EQ(ReadIntegerField("x", 1, 50).Message, "整数を入力してください。");
}
