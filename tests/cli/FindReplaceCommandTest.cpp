#include "model/DataFile.h"
#include "support/CliRun.h"
#include "support/Cp932Literals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

CliResult Cli(const std::vector<std::string>& args)
{
    return RunProgram(PLANOVA_CLI, args);
}

/// Two school days with 国語 in a plan on two lines, a content and a memo, a day without it, and a
/// day (`Folded`) with ｶﾞｯｺｳ in the plan of row 1 (field 4), ガッコウ in its content (field 5) and
/// SCHOOL in the memo (field 33).
class FindReplaceCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CPlanovaDoc document;
        document.UpdateDay(DateTime::FromDate(2014, 4, 8), [&](CDayData& day) {
            day.SetYotei(0, Sj("国語\r\n国語"));
            day.SetNaiyou(3, Sj("１年国語"));
        });
        document.UpdateDay(DateTime::FromDate(2014, 4, 9),
                           [&](CDayData& day) { day.SetYotei(1, Sj("数学")); });
        document.UpdateDay(DateTime::FromDate(2014, 4, 10),
                           [&](CDayData& day) { day.SetMemo(Sj("職員会議\r\n国語科会")); });
        document.UpdateDay(Folded, [&](CDayData& day) {
            day.SetYotei(0, Sj("ｶﾞｯｺｳ"));
            day.SetNaiyou(0, Sj("ガッコウ"));
            day.SetMemo("SCHOOL");
        });
        CToDo item;
        item.SetKennmei(Sj("国語の採点"));
        item.SetMemo(Sj("２組\r\n国語"));
        document.AppendToDo(item);
        WriteBytes(File, WriteDataFile(document));
    }

    nlohmann::json Find(const std::vector<std::string>& options)
    {
        std::vector<std::string> args{"find", File};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult result = Cli(args);
        EXPECT_EQ(result.Status, 0) << result.Err;
        return nlohmann::json::parse(result.Out);
    }

    TempDir Dir;
    std::string File = Dir.File("2014.dat");
    static inline const DateTime Folded = DateTime::FromDate(2014, 4, 11);
};

} // namespace

TEST_F(FindReplaceCommandTest, FindPrintsEveryHitInTheOrderOfRepeatedSearches)
{
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"date": "2014-04-08", "field": 4, "line": 0, "column": 0},
        {"date": "2014-04-08", "field": 14, "line": 0, "column": 4},
        {"date": "2014-04-10", "field": 33, "line": 1, "column": 0}])");
    EXPECT_EQ(Find({"--text", "国語", "--from-start"}), expected);
    EXPECT_EQ(Find({"--text", "国語", "--from", "2014-04-01"}), expected);
    EXPECT_EQ(Find({"--text", "国語", "--from", "2014-04-09"}), nlohmann::json::parse(R"([
        {"date": "2014-04-10", "field": 33, "line": 1, "column": 0}])"));
    EXPECT_EQ(Find({"--text", "国語", "--from", "2014-04-11"}), nlohmann::json::array());
    EXPECT_EQ(Find({"--text", "ｺｸｺﾞ", "--from-start"}), nlohmann::json::array());
}

TEST_F(FindReplaceCommandTest, FindWalksBackwardAndIntoTheToDoItemsOnRequest)
{
    const nlohmann::json forward = Find({"--text", "国語", "--from", "2014-04-09", "--todos"});
    EXPECT_EQ(forward, nlohmann::json::parse(R"([
        {"date": "2014-04-10", "field": 33, "line": 1, "column": 0},
        {"todo": 0, "field": 1, "line": 0, "column": 0},
        {"todo": 0, "field": 2, "line": 1, "column": 0}])"));
    // Backward from a day leaves the items (which follow the days) alone; from the start it begins with them.
    EXPECT_EQ(Find({"--text", "国語", "--from", "2014-04-09", "--backward", "--todos"}),
              nlohmann::json::parse(R"([
        {"date": "2014-04-08", "field": 14, "line": 0, "column": 4},
        {"date": "2014-04-08", "field": 4, "line": 0, "column": 0}])"));
    EXPECT_EQ(Find({"--text", "国語", "--from-start", "--backward", "--todos"}), nlohmann::json::parse(R"([
        {"todo": 0, "field": 2, "line": 1, "column": 0},
        {"todo": 0, "field": 1, "line": 0, "column": 0},
        {"date": "2014-04-10", "field": 33, "line": 1, "column": 0},
        {"date": "2014-04-08", "field": 14, "line": 0, "column": 4},
        {"date": "2014-04-08", "field": 4, "line": 0, "column": 0}])"));

    const std::string out = Dir.File("out.dat");
    const CliResult replaced =
        Cli({"replace", File, "--text", "国語", "--with", "現代文", "--todos", "-o", out});
    ASSERT_EQ(replaced.Status, 0) << replaced.Err;
    const CPlanovaDoc document = ReadDataFile(ReadBytes(out));
    EXPECT_EQ(document.ToDo(0).GetKennmei(), Sj("現代文の採点"));
    EXPECT_EQ(document.ToDo(0).GetMemo(), Sj("２組\r\n現代文"));
}

TEST_F(FindReplaceCommandTest, FindFoldsWidthKanaAndCaseAsAsked)
{
    struct Case
    {
        std::vector<std::string> Options;
        std::vector<int> Fields; ///< the fields found on the folded day, in order
    };
    const Case cases[] = {
        {{"--text", "がっこう"}, {}},
        {{"--text", "がっこう", "--ignore-kana"}, {5}},
        {{"--text", "がっこう", "--ignore-kana", "--ignore-width"}, {4, 5}},
        {{"--text", "ｶﾞｯｺｳ", "--ignore-width"}, {4, 5}},
        {{"--text", "school"}, {}},
        {{"--text", "school", "--ignore-case"}, {33}},
        {{"--text", "ｓｃｈｏｏｌ", "--ignore-case"}, {}},
        {{"--text", "ｓｃｈｏｏｌ", "--ignore-case", "--ignore-width"}, {33}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> options = c.Options;
        options.push_back("--from-start");
        std::vector<int> fields;
        for (const nlohmann::json& hit : Find(options))
            fields.push_back(hit["field"].get<int>());
        EXPECT_EQ(fields, c.Fields) << nlohmann::json(c.Options).dump();
    }
}

TEST_F(FindReplaceCommandTest, ReplaceFollowsTheSameFolding)
{
    const std::string out = Dir.File("out.dat");
    const CliResult result = Cli({"replace", File, "--text", "がっこう", "--with", "学校", "--ignore-kana",
                                  "--ignore-width", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const CDayData day = ReadDataFile(ReadBytes(out)).Day(Folded);
    EXPECT_EQ(day.GetYotei(0), Sj("学校"));
    EXPECT_EQ(day.GetNaiyou(0), Sj("学校"));
    EXPECT_EQ(day.GetMemo(), "SCHOOL");
}

TEST_F(FindReplaceCommandTest, ReplaceDoesReplaceAllAndWritesTheOutput)
{
    const std::string out = Dir.File("out.dat");
    const CliResult result = Cli({"replace", File, "--text", "国語", "--with", "現代文", "-o", out});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const CPlanovaDoc document = ReadDataFile(ReadBytes(out));
    const CDayData* first = document.FindStoredDay(DateTime::FromDate(2014, 4, 8));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetYotei(0), Sj("現代文\r\n国語")); // one replacement per field
    EXPECT_EQ(first->GetNaiyou(3), Sj("１年現代文"));
    EXPECT_EQ(document.FindStoredDay(DateTime::FromDate(2014, 4, 10))->GetMemo(),
              Sj("職員会議\r\n現代文科会"));
    EXPECT_EQ(document.FindStoredDay(DateTime::FromDate(2014, 4, 9))->GetYotei(1), Sj("数学"));
}

TEST_F(FindReplaceCommandTest, BadInputAndUsageAreRefusedWithoutWriting)
{
    const std::string out = Dir.File("out.dat");
    WriteBytes(out, "before");
    struct Case
    {
        const char* Name;
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const Case cases[] = {
        {"empty search text for replace",
         {"replace", File, "--text", "", "--with", "x", "-o", out},
         1,
         "検索文字列"},
        {"a date that does not exist", {"find", File, "--text", "a", "--from", "2014-02-30"}, 1, "--from"},
        {"a missing file", {"find", Dir.File("none.dat"), "--text", "a"}, 1, "none.dat"},
        {"--from with --from-start",
         {"find", File, "--text", "a", "--from", "2014-04-01", "--from-start"},
         2,
         "--from-start"},
        {"no text", {"find", File}, 2, "--text"},
        {"replace without -o", {"replace", File, "--text", "a", "--with", "b"}, 2, "-o"},
        {"find takes no -o", {"find", File, "--text", "a", "-o", out}, 2, "-o"},
        {"replace does not walk backward",
         {"replace", File, "--text", "a", "--with", "b", "--backward", "-o", out},
         2,
         "--backward"},
        {"a folding option twice",
         {"find", File, "--text", "a", "--ignore-case", "--ignore-case"},
         2,
         "--ignore-case"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const CliResult result = Cli(c.Args);
        EXPECT_EQ(result.Status, c.Status);
        EXPECT_NE(result.Err.find(c.Message), std::string::npos) << result.Err;
        EXPECT_EQ(result.Out, "");
    }
    EXPECT_EQ(ReadBytes(out), "before");
}
