#include "model/TextFunctions.h"

#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <limits>

using namespace planova;
using planova::test::Sj;

TEST(TextFunctionsTest, MakeElementWrapsTheValue)
{
    EXPECT_EQ(MakeElement("Memo", "abc"), "<Memo>abc</Memo>");
    EXPECT_EQ(MakeElement("Iro", ""), "<Iro></Iro>");
}

TEST(TextFunctionsTest, FindElementFollowsTheLiteralTags)
{
    struct Case
    {
        const char* Name;
        const char* Source;
        std::size_t N;
        const char* Expected;
    };
    const Case cases[] = {
        {"first", "<A>1</A><A>2</A>", 0, "1"},
        {"second", "<A>1</A><A>2</A>", 1, "2"},
        {"past the last", "<A>1</A>", 1, ""},
        {"no closing tag", "<A>1", 0, ""},
        {"missing", "<B>1</B>", 0, ""},
        {"nesting not tracked", "<A><A>x</A></A>", 0, "<A>x"},
        {"counted inside values", "<A>x<A>y</A>", 1, "y"},
        {"other name with common prefix", "<AB>1</AB><A>2</A>", 0, "2"},
        {"closing searched after the opening", "</A><A>v</A>", 0, "v"},
        {"empty value", "<A></A>", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindElement(c.Source, "A", c.N), c.Expected) << c.Name;
}

TEST(TextFunctionsTest, NumberText)
{
    const std::pair<double, const char*> cases[] = {
        {0, ""},
        {-5, ""},
        {0.5, ""},
        {1, "1"},
        {12.9, "12"},
        {2014, "2014"},
        {4294967295.0, "4294967295"},
        // Around 2^53, where whole values stop being every integer, and far beyond it.
        {9007199254740991.0, "9007199254740991"},
        {9007199254740992.0, "9007199254740992"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(NumberText(value), expected) << value;
}

TEST(TextFunctionsTest, ParseNumberCountsEveryByteAsAPosition)
{
    const std::pair<const char*, double> cases[] = {
        {"", 0}, {"0012", 12}, {"2012", 2012}, {"12 ", 120}, {"-5", 5}, {"1a2", 102}, {"1.5", 105},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseNumber(text), expected) << text;
    EXPECT_EQ(ParseNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseInteger(std::string(400, '9')), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseInteger("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(ParseUnsigned("99999999999"), 4294967295u);
}

TEST(TextFunctionsTest, PadLeftZeroFills)
{
    EXPECT_EQ(PadLeft(4, "12"), "0012");
    EXPECT_EQ(PadLeft(2, "123"), "123");
    EXPECT_EQ(PadLeft(2, ""), "00");
}

TEST(TextFunctionsTest, FormatDateForms)
{
    const DateTime newYear = DateTime::FromDate(2014, 1, 1);
    EXPECT_EQ(FormatDate(newYear, 0), "20140101");
    EXPECT_EQ(FormatDate(newYear, 1), "2014/01/01");
    EXPECT_EQ(FormatDate(newYear, 2), Sj("2014年01月01日"));
    EXPECT_EQ(FormatDate(newYear, 3), "");
    EXPECT_EQ(FormatDate(DateTime::FromDate(812, 12, 31), 1), "0812/12/31");
    EXPECT_EQ(FormatDate(DateTime::Invalid(), 0), "00000000");
    EXPECT_EQ(FormatDate(DateTime::Invalid(), 1), "0000/00/00");
}

TEST(TextFunctionsTest, BlankLeadingZero)
{
    EXPECT_EQ(BlankLeadingZero("01"), " 1");
    EXPECT_EQ(BlankLeadingZero("05"), " 5");
    EXPECT_EQ(BlankLeadingZero("0"), " ");
    EXPECT_EQ(BlankLeadingZero("10"), "10");
    EXPECT_EQ(BlankLeadingZero(""), "");
}
