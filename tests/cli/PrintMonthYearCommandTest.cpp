#include "support/PrintCommandFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
    const char* folder = std::getenv("PLANOVA_PRINT_IMAGES");
    if (folder == nullptr)
        GTEST_SKIP() << "set PLANOVA_PRINT_IMAGES to a folder to write the pictures of printed pages";
    struct Case
    {
        const char* Image;
        std::vector<std::string> Options;
        const char* Resolution; // of the picture, in pixels per inch
    };
    const std::vector<std::string> a4{"--paper", "a4", "--orientation", "landscape"};
    const std::vector<std::string> bible{"--paper", "bible", "--orientation", "portrait", "--page", "one"};
    const Case cases[] = {
        {"print-month-a4", {"--type", "month", "--page", "spread", "--set", "WakunaiNuritubushi=1"}, "110"},
        {"print-month-bible", {"--type", "month", "--set", "WakunaiNuritubushi=1"}, "150"},
        {"print-month-list-a4",
         {"--type", "month", "--layout", "list", "--page", "spread", "--set", "WakunaiNuritubushi=1"},
         "110"},
        {"print-month-list-bible",
         {"--type", "month", "--layout", "list", "--set", "WakunaiNuritubushi=1"},
         "150"},
        {"print-year-a4", {"--type", "year", "--months", "6"}, "110"},
        {"print-year-bible", {"--type", "year", "--months", "2"}, "150"},
    };
    for (const Case& c : cases) {
        const std::string pdf = Out(std::string(c.Image) + ".pdf");
        std::vector<std::string> args{File, "--from", "2024-06-01", "--to", "2024-06-01", "-o", pdf};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const std::string image(c.Image);
        const std::vector<std::string>& paper = image.find("bible") != std::string::npos ? bible : a4;
        for (std::size_t i = 0; i < paper.size(); i += 2) {
            if (c.Options[1] == "year" && paper[i] == "--page")
                continue; // the year planner is always one page
            args.push_back(paper[i]);
            args.push_back(paper[i + 1]);
        }
        const CliResult result = Print(args);
        ASSERT_EQ(result.Status, 0) << c.Image << ": " << result.Err;
        WritePicture(pdf, c.Resolution, std::string(folder) + "/" + c.Image);
    }
}

} // namespace
} // namespace planova
