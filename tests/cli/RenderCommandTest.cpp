#include "model/DataFile.h"
#include "support/TempDir.h"
#include "support/SchoolYearFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace planova {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

constexpr const char* Now = "--now \"2024-06-12 08:15:30\"";

/// Runs planova-cli render with the arguments; returns the exit status.
int Render(const std::string& arguments)
{
    const std::string command = std::string(PLANOVA_CLI) + " render " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// Width and height from a PNG's header (0, 0 when the bytes are no PNG).
std::pair<int, int> PngSize(const std::string& bytes)
{
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return {0, 0};
    const auto number = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {number(16), number(20)};
}

using RenderCommandTest = test::SchoolYearFileTest;

TEST_F(RenderCommandTest, RendersEachViewAtTheRequestedSize)
{
    struct Case
    {
        const char* View;
        const char* Size;
        int Width;
        int Height;
    };
    const Case cases[] = {
        {"day", "1280x720", 1280, 720}, {"week", "1920x1080", 1920, 1080}, {"month", "800x600", 800, 600}};
    for (const Case& c : cases) {
        const std::string out = Out(std::string(c.View) + ".png");
        ASSERT_EQ(Render(File + " --view " + c.View + " --date 2024-06-12 --size " + c.Size + " " + Now +
                         " -o " + out),
                  0)
            << c.View;
        EXPECT_EQ(PngSize(ReadBytes(out)), std::make_pair(c.Width, c.Height)) << c.View;
    }
}

TEST_F(RenderCommandTest, TheSameMomentGivesTheSameImage)
{
    const std::string common = File + " --view week --date 2024-06-12 --size 1280x720 ";
    ASSERT_EQ(Render(common + Now + " -o " + Out("a.png")), 0);
    ASSERT_EQ(Render(common + Now + " -o " + Out("b.png")), 0);
    ASSERT_EQ(Render(common + "--now \"2024-06-12 21:00:00\" -o " + Out("c.png")), 0);
    EXPECT_EQ(ReadBytes(Out("a.png")), ReadBytes(Out("b.png")));
    EXPECT_NE(ReadBytes(Out("a.png")), ReadBytes(Out("c.png"))); // the read-outs follow the moment
}

TEST_F(RenderCommandTest, OptionsChangeWhatIsDrawn)
{
    const std::string common = File + " --view week --date 2024-06-12 --size 1280x720 " + Now;
    ASSERT_EQ(Render(common + " -o " + Out("plain.png")), 0);
    ASSERT_EQ(Render(common + " --todo -o " + Out("todo.png")), 0);
    ASSERT_EQ(Render(common + " --start-weekday 1 -o " + Out("monday.png")), 0);
    ASSERT_EQ(Render(common + " --no-todo -o " + Out("no-todo.png")), 0);
    EXPECT_NE(ReadBytes(Out("plain.png")), ReadBytes(Out("todo.png")));
    EXPECT_NE(ReadBytes(Out("plain.png")), ReadBytes(Out("monday.png")));
    EXPECT_EQ(ReadBytes(Out("plain.png")),
              ReadBytes(Out("no-todo.png"))); // the week view has no pane by default
}

TEST_F(RenderCommandTest, WithoutAFileAnEmptyPlannerIsDrawn)
{
    ASSERT_EQ(Render("--view month --date 2024-02-29 --size 640x480 " + std::string(Now) + " -o " +
                     Out("empty.png")),
              0);
    EXPECT_EQ(PngSize(ReadBytes(Out("empty.png"))), std::make_pair(640, 480));
}

TEST_F(RenderCommandTest, BadArgumentsAreUsageErrorsAndWriteNothing)
{
    const std::string out = " -o " + Out("never.png");
    const char* cases[] = {
        "--date 2024-06-12 --size 800x600",              // no view
        "--view year --date 2024-06-12 --size 800x600",  // unknown view
        "--view day --date 2024-02-30 --size 800x600",   // no such day
        "--view day --date 2024-06-12 --size 800",       // no height
        "--view day --date 2024-06-12 --size 0x600",     // no width
        "--view day --date 2024-06-12 --size 99999x600", // too large
        "--view day --date 2024-06-12 --size 800x600 --start-weekday 3",
        "--view day --date 2024-06-12 --size 800x600 --now 2024-06-12",
        "--view day --date 2024-06-12 --size 800x600 --frobnicate",
    };
    for (const char* arguments : cases) {
        EXPECT_EQ(Render(File + " " + arguments + out), 2) << arguments;
        EXPECT_FALSE(std::filesystem::exists(Out("never.png"))) << arguments;
    }
    EXPECT_EQ(Render(File + " --view day --date 2024-06-12 --size 800x600"), 2); // no output file
}

TEST_F(RenderCommandTest, UnreadableInputOrOutputIsReported)
{
    const std::string view = " --view day --date 2024-06-12 --size 800x600 -o ";
    EXPECT_EQ(Render(Folder.File("missing.dat") + view + Out("a.png")), 1);
    WriteBytes(Folder.File("broken.dat"), "\x40<Planova>"); // the prefix promises 64 bytes
    EXPECT_EQ(Render(Folder.File("broken.dat") + view + Out("a.png")), 1);
    EXPECT_FALSE(std::filesystem::exists(Out("a.png")));
    EXPECT_EQ(Render(File + view + Folder.File("no-such-folder/a.png")), 1);
}

// Writes the documentation's screenshots when PLANOVA_VIEW_IMAGES names a folder (docs/images).
TEST_F(RenderCommandTest, DocumentationImages)
{
    const char* folder = std::getenv("PLANOVA_VIEW_IMAGES");
    if (folder == nullptr)
        GTEST_SKIP() << "set PLANOVA_VIEW_IMAGES to a folder to write the view screenshots";
    for (const char* view : {"day", "week", "month"}) {
        for (const char* size : {"1920x1080", "1280x720", "1024x600"}) {
            const std::string name = std::string(folder) + "/view-" + view + "-" +
                                     std::string(size).substr(0, std::string(size).find('x')) + ".png";
            EXPECT_EQ(Render(File + " --view " + view + " --date 2024-06-12 --size " + size + " " + Now +
                             " -o " + name),
                      0);
        }
    }
}

} // namespace
} // namespace planova
