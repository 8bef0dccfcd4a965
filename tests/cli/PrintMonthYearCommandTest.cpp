#include "support/PrintCommandFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace planova {
namespace {

using test::CliResult;
using test::PdfPageText;

using PrintMonthYearCommandTest = test::PrintCommandFixture;

TEST_F(PrintMonthYearCommandTest, PagesAndPaper)
{
    struct Case
    {
        const char* Name;
        std::vector<std::string> Options;
        const char* Pages;
        int WidthMm;
        int HeightMm;
    };
    const Case cases[] = {
        {"month, vertical, three months touched",
         {"--type", "month", "--from", "2024-04-30", "--to", "2024-06-01"},
         "3",
         297,
         210},
        {"month list on Bible refills",
         {"--type", "month", "--layout", "list", "--paper", "bible", "--orientation", "portrait", "--from",
          "2024-06-01", "--to", "2024-06-30"},
         "1",
         148,
         210},
        {"year, six months",
         {"--type", "year", "--months", "6", "--from", "2024-04-01", "--to", "2025-03-31"},
         "1",
         297,
         210},
        {"year on A5 upright",
         {"--type", "year", "--paper", "a5", "--orientation", "portrait"},
         "1",
         148,
         210},
    };
    for (const Case& c : cases) {
        const std::string out = Out("planner.pdf");
        std::vector<std::string> args{File, "-o", out};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const CliResult result = Print(args);
        ASSERT_EQ(result.Status, 0) << c.Name << ": " << result.Err;
        EXPECT_EQ(test::PdfInfoField(out, "Pages"), c.Pages) << c.Name;
        EXPECT_EQ(test::PdfPageSizeMm(out), std::make_pair(c.WidthMm, c.HeightMm)) << c.Name;
    }
}

TEST_F(PrintMonthYearCommandTest, TheTextsOfThePagesCanBeFound)
{
    const std::string month = Out("month.pdf");
    ASSERT_EQ(Print({File, "--type", "month", "--from", "2024-05-20", "--to", "2024-06-01", "--set",
                     "PDateType=1", "-o", month})
                  .Status,
              0);
    const std::string june = PdfPageText(month, 2);
    EXPECT_NE(june.find("2024/06"), std::string::npos) << june;
    EXPECT_NE(june.find("2024/06/30"), std::string::npos) << june;
    EXPECT_NE(june.find("避難訓練"), std::string::npos) << june; // 12 June in the school year
    EXPECT_NE(PdfPageText(month, 1).find("2024/05/31"), std::string::npos);

    const std::string year = Out("year.pdf");
    ASSERT_EQ(Print({File, "--type", "year", "--months", "3", "--from", "2024-11-10", "--to", "2024-11-10",
                     "-o", year})
                  .Status,
              0);
    const std::string page = PdfPageText(year, 1);
    for (const char* text : {"20241101", "202412", "202501", "20250131"})
        EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
}

// Writes the documentation's pictures of the month and year planners when PLANOVA_PRINT_IMAGES names a
// folder (docs/images): an A4 landscape spread (the year planner: one page) and a Bible upright page.
TEST_F(PrintMonthYearCommandTest, DocumentationImages)
{
    const std::string folder = PicturesFolder();
    if (folder.empty())
        GTEST_SKIP() << "set PLANOVA_PRINT_IMAGES to a folder to write the pictures of printed pages";
    const std::vector<std::string> filled{"--set", "WakunaiNuritubushi=1"};
    const auto with = [](std::vector<std::string> options, const std::vector<std::string>& more) {
        options.insert(options.end(), more.begin(), more.end());
        return options;
    };
    const std::vector<std::string> a4{"--paper", "a4", "--orientation", "landscape"};
    const std::vector<std::string> bible{"--paper", "bible", "--orientation", "portrait"};
    const std::vector<std::string> a4Spread = with(a4, {"--page", "spread"});
    const std::vector<std::string> bibleOne = with(bible, {"--page", "one"});
    // The year planner is always one page.
    WritePictures(folder, {"--from", "2024-06-01", "--to", "2024-06-01"},
                  {{"print-month-a4", with(with({"--type", "month"}, filled), a4Spread), "110"},
                   {"print-month-bible", with(with({"--type", "month"}, filled), bibleOne), "150"},
                   {"print-month-list-a4",
                    with(with({"--type", "month", "--layout", "list"}, filled), a4Spread), "110"},
                   {"print-month-list-bible",
                    with(with({"--type", "month", "--layout", "list"}, filled), bibleOne), "150"},
                   {"print-year-a4", with({"--type", "year", "--months", "6"}, a4), "110"},
                   {"print-year-bible", with({"--type", "year", "--months", "2"}, bible), "150"}});
}

} // namespace
} // namespace planova
