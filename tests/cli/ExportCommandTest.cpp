#include "export/CsvExport.h"
#include "export/ICalendarExport.h"
#include "model/DataFile.h"
#include "support/CalendarTestDays.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

CliResult Export(const std::vector<std::string>& args)
{
    std::vector<std::string> all{"export"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(PLANOVA_CLI, all);
}

/// The iCalendar text without its DTSTAMP lines, the one part that changes from run to run.
std::string WithoutStamps(const std::string& text)
{
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("DTSTAMP:", 0) != 0)
            kept += line + "\n";
    }
    return kept;
}

/// A school year written as a data file in the folder.
std::string SchoolYearFile(const TempDir& dir, const CPlanovaDoc& document)
{
    const std::string path = dir.File("year.dat");
    WriteBytes(path, WriteDataFile(document));
    return path;
}

} // namespace

TEST(ExportCommandTest, WritesWhatTheExportModuleMakes)
{
    TempDir dir;
    const CPlanovaDoc document = SchoolYearDocument(2024);
    const std::string file = SchoolYearFile(dir, document);
    const ExportRange june{Date(2024, 6, 1), Date(2024, 6, 30)};
    const std::string out = dir.File("out");
    const DateTime anyStamp = Date(2024, 1, 1);
    struct Case
    {
        std::vector<std::string> Options;
        std::string Expected;
    };
    const Case cases[] = {
        {{"--ics"}, WithoutStamps(ICalendarText(document, {}, anyStamp))},
        {{"--ics", "--from", "2024-06-01", "--to", "2024-06-30"},
         WithoutStamps(ICalendarText(document, june, anyStamp))},
        {{"--csv"}, DayCsvText(document, {})},
        {{"--to", "2024-06-30", "--csv", "--from", "2024-06-01"}, DayCsvText(document, june)},
        {{"--csv", "--from", "2025-03-01"}, DayCsvText(document, {Date(2025, 3, 1), {}})},
        {{"--csv", "--todos"}, ToDoCsvText(document)},
        {{"--csv", "--raw"}, DayCsvText(document, {}, CsvFormulas::Raw)},
        {{"--raw", "--todos", "--csv"}, ToDoCsvText(document, CsvFormulas::Raw)},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{file, "-o", out};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const CliResult run = Export(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        const std::string written = ReadBytes(out);
        EXPECT_EQ(c.Options.front() == "--ics" ? WithoutStamps(written) : written, c.Expected)
            << c.Options.size();
    }
}

TEST(ExportCommandTest, UsageAndBadInputLeaveTheOutputAlone)
{
    TempDir dir;
    const std::string file = SchoolYearFile(dir, SchoolYearDocument(2024));
    const std::string out = dir.File("out.csv");
    WriteBytes(dir.File("damaged.dat"), "\x10<Planova>"); // shorter than its length prefix
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Expected;
    };
    const Case cases[] = {
        {{file, "-o", out}, 2, "--ics か --csv か --xlsx"},
        {{file, "--csv"}, 2, "-o OUT"},
        {{"--csv", "-o", out}, 2, "FILE.dat"},
        {{file, "--ics", "--csv", "-o", out}, 2, "--csv は --ics と同時に指定できません。"},
        {{file, "--ics", "--todos", "-o", out}, 2, "--todos は --csv と一緒に"},
        {{file, "--xlsx", "--todos", "-o", out}, 2, "--todos は --csv と一緒に"},
        {{file, "--xlsx", "--raw", "-o", out}, 2, "--raw は --csv と一緒に"},
        {{file, "--csv", "--xlsx", "-o", out}, 2, "--xlsx は --csv と同時に指定できません。"},
        {{file, "--csv", "--todos", "--from", "2024-04-01", "-o", out}, 2, "--from と --to は指定できません"},
        {{file, "--csv", "--from", "2024-04-01", "--from", "2024-05-01", "-o", out}, 2, "--from が2回"},
        {{file, "--csv", "--after", "2024-04-01", "-o", out}, 2, "不明なオプションです: --after"},
        {{file, file, "--csv", "-o", out}, 2, "データファイルは1つだけ"},
        {{file, "--csv", "-o"}, 2, "-o には値が必要です。"},
        {{file, "--csv", "--from", "2024-02-30", "-o", out},
         1,
         "--from の日付 \"2024-02-30\" が正しくありません"},
        {{file, "--ics", "--from", "2024-06-02", "--to", "2024-06-01", "-o", out},
         1,
         "開始日（2024年6月2日）が終了日（2024年6月1日）より後になっています。"},
        {{dir.File("missing.dat"), "--csv", "-o", out}, 1, "ファイルを開けませんでした。"},
        {{dir.File("damaged.dat"), "--csv", "-o", out}, 1, "ファイルを開けませんでした。"},
        {{file, "--csv", "-o", dir.File("no/such/folder.csv")}, 1, "フォルダーが見つかりません"},
    };
    for (const Case& c : cases) {
        WriteBytes(out, "previous");
        const CliResult run = Export(c.Args);
        EXPECT_EQ(run.Status, c.Status) << c.Expected << "\n" << run.Err;
        EXPECT_NE(run.Err.find(c.Expected), std::string::npos) << run.Err;
        EXPECT_EQ(run.Err.find("usage:") != std::string::npos, c.Status == 2) << run.Err;
        EXPECT_EQ(ReadBytes(out), "previous") << c.Expected;
    }
}

TEST(ExportCommandTest, HelpListsEveryCommandAndSucceeds)
{
    for (const char* option : {"--help", "-h"}) {
        const CliResult help = RunProgram(PLANOVA_CLI, {option});
        EXPECT_EQ(help.Status, 0) << option;
        EXPECT_EQ(help.Err, "");
        for (const char* command : {"dump", "import", "sky", "make-year", "render", "export"})
            EXPECT_NE(help.Out.find(std::string("planova-cli ") + command + " "), std::string::npos)
                << command;
    }
    const CliResult version = RunProgram(PLANOVA_CLI, {"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "planova-cli " PLANOVA_VERSION "\n");
    const CliResult none = RunProgram(PLANOVA_CLI, {});
    EXPECT_EQ(none.Status, 2);
    EXPECT_NE(none.Err.find("usage:"), std::string::npos);
}
