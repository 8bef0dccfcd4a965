// Every command that reads a data file: the warning about a partly damaged file, --strict, and
// files that cannot be read or hold nothing.

#include "support/CliRun.h"
#include "support/SchoolYearFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace planova;
using namespace planova::test;

namespace {

CliResult Cli(const std::vector<std::string>& args)
{
    return RunProgram(PLANOVA_CLI, args);
}

class DamagedFileCommandTest : public SchoolYearFileTest
{
protected:
    void SetUp() override
    {
        SchoolYearFileTest::SetUp();
        // One 4 KB block in the middle of the days zeroed, as a crash or a failing disk leaves it.
        std::string bytes = ReadBytes(File);
        const std::size_t block = bytes.size() / 2 / 4096 * 4096;
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(block),
                  bytes.begin() + static_cast<std::ptrdiff_t>(block + 4096), '\0');
        Damaged = Folder.File("damaged.dat");
        WriteBytes(Damaged, bytes);
    }

    std::string Damaged;
};

} // namespace

TEST_F(DamagedFileCommandTest, EveryReadingCommandWarnsAndRefusesWithStrict)
{
    // Each command with the output it would write (empty: it writes to standard output).
    struct Case
    {
        std::vector<std::string> Args;
        std::string Output;
    };
    const Case cases[] = {
        {{"dump", Damaged}, ""},
        {{"count-hours", Damaged}, ""},
        {{"find", Damaged, "--text", "数学"}, ""},
        {{"replace", Damaged, "--text", "数学", "--with", "算数", "-o", Out("replaced.dat")},
         Out("replaced.dat")},
        {{"shift", Damaged, "--class", "数学", "--from", "2024-04-08", "--to", "2024-04-12", "--direction",
          "up", "-o", Out("shifted.dat")},
         Out("shifted.dat")},
        {{"make-year", Damaged, "--from", "2024-04-01", "--to", "2024-04-30", "-o", Out("year.dat")},
         Out("year.dat")},
        {{"export", Damaged, "--csv", "-o", Out("plans.csv")}, Out("plans.csv")},
        {{"render", Damaged, "--view", "week", "--date", "2024-06-12", "--size", "800x600", "-o",
          Out("week.png")},
         Out("week.png")},
        {{"print", Damaged, "--type", "memo", "-o", Out("memo.pdf")}, Out("memo.pdf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args.front());
        std::vector<std::string> strict = c.Args;
        strict.insert(strict.begin() + 2, "--strict");
        const CliResult refused = Cli(strict);
        EXPECT_EQ(refused.Status, 1) << refused.Err;
        EXPECT_NE(refused.Err.find("このファイルは一部が壊れています。"), std::string::npos) << refused.Err;
        EXPECT_NE(refused.Err.find("--strict"), std::string::npos) << refused.Err;
        EXPECT_EQ(refused.Out, "");
        EXPECT_TRUE(c.Output.empty() || !std::filesystem::exists(c.Output));

        const CliResult warned = Cli(c.Args);
        EXPECT_EQ(warned.Status, 0) << warned.Err;
        EXPECT_NE(warned.Err.find("planova-cli: " + Damaged + ": このファイルは一部が壊れています。"),
                  std::string::npos)
            << warned.Err;
        EXPECT_TRUE(c.Output.empty() || std::filesystem::exists(c.Output));
    }
    // The undamaged file gives no warning, with or without --strict.
    for (const bool strict : {false, true}) {
        const CliResult whole = strict ? Cli({"dump", "--strict", File}) : Cli({"dump", File});
        EXPECT_EQ(whole.Status, 0);
        EXPECT_EQ(whole.Err, "");
    }
    // --strict is an option of the commands that read a data file only, and is given once.
    EXPECT_EQ(Cli({"sky", "--strict"}).Status, 2);
    EXPECT_EQ(Cli({"dump", File, "--strict", "--strict"}).Status, 2);
}

TEST_F(DamagedFileCommandTest, TheEmptyDocumentPrintsWithTheDefaultSettings)
{
    // The one-byte file is a new document: the settings it does not hold are the new document's.
    const std::string empty = Out("empty.dat");
    WriteBytes(empty, std::string(1, '\0'));
    const CliResult printed = Cli({"print", empty, "--type", "day", "--from", "2024-04-01", "--to",
                                   "2024-04-02", "-o", Out("day.pdf")});
    EXPECT_EQ(printed.Status, 0) << printed.Err;
    EXPECT_EQ(printed.Err.find("PrintType"), std::string::npos) << printed.Err;
    EXPECT_TRUE(std::filesystem::exists(Out("day.pdf")));
}

TEST_F(DamagedFileCommandTest, AFileWithoutReadPermissionIsAReadError)
{
    std::filesystem::permissions(File, std::filesystem::perms::none);
    std::filesystem::permissions(Folder.Path(), std::filesystem::perms::owner_all |
                                                    std::filesystem::perms::group_exec |
                                                    std::filesystem::perms::others_exec);
    // The super-user reads any file: the command then runs as nobody.
    const CliResult run = geteuid() == 0
                              ? RunProgram("/usr/bin/setpriv", {"--reuid=65534", "--regid=65534",
                                                                "--clear-groups", PLANOVA_CLI, "dump", File})
                              : Cli({"dump", File});
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_NE(run.Err.find("このファイルを読み込む権限がありません。"), std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.find("書き込む"), std::string::npos) << run.Err;
}
