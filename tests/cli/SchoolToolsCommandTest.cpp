// planova-cli count-hours and shift on real data files, read back with planova-cli dump.

#include "model/DataFile.h"
#include "support/CliRun.h"
#include "support/Cp932Literals.h"
#include "support/Dates.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace planova;
using namespace planova::test;

namespace {

/// Lessons of 数学 with contents 第1回 … on 8–12 April 2024 (row 1 each day, and row 5 on the 10th),
/// a 国語 lesson in row 2 of each day, and the stored class-hour settings.
CPlanovaDoc Lessons()
{
    CPlanovaDoc document;
    int lesson = 0;
    for (int day = 8; day <= 12; ++day) {
        document.UpdateDay(Date(2024, 4, day), [&](CDayData& stored) {
            stored.SetSchoolDayRows();
            for (int row : day == 10 ? std::vector{1, 5} : std::vector{1}) {
                stored.SetYotei(row, Sj("数学"));
                stored.SetNaiyou(row, Sj(("第" + std::to_string(++lesson) + "回").c_str()));
            }
            stored.SetYotei(2, Sj("国語"));
            stored.SetNaiyou(2, Sj("漢字"));
        });
    }
    document.Class[0] = Sj("数学");
    document.Offset[0] = 10;
    document.Class[1] = Sj("国語");
    document.HajimeYear = 2024;
    document.HajimeMonth = 4;
    document.HajimeDay = 9;
    document.OwariYear = 2024;
    document.OwariMonth = 4;
    document.OwariDay = 30;
    return document;
}

class SchoolToolsCommandTest : public ::testing::Test
{
protected:
    SchoolToolsCommandTest() { WriteBytes(File, WriteDataFile(Lessons())); }

    CliResult Cli(std::vector<std::string> args) const { return RunProgram(PLANOVA_CLI, args); }

    nlohmann::json Json(const std::vector<std::string>& args) const
    {
        const CliResult run = Cli(args);
        EXPECT_EQ(run.Status, 0) << run.Err;
        return nlohmann::json::parse(run.Out);
    }

    /// The contents of rows 1, 2 and 5 of 8–12 April, as planova-cli dump shows them.
    std::vector<std::string> Contents(const std::string& file) const
    {
        const nlohmann::json dump = Json({"dump", file});
        std::vector<std::string> contents;
        for (const nlohmann::json& day : dump["days"])
            for (int row : {1, 2, 5})
                contents.push_back(day["rows"][row]["naiyou"].get<std::string>());
        return contents;
    }

    TempDir Dir;
    const std::string File = Dir.File("lessons.dat");
    const std::string Out = Dir.File("shifted.dat");
};

} // namespace

TEST_F(SchoolToolsCommandTest, CountHoursOfTheDocumentsClassesAndPeriod)
{
    const nlohmann::json result = Json({"count-hours", File});
    EXPECT_EQ(result["from"], "2024-04-09");
    EXPECT_EQ(result["to"], "2024-04-30");
    ASSERT_EQ(result["classes"].size(), 10u);
    EXPECT_EQ(result["classes"][0],
              (nlohmann::json{{"name", "数学"}, {"offset", 10}, {"count", 5}, {"result", 15}}));
    EXPECT_EQ(result["classes"][1],
              (nlohmann::json{{"name", "国語"}, {"offset", 0}, {"count", 4}, {"result", 4}}));
    EXPECT_EQ(result["classes"][2],
              (nlohmann::json{{"name", ""}, {"offset", 0}, {"count", 0}, {"result", 0}}));
}

TEST_F(SchoolToolsCommandTest, CountHoursOfGivenClassesAndDates)
{
    const nlohmann::json result = Json({"count-hours", File, "--from", "2024-04-08", "--to", "2024-04-10",
                                        "--class", "数学=-2", "--class", "国", "--class", "a=b=3"});
    EXPECT_EQ(result["from"], "2024-04-08");
    EXPECT_EQ(result["to"], "2024-04-10");
    ASSERT_EQ(result["classes"].size(), 3u);
    EXPECT_EQ(result["classes"][0],
              (nlohmann::json{{"name", "数学"}, {"offset", -2}, {"count", 4}, {"result", 2}}));
    EXPECT_EQ(result["classes"][1]["count"], 0); // 国 is not 国語
    EXPECT_EQ(result["classes"][2]["name"], "a=b");
    EXPECT_EQ(result["classes"][2]["offset"], 3);
}

TEST_F(SchoolToolsCommandTest, ShiftMovesTheContentsAndIsReadBackByDump)
{
    const std::vector<std::string> before = Contents(File);
    ASSERT_EQ(before, (std::vector<std::string>{"第1回", "漢字", "", "第2回", "漢字", "", "第3回", "漢字",
                                                "第4回", "第5回", "漢字", "", "第6回", "漢字", ""}));
    struct Case
    {
        const char* Direction;
        std::vector<std::string> After;
        const char* Said;
    };
    const Case cases[] = {
        {"up",
         {"第2回", "漢字", "", "第3回", "漢字", "", "第4回", "漢字", "第5回", "第6回", "漢字", "", "", "漢字",
          ""},
         "の 6 コマの「内容」を繰り上げ（前倒し）しました"},
        {"down",
         {"", "漢字", "", "第1回", "漢字", "", "第2回", "漢字", "第3回", "第4回", "漢字", "", "第5回", "漢字",
          ""},
         "の 6 コマの「内容」を繰り下げ（先送り）しました"},
    };
    for (const Case& c : cases) {
        const CliResult run = Cli({"shift", File, "--class", "数学", "--from", "2024-04-08", "--to",
                                   "2024-04-12", "--direction", c.Direction, "-o", Out});
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_NE(run.Out.find(c.Said), std::string::npos) << run.Out;
        EXPECT_EQ(Contents(Out), c.After) << c.Direction;
    }
    EXPECT_EQ(Contents(File), before);
}

TEST_F(SchoolToolsCommandTest, RefusedRequestsWriteNothing)
{
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const std::vector<std::string> shift{"shift", File, "-o", Out, "--direction", "up"};
    const auto with = [](std::vector<std::string> args, const std::vector<std::string>& more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const Case cases[] = {
        {with(shift, {"--class", "数学", "--from", "2024-04-12", "--to", "2024-04-08"}), 1,
         "開始日（2024年4月12日）が終了日（2024年4月8日）より後になっています。"},
        {with(shift, {"--class", "", "--from", "2024-04-08", "--to", "2024-04-12"}), 1,
         "学級名を入力してください。"},
        {with(shift, {"--class", "数学", "--from", "2024-04-08"}), 2, "必ず指定してください"},
        {with(shift, {"--class", "数学", "--from", "2024-04-08", "--to", "2024-04-12", "--direction", "up"}),
         2, "--direction が2回指定されています。"},
        {{"shift", File, "-o", Out, "--direction", "left", "--class", "数学", "--from", "2024-04-08", "--to",
          "2024-04-12"},
         1,
         "up か down"},
        {{"count-hours", File, "--from", "2024-04-12", "--to", "2024-04-08"}, 1, "より後になっています"},
        {{"count-hours", File, "--class", "数学=x"}, 1, "整数を入力してください。"},
        {{"count-hours", File, "--class", "=3"}, 1, "学級名を入力してください。"},
        {{"count-hours", File, "--from", "2024-02-30"}, 1, "2024-02-30"},
        {{"count-hours", Dir.File("missing.dat")}, 1, "missing.dat"},
        {{"count-hours"}, 2, "データファイルを指定してください。"},
        {{"count-hours", File, "--week"}, 2, "不明なオプションです: --week"},
    };
    for (const Case& c : cases) {
        const CliResult run = Cli(c.Args);
        EXPECT_EQ(run.Status, c.Status) << c.Message << "\n" << run.Err;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(Out)) << c.Message;
    }
}

TEST_F(SchoolToolsCommandTest, StoredPeriodThatIsNoDateNeedsDates)
{
    CPlanovaDoc document = Lessons();
    document.OwariMonth = 13;
    WriteBytes(File, WriteDataFile(document));
    const CliResult run = Cli({"count-hours", File});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("--from と --to を指定してください。"), std::string::npos) << run.Err;
    EXPECT_EQ(Json({"count-hours", File, "--to", "2024-04-10"})["classes"][0]["count"], 3);
}
