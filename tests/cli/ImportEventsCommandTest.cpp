#include "model/Cp932Codec.h"
#include "model/DataFile.h"
#include "support/CalendarTestDays.h"
#include "support/CliRun.h"
#include "support/Dates.h"
#include "support/RadicaleServer.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <map>

using namespace planova;
using namespace planova::test;

namespace {

const std::string SchoolEvents = std::string(PLANOVA_TEST_DATA_DIR) + "/school-events.ics";

CliResult ImportEvents(const std::vector<std::string>& args)
{
    std::vector<std::string> all{"import-events"};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(PLANOVA_CLI, all);
}

/// The event text of every stored day, in UTF-8.
std::map<double, std::string> EventTexts(const CPlanovaDoc& document)
{
    std::map<double, std::string> texts;
    for (const CDayData& day : document.DayList())
        texts[day.GetDate().DayNumber()] = Cp932ToUtf8(day.GetGyouji());
    return texts;
}

} // namespace

TEST(ImportEventsCommandTest, AppendsEachEventOnceAndKeepsWhatWasTyped)
{
    TempDir dir;
    const CPlanovaDoc original = SchoolYearDocument(2024);
    const std::string file = dir.File("year.dat");
    WriteBytes(file, WriteDataFile(original));
    const std::string out = dir.File("out.dat");
    const CliResult run = ImportEvents({file, "--ics", SchoolEvents, "--to", "2025-03-31", "-o", out});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");

    std::map<double, std::string> expected = EventTexts(original);
    struct Case
    {
        DateTime Date;
        const char* Event; // UTF-8, after the import
        const char* Why;
    };
    const Case cases[] = {
        {Date(2024, 6, 12), "避難訓練", "the typed event is the calendar's: nothing added"},
        {Date(2024, 6, 13), "PTA総会\r\n10:00 学年会", "all-day first, then timed (TZID with its VTIMEZONE)"},
        {Date(2024, 6, 14), "08:00 朝礼\r\n15:30 職員会議",
         "floating 08:00 as written; 06:30Z is 15:30 in Japan"},
        {Date(2024, 7, 1), "01:00 天体観測", "16:00Z on 30 June is 1 July in Japan"},
        {Date(2024, 7, 22), "夏季休業日\r\n林間学校", "typed text kept, the event appended"},
        {Date(2024, 7, 23), "夏季休業日\r\n林間学校", "an all-day event on every day it covers"},
        {Date(2024, 7, 24), "夏季休業日\r\n林間学校", "DTEND 25 July is the first day after it"},
        {Date(2024, 9, 2), "始業式\r\n全校朝会", "a weekly event on its first day"},
        {Date(2024, 9, 16), "敬老の日\r\n全校朝会", "… and on its third (the second is excluded)"},
        {Date(2024, 12, 20), "クリスマス会🎉",
         "a character code page 932 lacks is kept (stored as its escape)"},
    };
    for (const Case& c : cases)
        expected[c.Date.DayNumber()] = c.Event;
    // Left alone: 9 September (EXDATE), 15 June (cancelled), 1 May 2025 (outside the range), the to-do.
    const CPlanovaDoc imported = ReadDataFile(ReadBytes(out));
    EXPECT_EQ(EventTexts(imported), expected);
    EXPECT_EQ(run.Out.substr(run.Out.rfind('\n', run.Out.size() - 2) + 1),
              "9 日の行事に取り込みました: " + out + "\n");
    EXPECT_NE(run.Out.find("2024年6月14日: + 15:30 職員会議\n"), std::string::npos) << run.Out;

    // Importing again adds nothing and writes the same file.
    const std::string again = dir.File("again.dat");
    const CliResult second = ImportEvents({out, "--ics", SchoolEvents, "--to", "2025-03-31", "-o", again});
    ASSERT_EQ(second.Status, 0) << second.Err;
    EXPECT_EQ(second.Out, "0 日の行事に取り込みました: " + again + "\n");
    EXPECT_EQ(second.Err, "");
    EXPECT_EQ(ReadBytes(again), ReadBytes(out));
}

TEST(ImportEventsCommandTest, BringsInWhatACalendarServerHolds)
{
    RadicaleServer server;
    if (!server.Failure().empty())
        GTEST_SKIP() << server.Failure();
    TempDir dir;
    // The school's calendar: June of a school year, published.
    const std::string school = dir.File("school.dat");
    WriteBytes(school, WriteDataFile(SchoolYearDocument(2024)));
    const std::vector<std::string> account{"--caldav",  server.Collection(), "--user",
                                           server.User, "--password-file",   server.PasswordFile()};
    std::vector<std::string> publish{"publish", school, "--from", "2024-06-01", "--to", "2024-06-30"};
    publish.insert(publish.end(), account.begin(), account.end());
    ASSERT_EQ(RunProgram(PLANOVA_CLI, publish).Status, 0);

    // A teacher's planner with one typed event.
    CPlanovaDoc mine;
    StoreKindAndEvent(mine, Date(2024, 6, 4), "", "引率");
    const std::string file = dir.File("mine.dat");
    WriteBytes(file, WriteDataFile(mine));
    std::vector<std::string> args{file,         "--from", "2024-06-01",       "--to",
                                  "2024-06-10", "-o",     dir.File("out.dat")};
    args.insert(args.end(), account.begin(), account.end());
    const CliResult run = ImportEvents(args);
    ASSERT_EQ(run.Status, 0) << run.Err;

    // 4–6 June 修学旅行 (the first day's text is longer), 8 June a Saturday club match.
    const std::map<double, std::string> expected{
        {Date(2024, 6, 4).DayNumber(), "引率\r\n修学旅行（京都・奈良）"},
        {Date(2024, 6, 5).DayNumber(), "修学旅行"},
        {Date(2024, 6, 6).DayNumber(), "修学旅行"},
        {Date(2024, 6, 8).DayNumber(), "部活動 練習試合"},
    };
    EXPECT_EQ(EventTexts(ReadDataFile(ReadBytes(dir.File("out.dat")))), expected);
}

TEST(ImportEventsCommandTest, RefusesWhatCannotBeUsed)
{
    TempDir dir;
    const std::string file = dir.File("year.dat");
    WriteBytes(file, WriteDataFile(SchoolYearDocument(2024)));
    const std::string notCalendar = dir.File("note.ics");
    WriteBytes(notCalendar, "これは予定表ではありません\n");
    const std::string out = dir.File("out.dat");
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const Case cases[] = {
        {{file, "-o", out}, 2, "--ics FILE か --caldav URL"},
        {{file, "--ics", SchoolEvents}, 2, "-o OUT.dat"},
        {{file, "--ics", SchoolEvents, "--caldav", "http://127.0.0.1:9/", "-o", out},
         2,
         "同時に指定できません"},
        {{file, "--ics", SchoolEvents, "--user", "t", "--password-file", file, "-o", out},
         2,
         "--caldav と一緒に"},
        {{file, "--ics", SchoolEvents, "-o", file}, 1, file.c_str()},
        {{file, "--ics", notCalendar, "-o", out}, 1, "iCalendar の予定として読めませんでした"},
        {{file, "--ics", dir.File("none.ics"), "-o", out}, 1, "none.ics"},
        {{file, "--caldav", "http://127.0.0.1:9/cal/", "-o", out}, 1, "接続できませんでした"},
        {{file, "--ics", SchoolEvents, "--from", "2024-07-01", "--to", "2024-06-01", "-o", out}, 1, ""},
    };
    const std::string bytes = ReadBytes(file);
    for (const Case& c : cases) {
        const CliResult run = ImportEvents(c.Args);
        EXPECT_EQ(run.Status, c.Status) << c.Args.back() << ": " << run.Err;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(ReadBytes(out), "") << run.Err;
    }
    EXPECT_EQ(ReadBytes(file), bytes);
}
