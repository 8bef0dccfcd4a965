#include "export/ICalendarExport.h"
#include "model/Cp932Codec.h"
#include "model/DataFile.h"
#include "support/CliRun.h"
#include "support/Dates.h"
#include "support/RadicaleServer.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <map>
#include <set>
#include <thread>

using namespace planova;
using namespace planova::test;

namespace {

/// A school year as a data file, a Radicale server, and planova-cli publish between them.
class CalDavPublishTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Server.Failure().empty())
            GTEST_SKIP() << Server.Failure();
        Save(SchoolYearDocument(2024));
    }

    void Save(const CPlanovaDoc& document) const { WriteBytes(File, WriteDataFile(document)); }

    CliResult Publish(const std::vector<std::string>& more = {}) const
    {
        std::vector<std::string> args{"publish", File,        "--caldav",        Server.Collection(),
                                      "--user",  Server.User, "--password-file", Server.PasswordFile()};
        args.insert(args.end(), more.begin(), more.end());
        return RunProgram(PLANOVA_CLI, args);
    }

    /// The collection's entries by UID, read by the independent client.
    nlohmann::json ServerEntries() const
    {
        return nlohmann::json::parse(
            RadicaleServer::Tool({"list", Server.Collection(), Server.User, Server.Password}));
    }

    /// The ETag of every resource by its path.
    std::map<std::string, std::string> ETags() const
    {
        return nlohmann::json::parse(
                   RadicaleServer::Tool({"etags", Server.Collection(), Server.User, Server.Password}))
            .get<std::map<std::string, std::string>>();
    }

    /// The entries the iCalendar export of the document gives, read by the same client.
    nlohmann::json ExportedEntries(const CPlanovaDoc& document, const ExportRange& range = {}) const
    {
        const std::string ics = Dir.File("export.ics");
        WriteBytes(ics, ICalendarText(document, range, Date(2024, 1, 1)));
        return nlohmann::json::parse(RadicaleServer::Tool({"describe", ics}));
    }

    /// Puts a calendar another program made into the collection.
    void PutForeign(const std::string& name, const std::string& uid) const
    {
        const std::string file = Dir.File(name);
        WriteBytes(
            file, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
                      "\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240612\r\nSUMMARY:PTA meeting\r\n"
                      "END:VEVENT\r\nEND:VCALENDAR\r\n");
        int status = 0;
        RadicaleServer::Tool({"put", Server.Collection() + name, Server.User, Server.Password, file},
                             &status);
        ASSERT_EQ(status, 0);
    }

    int Writes() const { return Server.Requests("PUT") + Server.Requests("DELETE"); }

    RadicaleServer Server;
    TempDir Dir;
    std::string File = Dir.File("year.dat");
};

/// The UIDs of a JSON object's keys.
std::set<std::string> Uids(const nlohmann::json& entries)
{
    std::set<std::string> uids;
    for (const auto& [uid, entry] : entries.items())
        uids.insert(uid);
    return uids;
}

} // namespace

TEST_F(CalDavPublishTest, PublishesEveryEntryOnceAndLeavesOthersAlone)
{
    PutForeign("other.ics", "pta-2024@other.example");
    const CliResult first = Publish();
    ASSERT_EQ(first.Status, 0) << first.Err;

    // The server holds exactly what the export file holds, entry by entry, and the foreign event.
    nlohmann::json expected = ExportedEntries(SchoolYearDocument(2024));
    ASSERT_GT(expected.size(), 100u);
    expected["pta-2024@other.example"] = {
        {"DTSTART", "2024-06-12"}, {"KIND", "VEVENT"}, {"SUMMARY", "PTA meeting"}};
    EXPECT_EQ(ServerEntries(), expected);
    EXPECT_EQ(Server.Requests("PUT"),
              static_cast<int>(expected.size())); // one PUT per entry, foreign included
    EXPECT_EQ(first.Out, "公開しました: 新規 " + std::to_string(expected.size() - 1) +
                             " 件、更新 0 件、削除 0 件、変更なし 0 件\n");

    // Nothing changed: nothing is written.
    const int writes = Writes();
    const CliResult second = Publish();
    ASSERT_EQ(second.Status, 0) << second.Err;
    EXPECT_EQ(Writes(), writes);
    EXPECT_EQ(second.Out, "公開しました: 新規 0 件、更新 0 件、削除 0 件、変更なし " +
                              std::to_string(expected.size() - 1) + " 件\n");
}

TEST_F(CalDavPublishTest, RepublishChangesExactlyWhatChanged)
{
    ASSERT_EQ(Publish({"--from", "2024-06-01", "--to", "2024-11-30"}).Status, 0);
    PutForeign("other.ics", "pta-2024@other.example");
    const std::map<std::string, std::string> before = ETags();

    // 2024-06-12 避難訓練: a memo changes its entry in place. 2024-06-20 教育実習開始: the event is
    // deleted. 2024-07-04: a new event. 2024-11-15 三者面談 loses its event, but lies outside the range
    // published the second time, so its entry stays.
    CPlanovaDoc document = SchoolYearDocument(2024);
    const auto setEvent = [&](const DateTime& date, const char* utf8) {
        document.UpdateDay(date, [&](CDayData& day) { day.SetGyouji(Utf8ToCp932(utf8)); });
    };
    document.UpdateDay(Date(2024, 6, 12), [](CDayData& day) { day.SetMemo(Utf8ToCp932("雨天時は体育館")); });
    setEvent(Date(2024, 6, 20), "");
    setEvent(Date(2024, 7, 4), "校内研修");
    const nlohmann::json old = ServerEntries();
    setEvent(Date(2024, 11, 15), "");
    Save(document);
    const CliResult run = Publish({"--from", "2024-06-01", "--to", "2024-07-31"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.substr(0, run.Out.find("変更なし")), "公開しました: 新規 1 件、更新 1 件、削除 1 件、");

    const std::map<std::string, std::string> after = ETags();
    std::set<std::string> changed;
    for (const auto& [href, etag] : before) {
        const auto now = after.find(href);
        if (now == after.end() || now->second != etag)
            changed.insert(href.substr(href.rfind('/') + 1, 13) + (now == after.end() ? "gone" : "changed"));
    }
    for (const auto& [href, etag] : after) {
        if (!before.contains(href))
            changed.insert(href.substr(href.rfind('/') + 1, 13) + "new");
    }
    EXPECT_EQ(changed,
              (std::set<std::string>{"20240612-day-changed", "20240620-day-gone", "20240704-day-new"}));

    // What the server holds now: the new export of June and July, the old entries elsewhere.
    nlohmann::json expected = ExportedEntries(document, {Date(2024, 6, 1), Date(2024, 7, 31)});
    for (const auto& [uid, entry] : old.items()) {
        if (uid.compare(0, 6, "202406") != 0 && uid.compare(0, 6, "202407") != 0)
            expected[uid] = entry;
    }
    EXPECT_EQ(ServerEntries(), expected);
    EXPECT_TRUE(Uids(expected).contains("pta-2024@other.example"));
}

TEST_F(CalDavPublishTest, FailuresSayWhatTheServerAnsweredAndLoseNothing)
{
    const std::string wrongPassword = Dir.File("wrong");
    WriteBytes(wrongPassword, "not the password\n");
    const std::string nobody = "http://127.0.0.1:" + std::to_string(FreeLocalPort()) + "/teacher/planner/";
    struct Case
    {
        const char* Name;
        std::vector<std::string> Args;
        const char* Message;
    };
    const Case cases[] = {
        {"wrong password",
         {"--caldav", Server.Collection(), "--user", "teacher", "--password-file", wrongPassword},
         "401 ユーザー名かパスワードが受け付けられませんでした"},
        {"no such calendar",
         {"--caldav", Server.Root() + "/teacher/none/", "--user", "teacher", "--password-file",
          Server.PasswordFile()},
         "404 カレンダーが見つかりません"},
        {"nothing listening",
         {"--caldav", nobody},
         "カレンダーサーバーに接続できませんでした (Connection refused)"},
    };
    const std::string bytes = ReadBytes(File);
    for (const Case& c : cases) {
        std::vector<std::string> args{"publish", File};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CliResult run = RunProgram(PLANOVA_CLI, args);
        EXPECT_EQ(run.Status, 1) << c.Name;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Name << ": " << run.Err;
        EXPECT_EQ(run.Out, "") << c.Name;
    }
    EXPECT_EQ(Server.Requests("PUT"), 0);
    EXPECT_EQ(ReadBytes(File), bytes);
}

TEST_F(CalDavPublishTest, AnEntryChangedElsewhereMeanwhileIsNotOverwritten)
{
    ASSERT_EQ(Publish({"--from", "2024-06-01", "--to", "2024-06-30"}).Status, 0);
    CPlanovaDoc document = SchoolYearDocument(2024);
    document.UpdateDay(Date(2024, 6, 12), [](CDayData& day) { day.SetMemo(Utf8ToCp932("雨天時は体育館")); });
    Save(document);
    const std::string bytes = ReadBytes(File);

    // A proxy that lets another program change the entry just before our replacement reaches it.
    const std::string portFile = Dir.File("proxy-port");
    BackgroundProcess proxy({"/usr/bin/python3", PLANOVA_CALDAV_TOOL, "meddle", Server.Root(), Server.User,
                             Server.Password, portFile},
                            Dir.File("proxy.log"));
    for (int wait = 0; wait < 200 && ReadBytes(portFile).empty(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    const int port = std::stoi("0" + ReadBytes(portFile));
    ASSERT_TRUE(WaitForLocalPort(port, 10, proxy)) << ReadBytes(Dir.File("proxy.log"));

    const std::string collection = Server.Collection().substr(Server.Root().size());
    const CliResult run = RunProgram(
        PLANOVA_CLI, {"publish", File, "--caldav", "http://127.0.0.1:" + std::to_string(port) + collection,
                      "--user", Server.User, "--password-file", Server.PasswordFile(), "--from", "2024-06-01",
                      "--to", "2024-06-30"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("412 サーバー上の予定が、読み込んだ後でほかから変更されています"),
              std::string::npos)
        << run.Err;
    EXPECT_NE(run.Err.find("公開は途中で止まりました (新規 0 件、更新 0 件、削除 0 件、変更なし"),
              std::string::npos)
        << run.Err;

    // The other program's change is kept, and so is the document.
    const nlohmann::json entries = ServerEntries();
    int changedElsewhere = 0;
    for (const auto& [uid, entry] : entries.items())
        changedElsewhere += entry["SUMMARY"].get<std::string>().starts_with("changed elsewhere ") ? 1 : 0;
    EXPECT_EQ(changedElsewhere, 1);
    EXPECT_EQ(ReadBytes(File), bytes);
}

TEST(CalDavPublishCommandTest, RefusesWhatCannotBeUsedBeforeAskingAnyServer)
{
    TempDir dir;
    const std::string file = dir.File("year.dat");
    WriteBytes(file, WriteDataFile(SchoolYearDocument(2024)));
    const std::string url = "http://127.0.0.1:9/cal/";
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const Case cases[] = {
        {{"publish", file}, 2, "--caldav URL は必ず指定してください"},
        {{"publish", "--caldav", url}, 2, "FILE.dat と --caldav URL は必ず指定してください"},
        {{"publish", file, "--caldav", url, "--user", "teacher"}, 2, "--user と --password-file は一緒に"},
        {{"publish", file, "--caldav", url, "--bogus"}, 2, "--bogus"},
        {{"publish", file, "--caldav", "ftp://127.0.0.1/cal/"}, 1, "http:// か https:// で始まる URL"},
        {{"publish", file, "--caldav", "calendar"}, 1, "http:// か https:// で始まる URL"},
        {{"publish", file, "--caldav", url, "--from", "2024-07-01", "--to", "2024-06-01"}, 1, ""},
        {{"publish", file, "--caldav", url, "--from", "2024-02-30"}, 1, "--from"},
        {{"publish", file, "--caldav", url, "--user", "t", "--password-file", dir.File("none")}, 1, "none"},
        {{"publish", dir.File("none.dat"), "--caldav", url}, 1, "none.dat"},
    };
    for (const Case& c : cases) {
        const CliResult run = RunProgram(PLANOVA_CLI, c.Args);
        EXPECT_EQ(run.Status, c.Status) << c.Args.back() << ": " << run.Err;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}
