#include "edit/TextSearch.h"

#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

using namespace planova;
using planova::test::Sj;

namespace {

struct MatchCase
{
    const char* Name;
    std::string Text;
    std::string Search;
    bool Found;
    int Line = -1;
    int Column = -1;
};

} // namespace

TEST(TextSearchTest, MatchTextOnCharacterBoundaries)
{
    // "ア" is 0x83 0x41 and "ソ" 0x83 0x5C: their trail bytes are the half-width "A" and "\".
    const MatchCase cases[] = {
        {"a text found at its start", Sj("国語"), Sj("国語"), true, 0, 0},
        {"twice on two lines: the first one", Sj("国語\r\n国語"), Sj("国語"), true, 0, 0},
        {"a double-byte character is two columns", Sj("１年国語"), Sj("国語"), true, 0, 4},
        {"a line break starts column 0 again", Sj("朝会\r\n１組\r\nab国語"), Sj("国語"), true, 2, 2},
        {"a lone LF is one column, no line", "ab\ncd", "cd", true, 0, 3},
        {"full-width a does not find half-width a", "a", Sj("ａ"), false},
        {"upper case does not find lower case", "abc", "B", false},
        {"a one-byte text never matches a trail byte", Sj("ア"), "A", false},
        {"the backslash trail byte of ソ is no match", Sj("ソ"), "\\", false},
        {"after a trail-byte match the real one is found", Sj("アA"), "A", true, 0, 2},
        {"a search across the CR LF pair", "ab\r\ncd", "b\r\nc", true, 0, 1},
        {"never between CR and LF", "ab\r\ncd", "\ncd", false},
        {"an empty search matches an empty text", "", "", true, 0, 0},
        {"an empty search matches at position 0", Sj("国語"), "", true, 0, 0},
        {"a search longer than the text", "ab", "abc", false},
        {"a lead byte at the very end is one byte", std::string("a\x83"), std::string("\x83"), true, 0, 1},
        {"never ending between CR and LF", "ab\r\ncd", "b\r", false},
        // 𠮷 is stored as its escape "&#x20BB7;", one character of nine bytes.
        {"an escape is found whole", Sj("吉") + "&#x20BB7;", "&#x20BB7;", true, 0, 2},
        {"the x of an escape is no match", "&#x20BB7;", "x", false},
        {"a match ending inside an escape is none", "&#x20BB7;", "&#x20BB7", false},
        {"after an escape, the real B", "&#x20BB7;B", "B", true, 0, 9},
        {"escape-like text of a held character is text", "&#x41;", "x", true, 0, 2},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TextMatch match = MatchText(c.Text, c.Search);
        EXPECT_EQ(match.Found, c.Found);
        EXPECT_EQ(match.Line, c.Line);
        EXPECT_EQ(match.Column, c.Column);
    }
}

TEST(TextSearchTest, ReplaceFirstReplacesTheFirstMatchOnly)
{
    struct Case
    {
        const char* Name;
        std::string Text;
        std::string Search;
        std::string Replacement;
        std::string Expected;
    };
    const Case cases[] = {
        {"one replacement", "aaa", "a", "b", "baa"},
        {"again: the next a", "baa", "a", "b", "bba"},
        {"no match leaves the text", "abc", "x", "y", "abc"},
        {"a trail byte is not replaced", Sj("アA"), "A", "B", Sj("アB")},
        {"longer and shorter", Sj("数学\r\n国語の復習"), Sj("国語"), Sj("現代文"),
         Sj("数学\r\n現代文の復習")},
        {"to nothing", "abc", "b", "", "ac"},
        {"an escape is never cut", "&#x20BB7;B", "B", "C", "&#x20BB7;C"},
        {"an empty search puts the replacement in front", "abc", "", "x", "xabc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ReplaceFirst(c.Text, c.Search, c.Replacement), c.Expected);
    }
}

namespace {

constexpr MatchOptions Width{true, false, false};
constexpr MatchOptions Kana{false, true, false};
constexpr MatchOptions Case{false, false, true};
constexpr MatchOptions All{true, true, true};

struct FoldCase
{
    const char* Name;
    std::string Text;
    std::string Search;
    MatchOptions Options;
    bool Found;
    int Column = -1;
    std::size_t Length = 0; ///< bytes of the text matched
};

} // namespace

TEST(TextSearchTest, FoldingFindsWhatTheOptionsIgnore)
{
    const FoldCase cases[] = {
        // Width: full-width ASCII and the ideographic space, half-width katakana.
        {"ＡＢＣ finds ABC", "xABC", Sj("ＡＢＣ"), Width, true, 1, 3},
        {"ABC finds ＡＢＣ", Sj("１ＡＢＣ"), "ABC", Width, true, 2, 6},
        {"full-width digits and space", Sj("３年　２組"), "3" + Sj("年") + " 2", Width, true, 0, 8},
        {"ｶﾀｶﾅ finds カタカナ", Sj("カタカナ"), Sj("ｶﾀｶﾅ"), Width, true, 0, 8},
        {"カタカナ finds ｶﾀｶﾅ", Sj("ｶﾀｶﾅ"), Sj("カタカナ"), Width, true, 0, 4},
        {"ｶﾞ (two bytes) is ガ", Sj("ｶﾞｯｺｳ"), Sj("ガッコウ"), Width, true, 0, 5},
        {"ﾊﾟ is パ, ｳﾞ is ヴ", Sj("ﾊﾟｰﾃｨｰ ｳﾞ"), Sj("パーティー ヴ"), Width, true, 0, 9},
        {"ｶ alone does not find ガ", Sj("ｶﾞ"), Sj("カ"), Width, false},
        {"without the option width differs", "ABC", Sj("ＡＢＣ"), {}, false},
        {"width does not fold kana", Sj("かたかな"), Sj("カタカナ"), Width, false},
        // Kana: hiragana and katakana.
        {"がっこう finds ガッコウ", Sj("ガッコウ"), Sj("がっこう"), Kana, true, 0, 8},
        {"ガッコウ finds がっこう", Sj("小がっこう"), Sj("ガッコウ"), Kana, true, 2, 8},
        {"kana does not fold width", Sj("ｶﾞｯｺｳ"), Sj("がっこう"), Kana, false},
        {"both: ｶﾞｯｺｳ finds がっこう", Sj("ｶﾞｯｺｳ"), Sj("がっこう"), All, true, 0, 5},
        // Case: Latin letters, full-width ones too; nothing else.
        {"abc finds ABC", "xAbC", "aBc", Case, true, 1, 3},
        {"ａ finds Ａ", Sj("Ａ"), Sj("ａ"), Case, true, 0, 2},
        {"case alone keeps width", "A", Sj("ａ"), Case, false},
        {"all: ａ finds A", "A", Sj("ａ"), All, true, 0, 1},
        // Character boundaries stay: trail bytes, escapes, line breaks.
        {"A is not the trail byte of ア", Sj("ア"), "A", Width, false},
        {"the trail byte of ソ is no backslash", Sj("ソ"), Sj("＼"), All, false},
        {"the x of an escape is no match", "&#x20BB7;", "X", All, false},
        {"an escape is found whole", Sj("吉") + "&#x20BB7;", "&#x20BB7;", All, true, 2, 9},
        {"lines count in the text", Sj("一\r\nＡ"), "a", All, true, 0, 2},
        {"never ending between CR and LF", "ab\r\ncd", "B\r", All, false},
    };
    for (const FoldCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TextMatch match = MatchText(c.Text, c.Search, c.Options);
        EXPECT_EQ(match.Found, c.Found);
        if (c.Found) {
            EXPECT_EQ(match.Column, c.Column);
            EXPECT_EQ(match.Length, c.Length);
        }
    }
    EXPECT_EQ(MatchText(Sj("一\r\nＡ"), "a", All).Line, 1);
}

TEST(TextSearchTest, ReplacingUnderFoldingReplacesTheTextThatMatched)
{
    // The replaced bytes are the text's own (five bytes of ｶﾞｯｺｳ), not as many as the search text has.
    EXPECT_EQ(ReplaceFirst(Sj("小ｶﾞｯｺｳ!"), Sj("がっこう"), Sj("学校"), All), Sj("小学校!"));
    EXPECT_EQ(ReplaceFirst("Abc abc", "ABC", "x", Case), "x abc");
    EXPECT_EQ(ReplaceFirst("&#x20BB7;X", "x", "y", Case), "&#x20BB7;y");
}
