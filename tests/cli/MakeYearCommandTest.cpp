#include "model/DataFile.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

using RunResult = CliResult;

/// Runs "planova-cli make-year" with the arguments, collecting what it printed.
RunResult MakeYear(const TempDir&, const std::vector<std::string>& args)
{
    std::vector<std::string> all{"make-year"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(PLANOVA_CLI, all);
}

CPlanovaDoc ReadBack(const std::string& path)
{
    return ReadDataFile(ReadBytes(path));
}

using KindEvent = std::pair<std::string, std::string>;

const std::vector<std::string> SchoolYear2024{"--from", "2024-04-01", "--to", "2025-03-31"};

std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

TEST(MakeYearCommandTest, NewDocumentGetsTheWholeSchoolYear)
{
    struct Case
    {
        std::vector<std::string> Options;
        std::vector<std::pair<DateTime, KindEvent>> Days;
    };
    const Case cases[] = {
        {{},
         {{Date(2024, 4, 1), {"", ""}}, // spring vacation
          {Date(2024, 4, 8), {"50分時程", ""}},
          {Date(2024, 9, 23), {"休日", "振替休日"}},
          {Date(2024, 10, 1), {"休日", "都民の日"}},
          {Date(2024, 12, 23), {"50分時程", ""}},
          {Date(2025, 2, 24), {"休日", "振替休日"}}}},
        {{"--holidays", "classic", "--no-tomin", "--no-autumn"},
         {{Date(2024, 9, 23), {"休日", "秋分の日"}},
          {Date(2024, 10, 1), {"50分時程", ""}},
          {Date(2024, 12, 23), {"休日", "天皇誕生日"}},
          {Date(2025, 2, 24), {"50分時程", ""}}}},
        {{"--local-holidays", "saitama", "--no-autumn"},
         {{Date(2024, 10, 1), {"50分時程", ""}}, {Date(2024, 11, 14), {"休日", "県民の日"}}}},
        {{"--local-holiday", "05-01:開校記念日", "--local-holiday", "11-14:学校閉庁日"},
         {{Date(2024, 5, 1), {"休日", "開校記念日"}},
          {Date(2024, 10, 1), {"", ""}}, // the autumn vacation, no 都民の日
          {Date(2024, 11, 14), {"休日", "学校閉庁日"}}}},
        {{"--no-tomin", "--no-autumn"}, {{Date(2024, 10, 1), {"50分時程", ""}}}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const RunResult run =
            MakeYear(dir, Join(Join({"-", "-o", dir.File("year.dat")}, SchoolYear2024), c.Options));
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_NE(run.Out.find("365 日"), std::string::npos) << run.Out;
        const CPlanovaDoc document = ReadBack(dir.File("year.dat"));
        EXPECT_EQ(document.DayList().size(), 365u);
        for (const auto& [date, expected] : c.Days)
            EXPECT_EQ(KindAndEvent(document, date), expected)
                << c.Options.size() << " options, " << date.Day();
    }
}

TEST(MakeYearCommandTest, VacationAndFoundationOptions)
{
    TempDir dir;
    const RunResult run =
        MakeYear(dir, Join({"-", "-o", dir.File("year.dat"), "--no-spring", "--summer", "07-25:08-25",
                            "--winter", "12-21:01-10", "--foundation", "06-05"},
                           SchoolYear2024));
    ASSERT_EQ(run.Status, 0) << run.Err;
    const CPlanovaDoc document = ReadBack(dir.File("year.dat"));
    const KindEvent school{"50分時程", ""};
    const KindEvent vacation{"", ""};
    const std::pair<DateTime, KindEvent> days[] = {
        {Date(2024, 4, 1), school},
        {Date(2024, 7, 24), school},
        {Date(2024, 7, 25), vacation},
        {Date(2024, 8, 26), school},
        {Date(2024, 12, 20), school},
        {Date(2024, 12, 23), vacation},
        {Date(2025, 1, 8), vacation},
        {Date(2025, 1, 14), school},
        {Date(2024, 6, 5), {"休日", "開校記念日"}},
    };
    for (const auto& [date, expected] : days)
        EXPECT_EQ(KindAndEvent(document, date), expected) << date.Month() << "/" << date.Day();
}

TEST(MakeYearCommandTest, TimetableModeComesFromTheDocumentUnlessGiven)
{
    struct Case
    {
        bool JUwagaki;
        const char* Option;
        const char* FirstLesson;
    };
    for (const Case& c : {Case{true, nullptr, "数学"}, Case{false, nullptr, "国語数学"},
                          Case{true, "--append", "国語数学"}, Case{false, "--overwrite", "数学"}}) {
        TempDir dir;
        CPlanovaDoc input;
        input.JUwagaki = c.JUwagaki;
        input.Jikannwari[0] = Sj("数学"); // Monday ①
        CToDo item;
        item.SetKennmei(Sj("通知表"));
        input.AppendToDo(item);
        input.UpdateDay(Date(2024, 4, 8), [&](CDayData& day) {
            day.SetSchoolDayRows();
            day.SetYotei(1, Sj("国語"));
        });
        const std::string file = dir.File("planner.dat");
        WriteBytes(file, WriteDataFile(input));

        // The input file is also the output: it is updated in place.
        std::vector<std::string> args{file, "-o", file, "--from", "2024-04-08", "--to", "2024-04-12"};
        if (c.Option != nullptr)
            args.push_back(c.Option);
        const RunResult run = MakeYear(dir, args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        const CPlanovaDoc document = ReadBack(file);
        EXPECT_EQ(Cp932ToUtf8(StoredDay(document, Date(2024, 4, 8))->GetYotei(1)), c.FirstLesson);
        EXPECT_EQ(document.DayList().size(), 5u);
        ASSERT_EQ(document.ToDoList().size(), 1u);
        EXPECT_EQ(document.ToDoList()[0].GetKennmei(), Sj("通知表"));
        EXPECT_EQ(document.JUwagaki, c.JUwagaki); // the command line does not change the setting
    }
}

TEST(MakeYearCommandTest, RefusedRunsLeaveTheOutputAlone)
{
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const std::string range = "2024-04-01";
    const Case cases[] = {
        {{"--from", "2024-04-02", "--to", "2024-04-01"},
         1,
         "作成期間の開始日（2024年4月2日）が終了日（2024年4月1日）より後になっています。"},
        {{"--from", range, "--to", range, "--spring", "04-05:03-26"},
         1,
         "春季休業日の最初の日（4月5日）が最後の日（3月26日）より後になっています。"},
        {{"--from", "2024-02-30", "--to", range}, 1, "--from の日付 \"2024-02-30\" が正しくありません"},
        {{"--from", range, "--to", range, "--summer", "7-21:8-31"},
         1,
         "--summer の期間 \"7-21:8-31\" が正しくありません"},
        {{"--from", range, "--to", range, "--foundation", "02-30"},
         1,
         "開校記念日（2月30日）は存在しない日付です。"},
        {{"--from", range, "--to", range, "--holidays", "new"},
         1,
         "--holidays には current か classic を指定してください"},
        {{"--from", range, "--to", range, "--local-holidays", "osaka"},
         1,
         "--local-holidays には none, ibaraki, gunma, saitama, chiba, tokyo, yokohama, kawasaki, yamanashi "
         "のどれかを指定してください (\"osaka\")。"},
        {{"--from", range, "--to", range, "--local-holiday", "5-1:開校記念日"},
         1,
         "--local-holiday の値 \"5-1:開校記念日\" が正しくありません (MM-DD:名前)。"},
        {{"--from", range, "--to", range, "--local-holiday", "05-01:"},
         1,
         "--local-holiday の値 \"05-01:\" が正しくありません (MM-DD:名前)。"},
        {{"--from", range, "--to", range, "--local-holiday", "02-30:運動会"},
         1,
         "地域の休日の日付（2月30日）は存在しない日付です。"},
        {{"--from", range, "--to", range, "--local-holiday", "05-01:開校記念日", "--local-holiday",
          "05-01:運動会"},
         1,
         "地域の休日に同じ日付（5月1日）が2回あります（開校記念日、運動会）。"},
        {{"--from", range, "--to", range, "--no-tomin", "--local-holidays", "tokyo"},
         2,
         "--local-holidays は --no-tomin と同時に指定できません。"},
        {{"--from", range, "--to", range, "--local-holidays", "saitama", "--local-holiday",
          "05-01:開校記念日"},
         2,
         "--local-holiday は --local-holidays と同時に指定できません。"},
        {{"--from", range, "--to", range, "--local-holiday", "05-01:a", "--local-holiday", "06-01:b",
          "--no-tomin"},
         2,
         "--no-tomin は --local-holiday と同時に指定できません。"},
        {{"--from", range, "--to", range, "--bogus"}, 2, "不明なオプションです: --bogus"},
        {{"--from", range, "--to", range, "--overwrite", "--append"},
         2,
         "--append は --overwrite と同時に指定できません。"},
        {{"--from", range}, 2, "--from と --to は必ず指定してください"},
        {{"--from", range, "--to"}, 2, "--to には値が必要です。"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string output = dir.File("out.dat");
        WriteBytes(output, "previous");
        const RunResult run = MakeYear(dir, Join({"-", "-o", output}, c.Args));
        EXPECT_EQ(run.Status, c.Status) << c.Message;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(ReadBytes(output), "previous") << c.Message;
    }
}

TEST(MakeYearCommandTest, UnreadableInputIsReported)
{
    TempDir dir;
    WriteBytes(dir.File("broken.dat"), "\x40<Planova>"); // announces 64 bytes, holds 9
    for (const char* input : {"missing.dat", "broken.dat"}) {
        const RunResult run = MakeYear(
            dir, {dir.File(input), "-o", dir.File("out.dat"), "--from", "2024-04-01", "--to", "2024-04-01"});
        EXPECT_EQ(run.Status, 1) << input;
        EXPECT_NE(run.Err.find("ファイルを開けませんでした。"), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.dat"))) << input;
    }
}
