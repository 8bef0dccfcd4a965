#include "edit/TextPaste.h"

#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <string>

using namespace planova;
using planova::test::Sj;

TEST(TextPasteTest, ATooLongTextIsCutOnACharacterBoundary)
{
    constexpr std::size_t Max = MaxPastedFieldBytes;
    const std::string a(Max - 1, 'a');
    struct Case
    {
        const char* Name;
        std::string Text;
        std::size_t KeptBytes;
        int CutFields;
    };
    const Case cases[] = {
        {"exactly the limit", std::string(Max, 'a'), Max, 0},
        {"one byte more", std::string(Max + 1, 'a'), Max, 1},
        // Max − 1 + 2 bytes of 国 would end one byte past the limit: the character goes whole.
        {"a double-byte character across the limit", a + Sj("国") + "b", Max - 1, 1},
        // Max − 1 + 9 bytes of the escape of 𠮷: the escape is not split.
        {"an escape across the limit", a + "&#x20BB7;", Max - 1, 1},
        // Max − 1 + CR LF: the pair goes whole, no lone CR is left.
        {"a line break across the limit", a + "\r\nb", Max - 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        PasteLoss loss;
        const std::string kept = FitToField(c.Text, loss);
        EXPECT_EQ(kept, c.Text.substr(0, c.KeptBytes));
        EXPECT_EQ(loss.CutFields, c.CutFields);
    }
}

TEST(TextPasteTest, LinesAreSplitAtLineBreaksOnly)
{
    struct Case
    {
        std::string Text;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n", {"a"}},               // a final line break starts no line
        {"a\r\n\r\nb", {"a", "", "b"}}, // an empty line in between keeps its row
        {"a\tb", {"a\tb"}},             // tabs stay in the line
    };
    for (const Case& c : cases)
        EXPECT_EQ(PastedLines(c.Text), c.Lines) << c.Text;
}
