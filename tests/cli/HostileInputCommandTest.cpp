// Command lines that used to destroy a teacher's file or never end: an output over the input, print
// ranges of centuries, JSON numbers no reader can hold, documents whose file would be larger than
// any reader opens. Each is refused with status 1 and its message, leaves the input byte for byte
// as it was and leaves no output file.

#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

using namespace planova;
using namespace planova::test;

namespace {

// Days imported from JSON with only their dates: 280,000 of them take 25 bytes each in the JSON
// and 1,020 bytes in a data file, 4,203 + 280,000 × 1,020 bytes = 286 MB, beyond the 256 MB
// (268,435,456 bytes) any reader opens.
constexpr int ExpandingDays = 280000;

std::string DayDate(int index)
{
    // Consecutive days from 1 January 1300 (280,000 days reach into 2066).
    const DateTime date = DateTime::FromDate(1300, 1, 1).AddDays(index);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year(), date.Month(), date.Day());
    return text;
}

/**
 * A data file 1,000 bytes below the largest any reader opens, as another program may write it: two
 * days with only their date, a lesson of class A and a memo, no ToDo list and no settings. Written
 * back with every row, the ToDo list and the settings (4,203 bytes alone) it grows beyond the limit.
 */
std::string FileThatGrowsWhenWritten()
{
    const auto day = [](const char* date, const char* content, const std::string& memo) {
        return std::string("<DayData><Date>") + date + "</Date><YoteiSet><No>1</No><Yotei>A</Yotei><Naiyou>" +
               content + "</Naiyou></YoteiSet><Memo>" + memo + "</Memo></DayData>";
    };
    const std::string head = "<Planova><YoteiData><datasuu>2</datasuu>" + day("20240408", "n1", "");
    const std::string tail = "</YoteiData></Planova>";
    const std::string second = day("20240409", "n2", "");
    const std::size_t memo = MaxDataFileBytes - 1000 - LengthPrefix(MaxDataFileBytes).size() - head.size() -
                             second.size() - tail.size();
    const std::string text = head + day("20240409", "n2", std::string(memo, 'x')) + tail;
    return LengthPrefix(text.size()) + text;
}

/// The days above as JSON for import.
std::string ExpandingJson()
{
    std::string json = R"({"days": [)";
    for (int i = 0; i < ExpandingDays; ++i)
        json += (i == 0 ? R"({"date": ")" : R"(,{"date": ")") + DayDate(i) + R"("})";
    return json + "]}";
}

/// The files every case may use, made once: the teacher's data file, ways to name it again, JSON
/// with numbers beyond any double, and files that grow beyond the limit when written.
class HostileFiles
{
public:
    HostileFiles()
    {
        std::filesystem::copy_file(std::string(PLANOVA_TEST_DATA_DIR) + "/example-2014.dat",
                                   Dir.File("plan.dat"));
        std::filesystem::create_directory(Dir.File("sub"));
        std::filesystem::create_symlink(Dir.File("plan.dat"), Dir.File("link.dat"));
        std::filesystem::create_hard_link(Dir.File("plan.dat"), Dir.File("hard.dat"));
        WriteBytes(Dir.File("setting.json"), R"({"settings": {"PFontSize": 1e999999}})");
        WriteBytes(Dir.File("colour.json"),
                   R"({"days": [{"date": "2014-04-07", "rows": [{"iro": -1e999}]}]})");
        WriteBytes(Dir.File("digits.json"), R"({"unknown": 1)" + std::string(99999, '0') + "}");
        WriteBytes(Dir.File("float.json"), R"({"settings": {"PFontSize": 1e300}})");
        WriteBytes(Dir.File("growing.dat"), FileThatGrowsWhenWritten());
        WriteBytes(Dir.File("expanding.json"), ExpandingJson());
    }

    /// "@name" is the file of that name in the folder; anything else stays as it is.
    std::string Path(const std::string& arg) const
    {
        return arg.starts_with('@') ? Dir.File(arg.substr(1)) : arg;
    }

private:
    TempDir Dir;
};

struct HostileCase
{
    const char* Name;
    std::vector<std::string> Args;
    /// What standard error must hold.
    const char* Message;
    /// The file that must stay as it was.
    std::string Input;
    /// The file that must not appear; empty when the output is the input.
    std::string Output;
};

void PrintTo(const HostileCase& c, std::ostream* out)
{
    *out << c.Name;
}

constexpr const char* OverInput = "書き出し先が元のデータファイルと同じです";
constexpr const char* TooManyPages = "ページまでです";
constexpr const char* TooLarge = "データファイルが大きすぎるため保存できませんでした";

const HostileCase Cases[] = {
    // 1. An output that is the input, however it is named.
    {"PrintOverTheInput",
     {"print", "@plan.dat", "--type", "day", "--from", "2014-01-01", "--to", "2014-01-01", "-o", "@plan.dat"},
     OverInput,
     "@plan.dat",
     ""},
    {"PrintThroughASymbolicLink",
     {"print", "@plan.dat", "--type", "memo", "-o", "@link.dat"},
     OverInput,
     "@plan.dat",
     ""},
    {"IcsThroughDotDot",
     {"export", "@plan.dat", "--ics", "-o", "@sub/../plan.dat"},
     OverInput,
     "@plan.dat",
     ""},
    {"CsvOverTheInput", {"export", "@plan.dat", "--csv", "-o", "@plan.dat"}, OverInput, "@plan.dat", ""},
    {"ToDoCsvThroughAHardLink",
     {"export", "@link.dat", "--csv", "--todos", "-o", "@hard.dat"},
     OverInput,
     "@plan.dat",
     ""},
    {"RenderOverTheInput",
     {"render", "@plan.dat", "--view", "day", "--date", "2014-01-01", "--size", "640x480", "-o", "@plan.dat"},
     OverInput,
     "@plan.dat",
     ""},

    // 2. Print ranges of centuries, counted before a page is drawn. 0100-01-01 to 9999-12-31 are
    // 3,615,899 days apart: 3,615,900 day pages, 3,615,899 / 7 + 1 = 516,558 week pages,
    // 9,900 × 12 = 118,800 month pages.
    {"CenturiesOfDays",
     {"print", "@plan.dat", "--type", "day", "--from", "0100-01-01", "--to", "9999-12-31", "-o", "@out.pdf"},
     "印刷するページが多すぎます (3615900 ページ。一度に印刷できるのは 5000 ページまでです)",
     "@plan.dat",
     "@out.pdf"},
    {"CenturiesOfWeeks",
     {"print", "@plan.dat", "--type", "week", "--from", "0100-01-01", "--to", "9999-12-31", "-o", "@out.pdf"},
     "(516558 ページ",
     "@plan.dat",
     "@out.pdf"},
    {"CenturiesOfMonths",
     {"print", "@plan.dat", "--type", "month", "--from", "0100-01-01", "--to", "9999-12-31", "-o",
      "@out.pdf"},
     "(118800 ページ",
     "@plan.dat",
     "@out.pdf"},

    // 3. Numbers beyond any double, refused with the place and the number.
    {"InfiniteSetting",
     {"import", "@setting.json", "-o", "@out.dat"},
     "settings.PFontSize: 数値 1e999999 は大きすぎて扱えません。",
     "@setting.json",
     "@out.dat"},
    {"NegativeInfiniteColour",
     {"import", "@colour.json", "-o", "@out.dat"},
     "days[0].rows[0].iro: 数値 -1e999 は大きすぎて扱えません。",
     "@colour.json",
     "@out.dat"},
    {"HundredThousandDigitsUnderAnUnknownKey",
     {"import", "@digits.json", "-o", "@out.dat"},
     "unknown: 数値 10000000000000000000000000000000… (100000 文字) は大きすぎて扱えません。",
     "@digits.json",
     "@out.dat"},
    {"FloatSetting",
     {"import", "@float.json", "-o", "@out.dat"},
     "settings.PFontSize: 整数ではありません: 1e+300",
     "@float.json",
     "@out.dat"},

    // 5. Documents whose file would be larger than any reader opens.
    {"ImportOfTooManyDays",
     {"import", "@expanding.json", "-o", "@out.dat"},
     TooLarge,
     "@expanding.json",
     "@out.dat"},
    {"MakeYearOverAFileNearTheLimit",
     {"make-year", "@growing.dat", "-o", "@out.dat", "--from", "2024-04-01", "--to", "2024-04-30"},
     TooLarge,
     "@growing.dat",
     "@out.dat"},
    {"ReplaceInAFileNearTheLimit",
     {"replace", "@growing.dat", "--text", "x", "--with", "y", "-o", "@out.dat"},
     TooLarge,
     "@growing.dat",
     "@out.dat"},
    {"ReplaceInPlace",
     {"replace", "@growing.dat", "--text", "x", "--with", "y", "-o", "@growing.dat"},
     TooLarge,
     "@growing.dat",
     ""},
    {"ShiftInAFileNearTheLimit",
     {"shift", "@growing.dat", "--class", "A", "--from", "2024-04-01", "--to", "2024-04-30", "--direction",
      "up", "-o", "@out.dat"},
     TooLarge,
     "@growing.dat",
     "@out.dat"},
};

class HostileInputCommandTest : public ::testing::TestWithParam<HostileCase>
{
protected:
    static void SetUpTestSuite() { Files = std::make_unique<HostileFiles>(); }
    static void TearDownTestSuite() { Files.reset(); }

    static std::unique_ptr<HostileFiles> Files;
};

std::unique_ptr<HostileFiles> HostileInputCommandTest::Files;

} // namespace

TEST_P(HostileInputCommandTest, IsRefusedAndChangesNothing)
{
    const HostileCase& c = GetParam();
    std::vector<std::string> args;
    for (const std::string& arg : c.Args)
        args.push_back(Files->Path(arg));
    const std::string input = Files->Path(c.Input);
    const std::string before = ReadBytes(input);
    ASSERT_FALSE(before.empty());

    const CliResult run = RunProgram(PLANOVA_CLI, args);
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    EXPECT_TRUE(ReadBytes(input) == before) << input << " was changed";
    if (!c.Output.empty()) {
        EXPECT_FALSE(std::filesystem::exists(Files->Path(c.Output))) << c.Output << " was written";
    }
}

INSTANTIATE_TEST_SUITE_P(EachCommand, HostileInputCommandTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.Name; });
