#include "model/Cp932Codec.h"
#include "model/DataFile.h"
#include "support/PrintCommandFixture.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace planova {
namespace {

using test::CliResult;
using test::PdfPageText;
using test::WriteBytes;

using PrintWeekCommandTest = test::PrintCommandFixture;

TEST_F(PrintWeekCommandTest, WeekPagesOnThePrinterPaperOfEachRefill)
{
    struct Case
    {
        std::vector<std::string> Options;
        const char* To;
        const char* Pages;
        int WidthMm;
        int HeightMm;
    };
    // From Monday 10 June: six days more is one page, seven days more two, 21 days four.
    const Case cases[] = {
        {{"--layout", "vertical", "--paper", "a4", "--orientation", "landscape"},
         "2024-06-16",
         "1",
         297,
         210},
        {{"--layout", "vertical", "--paper", "a4", "--page", "one"}, "2024-06-17", "2", 297, 210},
        {{"--layout", "list", "--paper", "a5", "--orientation", "portrait"}, "2024-07-01", "4", 148, 210},
        {{"--layout", "list", "--paper", "bible", "--orientation", "portrait", "--page", "one"},
         "2024-06-10",
         "1",
         148,
         210}, // on A5
        {{"--layout", "vertical", "--paper", "mini", "--orientation", "landscape", "--page", "left"},
         "2024-06-16",
         "1",
         148,
         100}, // on the Japanese postcard
    };
    for (const Case& c : cases) {
        const std::string out = Out("week.pdf");
        std::vector<std::string> args{File,   "--type", "week", "--from", "2024-06-10",
                                      "--to", c.To,     "-o",   out};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const CliResult result = Print(args);
        ASSERT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(test::PdfInfoField(out, "Pages"), c.Pages) << c.Options[1] << " " << c.Options[3];
        EXPECT_EQ(test::PdfPageSizeMm(out), std::make_pair(c.WidthMm, c.HeightMm)) << c.Options[3];
    }
}

TEST_F(PrintWeekCommandTest, PagesShowTheirWeekWithTitles)
{
    const std::string out = Out("week.pdf");
    const CliResult result =
        Print({File, "--type", "week", "--from", "2024-06-12", "--to", "2024-06-19", "--start-weekday", "1",
               "--set", "PDateType=1", "--set", "PZerotoru=0", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    // Page 1 is the week from Monday 10 June; page 2 from 17 June.
    const std::string page1 = PdfPageText(out, 1);
    for (const char* text : {"2024/06/10", "2024/06/16", "06/12（水）", "避難訓練", "50分時程", "2-1 国語"})
        EXPECT_NE(page1.find(text), std::string::npos) << text << "\n" << page1;
    const std::string page2 = PdfPageText(out, 2);
    for (const char* text : {"2024/06/17", "2024/06/23", "06/20（木）", "教育実習開始"})
        EXPECT_NE(page2.find(text), std::string::npos) << text << "\n" << page2;
}

TEST_F(PrintWeekCommandTest, ApprovalLineAndClassHourCount)
{
    CPlanovaDoc document = test::SchoolYearDocument(2024);
    document.Shiyousya = Utf8ToCp932("山田");
    document.Class[0] = Utf8ToCp932("2-1 国語");
    document.HajimeYear = 2024;
    document.HajimeMonth = 4;
    document.HajimeDay = 1;
    const std::string file = Out("named.dat");
    WriteBytes(file, WriteDataFile(document));

    const std::string out = Out("approval.pdf");
    const CliResult result =
        Print({file,      "--type", "week",          "--from",    "2024-04-08",    "--to", "2024-04-08",
               "--paper", "a4",     "--orientation", "landscape", "--page",        "one",  "--start-weekday",
               "1",       "--set",  "PKenin=1",      "--set",     "Keisannsuru=1", "-o",   out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::string page = PdfPageText(out, 1);
    // 5 April and the four lessons of the first week.
    for (const char* text : {"副校長", "氏名：山田", "授業時数のカウント", "2-1 国語 = 5"})
        EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
}

// Writes the documentation's pictures of the week planner when PLANOVA_PRINT_IMAGES names a folder
// (docs/images): an A4 landscape spread and a Bible upright single page.
TEST_F(PrintWeekCommandTest, DocumentationImages)
{
    const std::string folder = PicturesFolder();
    if (folder.empty())
        GTEST_SKIP() << "set PLANOVA_PRINT_IMAGES to a folder to write the pictures of printed pages";
    WritePictures(
        folder,
        {"--type", "week", "--from", "2024-06-12", "--to", "2024-06-12", "--start-weekday", "1", "--set",
         "WakunaiNuritubushi=1"},
        {{"print-week-a4",
          {"--paper", "a4", "--orientation", "landscape", "--page", "spread", "--layout", "vertical"},
          "110"},
         {"print-week-bible",
          {"--paper", "bible", "--orientation", "portrait", "--page", "one", "--layout", "list"},
          "200"}});
}

} // namespace
} // namespace planova
