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
        {"an empty search puts the replacement in front", "abc", "", "x", "xabc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ReplaceFirst(c.Text, c.Search, c.Replacement), c.Expected);
    }
}
