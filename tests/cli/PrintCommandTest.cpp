#include "model/Cp932Codec.h"
#include "model/DataFile.h"
#include "support/PrintCommandFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace planova {
namespace {

using test::CliResult;
using test::PdfPageText;
using test::Poppler;
using test::TempDir;
using test::WriteBytes;

using PrintCommandTest = test::PrintCommandFixture;

TEST_F(PrintCommandTest, DayPagesOnThePrinterPaperOfEachRefill)
{
    struct Case
    {
        std::vector<std::string> Options;
        int WidthMm;
        int HeightMm;
    };
    const Case cases[] = {
        {{"--paper", "a4", "--orientation", "landscape"}, 297, 210},
        {{"--paper", "a4", "--orientation", "portrait"}, 210, 297},
        {{"--paper", "a5", "--orientation", "portrait"}, 148, 210},
        {{"--paper", "a5", "--orientation", "portrait", "--set", "PSennyoushi=1"}, 210, 297}, // on A4 sheets
        {{"--paper", "bible", "--orientation", "landscape"}, 210, 148},                       // on A5
        {{"--paper", "mini", "--orientation", "portrait"}, 100, 148}, // on the Japanese postcard
    };
    for (const Case& c : cases) {
        const std::string out = Out("day.pdf");
        std::vector<std::string> args{File,   "--type",     "day", "--from", "2024-06-10",
                                      "--to", "2024-06-14", "-o",  out};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const CliResult result = Print(args);
        ASSERT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(test::PdfInfoField(out, "Pages"), "5");
        EXPECT_EQ(test::PdfPageSizeMm(out), std::make_pair(c.WidthMm, c.HeightMm)) << c.Options[1];
        EXPECT_EQ(test::PdfInfoField(out, "Title"), "school-year.dat");
    }
}

TEST_F(PrintCommandTest, FontsAreEmbeddedOnceAndTheTextIsSearchable)
{
    const std::string out = Out("week.pdf");
    const CliResult result = Print({File, "--type", "day", "--from", "2024-06-10", "--to", "2024-06-14",
                                    "--set", "PDateType=1", "--set", "PZerotoru=0", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;

    // One line per font after the two header lines: one face for every page, embedded, with a ToUnicode map.
    std::istringstream fonts(Poppler("pdffonts", {out}));
    std::vector<std::string> rows;
    for (std::string row; std::getline(fonts, row);)
        rows.push_back(row);
    ASSERT_EQ(rows.size(), 3u) << Poppler("pdffonts", {out});
    EXPECT_NE(rows[2].find("IPAPGothic"), std::string::npos);
    EXPECT_TRUE(std::regex_search(rows[2], std::regex(R"(Identity-H\s+yes\s+\S+\s+yes)"))) << rows[2];
    // Only the glyphs in use are embedded: a few kilobytes a page, not the 6 MB face.
    EXPECT_LT(std::filesystem::file_size(out), 200u * 1024u);

    // Page 3 is 12 June with its event; page 1 is 10 June.
    const std::string page3 = PdfPageText(out, 3);
    EXPECT_NE(page3.find("2024/06/12（水）"), std::string::npos) << page3;
    EXPECT_NE(page3.find("避難訓練"), std::string::npos) << page3;
    EXPECT_NE(page3.find("50分時程"), std::string::npos) << page3;
    const std::string page1 = PdfPageText(out, 1);
    EXPECT_NE(page1.find("2024/06/10（月）"), std::string::npos) << page1;
}

TEST_F(PrintCommandTest, OptionsAreChosenAsInThePrintDialog)
{
    // The special paper turns an A4 landscape spread into A5 upright left pages on A4 sheets.
    const std::string out = Out("special.pdf");
    const CliResult result = Print({File, "--type", "day", "--paper", "a4", "--orientation", "landscape",
                                    "--page", "spread", "--set", "PSennyoushi=1", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(test::PdfPageSizeMm(out), std::make_pair(210, 297));
}

TEST_F(PrintCommandTest, MemoSheetIsOnePage)
{
    const std::string out = Out("memo.pdf");
    const CliResult result = Print({File, "--type", "memo", "--paper", "a5", "--page", "one", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(test::PdfInfoField(out, "Pages"), "1");
}

TEST_F(PrintCommandTest, BadInputIsRefusedAndWritesNothing)
{
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const std::string out = Out("never.pdf");
    const Case cases[] = {
        {{"--type", "fortnight"}, 1, "--type は day、week、month、year、memo、todo のいずれかです"},
        {{"--type", "week", "--layout", "diagonal"}, 1, "--layout は vertical、list のいずれかです"},
        {{"--type", "year", "--months", "5"}, 1, "--months は 1、2、3、4、6 のいずれかです"},
        {{"--type", "todo", "--start-weekday", "2"}, 1, "--start-weekday は 0、1 のいずれかです"},
        {{"--type", "year", "--layout", "list"}, 1, "使えない設定です: P_VL_Type"},
        {{"--type", "week", "--months", "2"}, 1, "使えない設定です: PYearType"},
        {{"--type", "week", "--set", "P_VL_Type=1"}, 1, "--layout を使ってください"},
        {{"--type", "day", "--paper", "a3"}, 1, "--paper は a4、a5、bible、mini のいずれかです"},
        {{"--type", "day", "--orientation", "up"}, 1, "--orientation"},
        {{"--type", "day", "--page", "both"}, 1, "--page"},
        {{"--type", "day", "--from", "2024-02-30", "--to", "2024-03-01"}, 1, "--from の日付"},
        {{"--type", "day", "--from", "2024-06-12", "--to", "2024-06-11"},
         1,
         "--to の日付が --from より前です"},
        {{"--type", "day", "--from", "2024-06-12"}, 1, "両方"},
        {{"--type", "memo", "--from", "2024-06-12", "--to", "2024-06-12"}, 1, "メモ用紙には日付の範囲"},
        {{"--type", "day", "--set", "PFontSize=0"}, 1, "1 から 50 までの整数を入力してください。"},
        {{"--type", "day", "--set", "PIdouSita=-51"}, 1, "-50 から 50 までの整数を入力してください。"},
        {{"--type", "day", "--set", "PFontSize=nine"}, 1, "整数を入力してください。"},
        {{"--type", "day", "--set", "PWaku=2"}, 1, "0 か 1 です"},
        {{"--type", "day", "--set", "Shiyousya=x"}, 1, "--set で設定できない項目です"},
        {{"--type", "day", "--set", "DspType=1"}, 1, "--set で設定できない項目です"},
        {{"--type", "day", "--set", "PPaperType=1"}, 1, "--paper を使ってください"},
        {{"--type", "day", "--set", "PDateType=5"}, 1, "PDateType は 0、1、2 のいずれかです"},
        {{"--type", "day", "--set", "PKeisenIro=-1"}, 1, "0 から 16777215 までの整数"},
        // What the print dialog disables for the print type and paper.
        {{"--type", "memo", "--set", "PDayKiroku=1"},
         1,
         "この印刷タイプと用紙では使えない設定です: PDayKiroku"},
        {{"--type", "day", "--paper", "bible", "--set", "PKirokuBunnrui=1"},
         1,
         "使えない設定です: PKirokuBunnrui"},
        {{"--type", "day", "--set", "PDayKiroku=0", "--set", "PKirokuCenterline1by3=1"},
         1,
         "使えない設定です"},
        {{"--type", "day", "--set", "PKenin=1"}, 1, "使えない設定です: PKenin"},
        {{"--type", "day", "--set", "PFontSize"}, 2, "TAG=VALUE"},
        {{"--type", "day", "--frobnicate"}, 2, "不明なオプションです"},
        {{"--type", "day", "--paper", "a4", "--paper", "a5"}, 2, "--paper が2回指定されています"},
        {{"--paper", "a4"}, 2, "必須"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{File, "-o", out};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CliResult result = Print(args);
        EXPECT_EQ(result.Status, c.Status) << c.Message;
        EXPECT_NE(result.Err.find(c.Message), std::string::npos) << result.Err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.Message;
    }
}

TEST_F(PrintCommandTest, ANamedPipeOrAFileOverTheLimitIsRefusedAsDumpRefusesIt)
{
    const std::string pipe = Folder.File("pipe.dat");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = Folder.File("large.dat");
    WriteBytes(large, "");
    std::filesystem::resize_file(large, MaxDataFileBytes + 1);
    for (const std::string& input : {pipe, large, std::string("/dev/zero")}) {
        SCOPED_TRACE(input);
        const CliResult printed = Print({input, "--type", "day", "-o", Out("a.pdf")});
        const CliResult dumped = test::RunProgram(PLANOVA_CLI, {"dump", input});
        EXPECT_EQ(printed.Status, 1);
        EXPECT_EQ(dumped.Status, 1);
        EXPECT_FALSE(printed.Err.empty());
        EXPECT_EQ(printed.Err, dumped.Err);
        EXPECT_FALSE(std::filesystem::exists(Out("a.pdf")));
    }
}

TEST_F(PrintCommandTest, UnreadableInputAndUnwritableOutput)
{
    EXPECT_EQ(Print({Folder.File("missing.dat"), "--type", "day", "-o", Out("a.pdf")}).Status, 1);
    WriteBytes(Folder.File("broken.dat"), "\x40<Planova>"); // the prefix promises 64 bytes
    EXPECT_EQ(Print({Folder.File("broken.dat"), "--type", "day", "-o", Out("a.pdf")}).Status, 1);
    EXPECT_FALSE(std::filesystem::exists(Out("a.pdf")));

    const CliResult result = Print({File, "--type", "day", "-o", Folder.File("no-such-folder/a.pdf")});
    EXPECT_EQ(result.Status, 1);
    EXPECT_FALSE(std::filesystem::exists(Folder.File("no-such-folder")));
    // No half-written or temporary file is left behind.
    for (const auto& entry : std::filesystem::directory_iterator(Folder.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "school-year.dat" || name == "broken.dat") << name;
    }
}

// Writes the documentation's pictures of printed pages when PLANOVA_PRINT_IMAGES names a folder
// (docs/images): the first day page of each refill, with its record sheet.
TEST_F(PrintCommandTest, DocumentationImages)
{
    const std::string folder = PicturesFolder();
    if (folder.empty())
        GTEST_SKIP() << "set PLANOVA_PRINT_IMAGES to a folder to write the pictures of printed pages";
    // Font sizes small enough for the planner's 43 lines on the spread's pages.
    const auto paper = [](const char* name, const char* fontSize) {
        return std::vector<std::string>{"--paper", name, "--set", std::string("PFontSize=") + fontSize};
    };
    WritePictures(folder,
                  {"--type", "day", "--from", "2024-06-12", "--to", "2024-06-12", "--orientation",
                   "landscape", "--page", "spread", "--set", "WakunaiNuritubushi=1", "--set",
                   "PRoutineWork=1"},
                  {{"print-day-a4", paper("a4", "9"), "110"},
                   {"print-day-a5", paper("a5", "8"), "150"},
                   {"print-day-bible", paper("bible", "5"), "150"},
                   {"print-day-mini", paper("mini", "4"), "200"}});
}

} // namespace
} // namespace planova
