#include "support/PrintCommandFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace planova {
namespace {

using test::CliResult;
using test::PdfPageText;

using PrintToDoTableCommandTest = test::PrintCommandFixture;

TEST_F(PrintToDoTableCommandTest, OnePageOnThePrinterPaperOfEachRefill)
{
    struct Case
    {
        std::vector<std::string> Options;
        int WidthMm;
        int HeightMm;
    };
    const Case cases[] = {
        {{"--paper", "a4", "--orientation", "landscape", "--page", "spread"}, 297, 210},
        {{"--paper", "a4", "--orientation", "portrait", "--page", "one"}, 210, 297},
        {{"--paper", "bible", "--orientation", "portrait", "--page", "one"}, 148, 210},  // on A5
        {{"--paper", "mini", "--orientation", "landscape", "--page", "left"}, 148, 100}, // on the postcard
    };
    for (const Case& c : cases) {
        const std::string out = Out("todo.pdf");
        // However long the range, the table is one page of six weeks.
        std::vector<std::string> args{File,   "--type",     "todo", "--from", "2024-06-12",
                                      "--to", "2024-12-24", "-o",   out};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const CliResult result = Print(args);
        ASSERT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(test::PdfInfoField(out, "Pages"), "1") << c.Options[1];
        EXPECT_EQ(test::PdfPageSizeMm(out), std::make_pair(c.WidthMm, c.HeightMm)) << c.Options[1];
    }
}

TEST_F(PrintToDoTableCommandTest, ItemsOnTheirDaysAndTheTwoLists)
{
    // From Sunday 9 June to Saturday 20 July 2024; the school year's items fall before, in and after it.
    const std::string out = Out("todo.pdf");
    CliResult result = Print({File, "--type", "todo", "--from", "2024-06-12", "--to", "2024-06-12", "--paper",
                              "a4", "--orientation", "landscape", "--page", "one", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    // pdftotext reads the full-width spaces of the printed lines as plain spaces.
    std::string text = PdfPageText(out, 1);
    EXPECT_NE(text.find("20240609"), std::string::npos) << text;
    EXPECT_NE(text.find("20240720"), std::string::npos) << text;
    EXPECT_NE(text.find("A1 通知表の所見入力"), std::string::npos) << text; // 12 July
    EXPECT_NE(text.find("R1 週案の提出"), std::string::npos) << text;       // 14 June
    EXPECT_EQ(text.find("家庭訪問の日程調整"), std::string::npos) << text;  // 26 April: before the table

    result = Print({File, "--type", "todo", "--from", "2024-06-12", "--to", "2024-06-12", "--paper", "a4",
                    "--orientation", "landscape", "--page", "one", "--set", "ToDoKigenn=1", "--set",
                    "ToDoHanni=1", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    text = PdfPageText(out, 1);
    EXPECT_NE(text.find("期限が切れたToDo"), std::string::npos) << text;
    EXPECT_NE(text.find("20240426 A1 家庭訪問の日程調整"), std::string::npos) << text;
    EXPECT_NE(text.find("指定期間以降のToDo"), std::string::npos) << text;
    EXPECT_NE(text.find("20250315 A1 年度末の指導要録"), std::string::npos) << text;
}

// Writes the documentation's pictures of the ToDo table when PLANOVA_PRINT_IMAGES names a folder
// (docs/images): an A4 landscape spread and a Bible page upright, with events and both lists.
TEST_F(PrintToDoTableCommandTest, DocumentationImages)
{
    const std::string folder = PicturesFolder();
    if (folder.empty())
        GTEST_SKIP() << "set PLANOVA_PRINT_IMAGES to a folder to write the pictures of printed pages";
    WritePictures(
        folder,
        {"--type", "todo", "--from", "2024-06-12", "--to", "2024-06-12", "--set", "ToDoGyouji=1", "--set",
         "ToDoKigenn=1", "--set", "ToDoHanni=1"},
        {{"print-todo-a4", {"--paper", "a4", "--orientation", "landscape", "--page", "spread"}, "110"},
         {"print-todo-bible", {"--paper", "bible", "--orientation", "portrait", "--page", "one"}, "200"}});
}

} // namespace
} // namespace planova
