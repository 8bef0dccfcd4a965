#include "model/OutputOverInput.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace planova;
using planova::test::TempDir;
using planova::test::WriteBytes;

namespace fs = std::filesystem;

TEST(OutputOverInputTest, TheInputIsSeenThroughEveryOtherName)
{
    TempDir dir;
    WriteBytes(dir.File("plan.dat"), "data");
    WriteBytes(dir.File("other.dat"), "data"); // the same bytes, another file
    fs::create_directory(dir.File("sub"));
    fs::create_symlink(dir.File("plan.dat"), dir.File("link.dat"));
    fs::create_symlink("link.dat", dir.File("link-to-link.dat"));
    fs::create_hard_link(dir.File("plan.dat"), dir.File("hard.dat"));
    fs::create_symlink(dir.File("missing.dat"), dir.File("dangling.dat"));

    struct Case
    {
        const char* Output;
        bool IsInput;
    };
    const Case cases[] = {
        {"plan.dat", true},
        {"sub/../plan.dat", true},
        {"./sub/.././plan.dat", true},
        {"link.dat", true},
        {"link-to-link.dat", true},
        {"hard.dat", true},
        {"other.dat", false},
        {"plan.pdf", false}, // not there yet: a new file
        {"dangling.dat", false},
        {"sub", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Output);
        const Outcome checked = CheckOutputIsNotInput(dir.File("plan.dat"), dir.File(c.Output));
        EXPECT_EQ(checked.Ok, !c.IsInput);
        EXPECT_EQ(IsSameFile(dir.File(c.Output), dir.File("plan.dat")), c.IsInput);
        if (c.IsInput) {
            EXPECT_NE(checked.Error.find("書き出し先が元のデータファイルと同じです"), std::string::npos);
        }
    }
    // The input named through a link is the same file too, and a document never saved has no file.
    EXPECT_FALSE(CheckOutputIsNotInput(dir.File("link.dat"), dir.File("hard.dat")).Ok);
    EXPECT_TRUE(CheckOutputIsNotInput("", dir.File("plan.dat")).Ok);
}
