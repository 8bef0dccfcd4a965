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

struct EscapeCase
{
    const char* Name;
    const char* Utf8;
    const char* Cp932;
};

// What is stored for characters code page 932 cannot hold, and for an "&" that would be read back
// as the start of an escape. Every row also decodes back to its text.
const EscapeCase Escapes[] = {
    {"kanji beyond the BMP (surrogate pair in UTF-16)", "吉𠮷野", "\x8b\x67&#x20BB7;\x96\xec"},
    {"the code page's own 髙 is stored as it is", "髙橋", "\xfb\xfc\x8b\xb4"},
    {"emoji", "授業🎉", "\x8e\xf6\x8b\xc6&#x1F389;"},
    {"combining mark after a kana", "か\xcc\x81", "\x82\xa9&#x301;"},
    {"hangul", "한", "&#xD55C;"},
    {"an escape typed literally keeps its text", "&#x20BB7;", "&#x26;#x20BB7;"},
    {"the escape of & typed literally", "&#x26;", "&#x26;#x26;"},
    {"a plain & stays one byte", "A&B &amp; &#", "A&B &amp; &#"},
    {"not escape-like: lower-case digits", "&#x1f389;", "&#x1f389;"},
    {"not escape-like: a leading zero", "&#x020BB7;", "&#x020BB7;"},
    {"not escape-like: a character the code page holds", "&#x41;&#x3042;", "&#x41;&#x3042;"},
    {"not escape-like: no closing semicolon", "&#x20BB7", "&#x20BB7"},
    {"not escape-like: beyond Unicode and a surrogate", "&#x110000;&#xD800;", "&#x110000;&#xD800;"},
    {"an unheld character right after a literal &", "&🎉", "&&#x1F389;"},
};

TEST(Cp932CodecTest, CharactersThatCannotBeHeldAreStoredAsEscapesAndReadBack)
{
    for (const EscapeCase& c : Escapes) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Utf8ToCp932(c.Utf8), c.Cp932);
        EXPECT_EQ(Cp932ToUtf8(c.Cp932), c.Utf8);
        EXPECT_EQ(Cp932ToUtf8Lenient(c.Cp932), c.Utf8);
    }
}

TEST(Cp932CodecTest, EscapesNearThePiecesOfALongTextRoundTrip)
{
    // Long texts are converted in pieces of about 4 KB; an escape-like text across the end of a
    // piece and characters beyond the code page anywhere must come back exactly.
    for (const std::size_t lead : {4090u, 4091u, 4092u, 4093u, 4094u, 4095u, 4096u}) {
        SCOPED_TRACE(lead);
        const std::string text = std::string(lead, 'a') + "&#x20BB7;𠮷" + std::string(5000, 'b') + "🎉";
        const std::string bytes = Utf8ToCp932(text);
        EXPECT_EQ(Cp932ToUtf8(bytes), text);
        for (const char c : bytes)
            EXPECT_LT(static_cast<unsigned char>(c), 0x80u); // ASCII text: only ASCII is stored
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
