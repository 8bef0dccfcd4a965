// Commands under an address-space limit (prlimit --as): a large file that needs more memory than
// the limit allows is refused with a message and status 1, and nothing is written. The sanitizer
// build cannot run under such a limit (its shadow memory alone is larger), so there the cases are
// skipped; they run in a build without sanitizers: ctest -L memory-limit.

#include "model/DataFile.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace planova;
using namespace planova::test;

namespace {

/// Whether planova-cli is built with AddressSanitizer (this test's own code is not instrumented).
constexpr bool Sanitized = PLANOVA_CLI_SANITIZED;

// The limit: room for the program and its libraries, not for a large document several times over.
constexpr const char* AddressSpaceLimit = "--as=402653184"; // 384 MB

/// A document of one day whose memo is 120 MB: reading it, turning it into JSON or iCalendar and
/// keeping the text takes several times that.
std::string LargeDataFile()
{
    CPlanovaDoc document;
    CDayData day;
    day.SetDate(2024, 4, 8);
    day.SetGyouji("event");
    day.SetMemo(std::string(std::size_t{120} << 20, 'm'));
    document.AppendDayUnsorted(std::move(day));
    return WriteDataFile(document);
}

struct LimitCase
{
    const char* Name;
    std::vector<std::string> Args; ///< "@name": the file in the test's folder
    std::string Output;            ///< must not appear; empty for standard output
};

class MemoryLimitCommandTest : public ::testing::TestWithParam<LimitCase>
{
protected:
    static void SetUpTestSuite()
    {
        if (Sanitized)
            return;
        Dir = std::make_unique<TempDir>();
        WriteBytes(Dir->File("large.dat"), LargeDataFile());
        WriteBytes(Dir->File("large.json"), R"({"days": [{"date": "2024-04-08", "memo": ")" +
                                                std::string(std::size_t{120} << 20, 'm') + R"("}]})");
    }
    static void TearDownTestSuite() { Dir.reset(); }

    static std::unique_ptr<TempDir> Dir;
};

std::unique_ptr<TempDir> MemoryLimitCommandTest::Dir;

const LimitCase Cases[] = {
    {"Dump", {"dump", "@large.dat"}, ""},
    {"Import", {"import", "@large.json", "-o", "@out.dat"}, "@out.dat"},
    {"ExportIcs", {"export", "@large.dat", "--ics", "-o", "@out.ics"}, "@out.ics"},
};

void PrintTo(const LimitCase& c, std::ostream* out)
{
    *out << c.Name;
}

} // namespace

TEST_P(MemoryLimitCommandTest, RunningOutOfMemoryIsAMessage)
{
    if (Sanitized)
        GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit; run ctest -L memory-limit "
                        "in a build without PLANOVA_SANITIZE";
    const LimitCase& c = GetParam();
    const auto path = [&](const std::string& arg) {
        return arg.starts_with('@') ? Dir->File(arg.substr(1)) : arg;
    };
    std::vector<std::string> args{AddressSpaceLimit, PLANOVA_CLI};
    for (const std::string& arg : c.Args)
        args.push_back(path(arg));

    // The limit leaves the program room to run: a small command works under it.
    const CliResult help = RunProgram("/usr/bin/prlimit", {AddressSpaceLimit, PLANOVA_CLI, "--help"});
    ASSERT_EQ(help.Status, 0) << help.Err;

    const CliResult run = RunProgram("/usr/bin/prlimit", args);
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_NE(run.Err.find("メモリが足りないため"), std::string::npos) << run.Err;
    EXPECT_TRUE(run.Out.empty()) << run.Out.size() << " bytes on standard output";
    if (!c.Output.empty()) {
        EXPECT_FALSE(std::filesystem::exists(path(c.Output)));
    }
}

INSTANTIATE_TEST_SUITE_P(EachCommand, MemoryLimitCommandTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<LimitCase>& info) { return info.param.Name; });
