#include "model/Cp932Codec.h"
#include "model/FixedTexts.h"

#include <gtest/gtest.h>

using namespace planova;

namespace {

struct RoundTripCase
{
    const char* Name;
    const char* Utf8;
    const char* Cp932;
};

// Every character the program writes itself, and the characters of its tables.
const RoundTripCase RoundTrips[] = {
    {"circled digits", "①②③④⑤⑥", "\x87\x40\x87\x41\x87\x42\x87\x43\x87\x44\x87\x45"},
    {"fullwidth tilde", "～", "\x81\x60"},
    {"fullwidth digits", "０１２３４５６７８９",
     "\x82\x4f\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56\x82\x57\x82\x58"},
    {"fullwidth brackets", "（）［］「」【】",
     "\x81\x69\x81\x6a\x81\x6d\x81\x6e\x81\x75\x81\x76\x81\x79\x81\x7a"},
    {"school labels", "朝①②③④昼⑤⑥放",
     "\x92\xa9\x87\x40\x87\x41\x87\x42\x87\x43\x92\x8b\x87\x44\x87\x45\x95\xfa"},
    {"ascii backslash and tilde", "a\\b~", "a\\b~"},
    {"line break", "一\r\n二", "\x88\xea\r\n\x93\xf1"},
    {"fullwidth yen", "￥", "\x81\x8f"},
};

} // namespace

TEST(Cp932CodecTest, RoundTripsOfTheProgramsCharacters)
{
    for (const RoundTripCase& c : RoundTrips) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Utf8ToCp932(c.Utf8), c.Cp932);
        EXPECT_EQ(Cp932ToUtf8(c.Cp932), c.Utf8);
    }
}

struct TwinCase
{
    const char* Name;
    const char* JisStyle;
    const char* Twin;
};

// What Linux input methods produce, and the code page 932 twin it is stored as.
const TwinCase Twins[] = {
    {"wave dash", "〜", "～"}, {"minus sign", "−", "－"},
    {"em dash", "—", "―"},     {"double vertical line", "‖", "∥"},
    {"cent", "¢", "￠"},       {"pound", "£", "￡"},
    {"not", "¬", "￢"},        {"yen", "¥", "￥"},
};

TEST(Cp932CodecTest, JisStyleCodePointsAreStoredAsTheirTwins)
{
    for (const TwinCase& c : Twins) {
        SCOPED_TRACE(c.Name);
        const std::string bytes = Utf8ToCp932(c.JisStyle);
        EXPECT_EQ(bytes, Utf8ToCp932(c.Twin));
        EXPECT_EQ(Cp932ToUtf8(bytes), c.Twin);
        EXPECT_NE(bytes, "\\");
    }
}

TEST(Cp932CodecTest, CharactersThatCannotBeHeldAreRefusedByName)
{
    for (const char* text : {"吉𠮷野", "授業😀", "ハングル한"}) {
        SCOPED_TRACE(text);
        try {
            Utf8ToCp932(text);
            ADD_FAILURE() << "encoded";
        } catch (const EncodingError& error) {
            EXPECT_NE(error.CodePoint, 0u);
            EXPECT_NE(std::string(error.what()).find("保存できない文字"), std::string::npos);
        }
    }
    try {
        Utf8ToCp932("吉𠮷野");
    } catch (const EncodingError& error) {
        EXPECT_EQ(error.CodePoint, U'\U00020BB7');
        EXPECT_EQ(error.Offset, 3u);
        EXPECT_NE(std::string(error.what()).find("𠮷"), std::string::npos);
    }
}

TEST(Cp932CodecTest, MalformedInputIsAnError)
{
    EXPECT_THROW(Utf8ToCp932("\xff\xfe"), EncodingError);
    EXPECT_THROW(Cp932ToUtf8("\x82"), EncodingError); // lead byte without trail byte
    EXPECT_THROW(Cp932ToUtf8("a\xa0"), EncodingError);
    EXPECT_EQ(Cp932ToUtf8Lenient("a\x82"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8Lenient("\x82\xa0x"), "\xE3\x81\x82x");
}

TEST(Cp932CodecTest, FixedTextsAreCodePage932)
{
    EXPECT_EQ(Text(FixedText::SchoolDay50), "50\x95\xaa\x8e\x9e\x92\xf6");
    EXPECT_EQ(Text(FixedText::Holiday), "\x8b\x78\x93\xfa");
    EXPECT_EQ(Text(FixedText::SchoolPeriodLabels).size(), 18u);
    EXPECT_EQ(Text(FixedText::ClockHourLabels), "08091011121314151617");
    EXPECT_EQ(Text(FixedText::WeekdayLetters).size(), 16u);
    EXPECT_EQ(Text(FixedText::DefaultImportance), "A1");
}
