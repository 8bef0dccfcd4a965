#include "model/DataFileValues.h"

#include <gtest/gtest.h>

using namespace planova;

TEST(DataFileValuesTest, TagLikeSequencesGetOneProtectingByte)
{
    struct Case
    {
        const char* Name;
        std::string Text;
        std::string Written;
    };
    const Case cases[] = {
        {"plain", "予定 a<b c>d", "予定 a<b c>d"},
        {"closing tag", "a</Yotei>b", "a<\x7F/Yotei>b"},
        {"opening tag", "<Memo>", "<\x7FMemo>"},
        {"any name", "<b>bold</b>",
         "<\x7F"
         "b>bold<\x7F/b>"},
        {"already protected", "<\x7F/Yotei>", "<\x7F\x7F/Yotei>"},
        {"protector without tag", "<\x7F x>", "<\x7F x>"},
        {"empty names are no tags", "<></>", "<></>"},
        {"lone brackets", "<<>>", "<<>>"},
        {"at the end", "ab<", "ab<"},
        {"line break kept", "一\r\n</No>", "一\r\n<\x7F/No>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string written;
        AppendTextValue(written, c.Text);
        EXPECT_EQ(written, c.Written);
        EXPECT_EQ(ReadTextValue(written), c.Text);
    }
}

TEST(DataFileValuesTest, TextsFromOtherWritersReadUnchanged)
{
    // Another writer's value holding "<b>" or a DEL byte that protects nothing stays as it is.
    for (const std::string value : {"a<b>c", "x<Foo>y</Foo>", "<\x7F>", "<\x7F x>", "\x7F</"})
        EXPECT_EQ(ReadTextValue(value), value);
}

TEST(DataFileValuesTest, NumberForms)
{
    struct Case
    {
        long long Value;
        ValueForm Form;
        const char* Written;
        int ReadBack;
    };
    const Case cases[] = {
        {0, ValueForm::Number, "0", 0},       {0, ValueForm::NumberZeroEmpty, "", 0},
        {-4, ValueForm::Number, "0", 0},      {-4, ValueForm::NumberZeroEmpty, "", 0},
        {12, ValueForm::Number, "12", 12},    {-10, ValueForm::SignedNumber, "-10", -10},
        {0, ValueForm::SignedNumber, "0", 0}, {7, ValueForm::SignedNumber, "7", 7},
    };
    for (const Case& c : cases) {
        std::string written;
        AppendNumberValue(written, c.Value, c.Form);
        EXPECT_EQ(written, c.Written) << c.Value;
        EXPECT_EQ(ReadNumberValue(written, c.Form), c.ReadBack) << c.Value;
    }
    EXPECT_EQ(ReadNumberValue("-5", ValueForm::Number), 5); // only the signed form reads a sign
    EXPECT_EQ(ReadNumberValue("5-", ValueForm::SignedNumber), 50);
    EXPECT_TRUE(ReadFlagValue("1"));
    EXPECT_TRUE(ReadFlagValue("01"));
    EXPECT_FALSE(ReadFlagValue("1 "));
    EXPECT_FALSE(ReadFlagValue(""));
}

TEST(DataFileValuesTest, DateForms)
{
    EXPECT_EQ(DayDateValue(DateTime::FromDate(2014, 1, 1)), "20140101");
    EXPECT_EQ(DayDateValue(DateTime::Invalid()), "0000");
    EXPECT_EQ(PaddedDateValue(DateTime::Invalid()), "00000000");
    // Years before 1000 are zero-filled so that the first four bytes still hold the year.
    EXPECT_EQ(DayDateValue(DateTime::FromDate(812, 3, 4)), "08120304");
    EXPECT_EQ(ReadDateValue("08120304"), DateTime::FromDate(812, 3, 4));
    EXPECT_EQ(ReadDateValue("20140101"), DateTime::FromDate(2014, 1, 1));
    EXPECT_FALSE(ReadDateValue("20140230").IsValid());
    EXPECT_FALSE(ReadDateValue("0000").IsValid());
    EXPECT_FALSE(ReadDateValue("").IsValid());
    EXPECT_EQ(ReadDateValue("2014011"), DateTime::FromDate(2014, 1, 1));
}
