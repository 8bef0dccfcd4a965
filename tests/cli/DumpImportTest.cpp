#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "support/DataFileExamples.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

using namespace planova;
using namespace planova::test;

namespace {

using RunResult = CliResult;

/// Runs planova-cli with the arguments and collects what it printed.
RunResult Cli(const TempDir&, const std::vector<std::string>& args)
{
    return RunProgram(PLANOVA_CLI, args);
}

/// dump of the file, then import of that JSON; returns the imported file's bytes.
std::string DumpThenImport(const TempDir& dir, const std::string& file)
{
    const RunResult dump = Cli(dir, {"dump", file});
    EXPECT_EQ(dump.Status, 0) << dump.Err;
    WriteBytes(dir.File("dump.json"), dump.Out);
    const RunResult import = Cli(dir, {"import", dir.File("dump.json"), "-o", dir.File("imported.dat")});
    EXPECT_EQ(import.Status, 0) << import.Err;
    return ReadBytes(dir.File("imported.dat"));
}

} // namespace

TEST(DumpImportTest, ImportOfADumpWritesTheSameBytes)
{
    TempDir dir;
    for (const char* name : {"example-2014.dat", "every-field.dat"}) {
        SCOPED_TRACE(name);
        const std::string file = std::string(PLANOVA_TEST_DATA_DIR) + "/" + name;
        EXPECT_EQ(DumpThenImport(dir, file), TestDataFile(name));
    }
}

TEST(DumpImportTest, DumpShowsTheDocumentAsJson)
{
    TempDir dir;
    const RunResult dump = Cli(dir, {"dump", std::string(PLANOVA_TEST_DATA_DIR) + "/every-field.dat"});
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    const nlohmann::json json = nlohmann::json::parse(dump.Out);
    EXPECT_EQ(json["days"].size(), 3u);
    EXPECT_EQ(json["days"][0]["date"], "2013-04-08");
    EXPECT_EQ(json["days"][0]["rows"].size(), 10u);
    EXPECT_EQ(json["days"][0]["rows"][3]["yotei"], "</Yotei>を含む予定");
    EXPECT_EQ(json["days"][1]["gyouji"], "始業式</Gyouji>");
    EXPECT_EQ(json["todos"][1]["kennmei"], "</Task>会議");
    EXPECT_EQ(json["todos"][1]["kigenn"], "2013-05-02");
    EXPECT_EQ(json["settings"]["PIdouMigi"], -12);
    EXPECT_EQ(json["settings"]["PKeisenIro"], 0x00FF8040);
    EXPECT_EQ(json["settings"]["Birthday"]["Month"], 2);
    EXPECT_EQ(json["settings"]["Offset"][0], -10);
    EXPECT_EQ(json["settings"]["FontPoint"].size(), 24u);
    EXPECT_EQ(json["settings"]["Jikannwari"][1], "1-2 数学");
    // Written a day at a time, the text keeps the layout of the whole document dumped with two spaces.
    EXPECT_EQ(dump.Out, nlohmann::ordered_json::parse(dump.Out).dump(2) + "\n");
    // Empty lists too.
    WriteBytes(dir.File("empty.json"), "{}");
    ASSERT_EQ(Cli(dir, {"import", dir.File("empty.json"), "-o", dir.File("empty.dat")}).Status, 0);
    const RunResult empty = Cli(dir, {"dump", dir.File("empty.dat")});
    EXPECT_EQ(empty.Out, nlohmann::ordered_json::parse(empty.Out).dump(2) + "\n");
    EXPECT_NE(empty.Out.find("\"days\": [],\n  \"todos\": [],"), std::string::npos) << empty.Out;
}

TEST(DumpImportTest, InvalidDatesAreNull)
{
    TempDir dir;
    const std::string json = R"({"days": [{"date": null, "memo": "日付なし"}], "todos": [{"kigenn": null}]})";
    WriteBytes(dir.File("in.json"), json);
    ASSERT_EQ(Cli(dir, {"import", dir.File("in.json"), "-o", dir.File("out.dat")}).Status, 0);
    const RunResult dump = Cli(dir, {"dump", dir.File("out.dat")});
    const nlohmann::json back = nlohmann::json::parse(dump.Out);
    EXPECT_TRUE(back["days"][0]["date"].is_null());
    EXPECT_EQ(back["days"][0]["memo"], "日付なし");
    EXPECT_TRUE(back["todos"][0]["kigenn"].is_null());
    EXPECT_EQ(back["todos"][0]["kennmei"], "件名"); // what the JSON leaves out keeps the construction value
    EXPECT_EQ(back["settings"]["PFontSize"], 9);
}

TEST(DumpImportTest, BadInputIsRefusedWithThePlaceNamedAndNothingWritten)
{
    TempDir dir;
    struct Case
    {
        const char* Name;
        const char* Json;
        const char* Expected;
    };
    const Case cases[] = {
        {"malformed", R"({"days": [)", "JSON の形式が正しくありません"},
        // Written, it would read back as a damaged file.
        {"NUL in a memo", R"({"days": [{"date": null, "memo": "a\u0000b"}]})", "days[0].memo: NUL 文字"},
        {"unknown key", R"({"days": [{"date": null, "plan": "x"}]})", "days[0].plan"},
        {"impossible date", R"({"todos": [{"kigenn": "2014-02-30"}]})", "todos[0].kigenn"},
        {"colour out of range", R"({"days": [{"date": null, "rows": [{"iro": 8}]}]})", "days[0].rows[0].iro"},
        {"eleven rows", R"({"days": [{"date": null, "rows": [{},{},{},{},{},{},{},{},{},{},{}]}]})",
         "days[0].rows"},
        {"flag not boolean", R"({"settings": {"PWaku": 1}})", "settings.PWaku"},
        {"short array", R"({"settings": {"FontPoint": [9]}})", "settings.FontPoint"},
        {"birthday part", R"({"settings": {"Birthday": {"Hour": 1}}})", "settings.Birthday.Hour"},
        {"day without date", R"({"days": [{}]})", "days[0].date"},
        // Each of these was stored as something else before: a negative number read back as 0 or
        // -2147483647, an impossible birthday as the current date, a duplicate key as one of its values.
        {"negative font size", R"({"settings": {"PFontSize": -5}})", "settings.PFontSize: 値 -5"},
        {"negative view", R"({"settings": {"DspType": -1}})", "settings.DspType: 値 -1"},
        {"negative print font size",
         R"({"settings": {"FontPoint": [9,6,5,9,7,5,4,7,5,5,4,5,6,5,5,6,16,12,16,12,6,6,-3,6]}})",
         "settings.FontPoint[22]: 値 -3"},
        {"offset below the file's numbers", R"({"settings": {"Offset": [-2147483648,0,0,0,0,0,0,0,0,0]}})",
         "settings.Offset[0]: 値 -2147483648"},
        {"print offset below the file's numbers", R"({"settings": {"PIdouMigi": -2147483648}})",
         "settings.PIdouMigi: 値 -2147483648"},
        {"impossible birthday", R"({"settings": {"Birthday": {"Year": 2014, "Month": 2, "Day": 30}}})",
         "settings.Birthday: 生年月日 2014-2-30"},
        {"negative birth year", R"({"settings": {"Birthday": {"Year": -2014, "Month": 2, "Day": 3}}})",
         "settings.Birthday.Year: 値 -2014"},
        {"key twice", R"({"settings": {"PFontSize": 9, "PFontSize": 12}})", "settings.PFontSize: 同じ項目"},
        {"key twice in a row", R"({"days": [{"date": null, "rows": [{}, {"yotei": "a", "yotei": "b"}]}]})",
         "days[0].rows[1].yotei: 同じ項目"},
        {"date with a space", R"({"days": [{"date": " 201-01-01"}]})", "days[0].date: 日付 \" 201-01-01\""},
        {"date with a sign", R"({"todos": [{"kigenn": "2014-+1-01"}]})",
         "todos[0].kigenn: 日付 \"2014-+1-01\""},
    };
    const std::string output = dir.File("out.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteBytes(dir.File("in.json"), c.Json);
        for (const bool existing : {false, true}) {
            std::filesystem::remove(output);
            if (existing)
                WriteBytes(output, "the teacher's file");
            const RunResult result = Cli(dir, {"import", dir.File("in.json"), "-o", output});
            EXPECT_EQ(result.Status, 1);
            EXPECT_NE(result.Err.find(c.Expected), std::string::npos) << result.Err;
            if (existing)
                EXPECT_EQ(ReadBytes(output), "the teacher's file");
            else
                EXPECT_FALSE(std::filesystem::exists(output));
        }
    }

    // The largest values the file holds are taken.
    WriteBytes(dir.File("in.json"), R"({"settings": {"PIdouMigi": -2147483647, "PFontSize": 2147483647}})");
    ASSERT_EQ(Cli(dir, {"import", dir.File("in.json"), "-o", output}).Status, 0);
    const nlohmann::json back = nlohmann::json::parse(Cli(dir, {"dump", output}).Out);
    EXPECT_EQ(back["settings"]["PIdouMigi"], -2147483647);
    EXPECT_EQ(back["settings"]["PFontSize"], 2147483647);
}

TEST(DumpImportTest, AFileSizeLimitIsAnErrorWithAMessage)
{
    TempDir dir;
    const RunResult dump = Cli(dir, {"dump", std::string(PLANOVA_TEST_DATA_DIR) + "/every-field.dat"});
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    WriteBytes(dir.File("in.json"), dump.Out);
    WriteBytes(dir.File("out.dat"), "the teacher's file");
    const std::string command = "ulimit -f 4; exec '" + std::string(PLANOVA_CLI) + "' import '" +
                                dir.File("in.json") + "' -o '" + dir.File("out.dat") + "'";
    const RunResult limited = RunProgram("/bin/sh", {"-c", command});
    EXPECT_EQ(limited.Status, 1);
    EXPECT_NE(limited.Err.find("ファイルが大きすぎて書き込めません"), std::string::npos) << limited.Err;
    EXPECT_EQ(ReadBytes(dir.File("out.dat")), "the teacher's file");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"in.json", "out.dat"}));
}

TEST(DumpImportTest, DumpShowsTheCharactersOfAUtf16FileBeyondCodePage932)
{
    TempDir dir;
    // A whole file in the UTF-16 form whose user name holds an emoji.
    CPlanovaDoc named;
    named.Shiyousya = "Yamada";
    std::u16string text;
    for (const char byte : ReadArchiveString(WriteDataFile(named)))
        text += static_cast<char16_t>(static_cast<unsigned char>(byte)); // all ASCII
    text.replace(text.find(u"Yamada"), 6, u"山田\U0001F600");
    std::string bytes = "\xFF\xFE\xFF" + LengthPrefix(text.size());
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    WriteBytes(dir.File("utf16.dat"), bytes);
    const RunResult dump = Cli(dir, {"dump", dir.File("utf16.dat")});
    EXPECT_EQ(dump.Status, 0) << dump.Err;
    EXPECT_EQ(dump.Err, "");
    EXPECT_EQ(nlohmann::json::parse(dump.Out)["settings"]["Shiyousya"], "山田\U0001F600");
}

TEST(DumpImportTest, TextsBeyondCodePage932SurviveImportSaveAndDump)
{
    TempDir dir;
    // Beyond the BMP, the code page's own 髙 and one with a variation selector, an emoji, a combining
    // mark, the escape of 𠮷 typed literally, a plain "&", plain Japanese.
    const std::vector<std::string> texts = {"𠮷田",      "髙橋", "髙\U000E0100橋", "文化祭🎉", "か\u0301",
                                            "&#x20BB7;", "A&B",  "国語 ①"};
    nlohmann::json rows = nlohmann::json::array();
    for (const std::string& text : texts)
        rows.push_back({{"yotei", text}});
    const nlohmann::json document = {
        {"days", {{{"date", "2014-01-01"}, {"memo", "🎉&#x26;"}, {"rows", rows}}}},
        {"todos", {{{"kennmei", "𠮷田さんに連絡"}, {"memo", "髙\U000E0100"}}}},
        {"settings", {{"Shiyousya", "髙橋 𠮷"}}}};
    WriteBytes(dir.File("in.json"), document.dump());
    const RunResult import = Cli(dir, {"import", dir.File("in.json"), "-o", dir.File("out.dat")});
    ASSERT_EQ(import.Status, 0) << import.Err;

    const RunResult dump = Cli(dir, {"dump", dir.File("out.dat")});
    ASSERT_EQ(dump.Status, 0) << dump.Err;
    const nlohmann::json dumped = nlohmann::json::parse(dump.Out);
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(dumped["days"][0]["rows"][i]["yotei"], texts[i]) << i;
    EXPECT_EQ(dumped["days"][0]["memo"], "🎉&#x26;");
    EXPECT_EQ(dumped["todos"][0]["kennmei"], "𠮷田さんに連絡");
    EXPECT_EQ(dumped["todos"][0]["memo"], "髙\U000E0100");
    EXPECT_EQ(dumped["settings"]["Shiyousya"], "髙橋 𠮷");

    // The file holds the escapes as code page 932 text.
    const std::string saved = ReadBytes(dir.File("out.dat"));
    EXPECT_NE(saved.find("&#x20BB7;"), std::string::npos);
    EXPECT_NE(saved.find("&#x26;#x20BB7;"), std::string::npos);
    EXPECT_EQ(saved.find("\xF0"), std::string::npos); // no UTF-8 lead byte of a 4-byte character
}

TEST(DumpImportTest, FileErrorsAndUsage)
{
    TempDir dir;
    WriteBytes(dir.File("damaged.dat"), TestDataFile("example-2014.dat").substr(0, 200));
    const RunResult damaged = Cli(dir, {"dump", dir.File("damaged.dat")});
    EXPECT_EQ(damaged.Status, 1);
    EXPECT_NE(damaged.Err.find("ファイルを開けませんでした"), std::string::npos) << damaged.Err;
    EXPECT_EQ(damaged.Out, "");

    EXPECT_EQ(Cli(dir, {"dump", dir.File("missing.dat")}).Status, 1);
    WriteBytes(dir.File("in.json"), "{}");
    const RunResult noFolder = Cli(dir, {"import", dir.File("in.json"), "-o", dir.File("gone/out.dat")});
    EXPECT_EQ(noFolder.Status, 1);
    EXPECT_NE(noFolder.Err.find("フォルダーが見つかりません"), std::string::npos) << noFolder.Err;

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"dump"},
                                               {"dump", "a", "b"},
                                               {"import", dir.File("in.json")},
                                               {"import", "-o", dir.File("x.dat")}})
        EXPECT_EQ(Cli(dir, args).Status, 2) << args.size();
}
