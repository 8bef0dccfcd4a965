// CSV and Excel exports read back by independent readers: Python's csv module and openpyxl
// (tests/cli/read_spreadsheet.py). The school year is given texts that spreadsheets take for
// formulas or numbers before it is exported.

#include "support/CliRun.h"
#include "support/SchoolYearFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace planova;
using namespace planova::test;
using nlohmann::json;

namespace {

const std::string Reader = std::string(PLANOVA_TEST_DATA_DIR) + "/../cli/read_spreadsheet.py";

/// Texts a spreadsheet would run or turn into numbers, and where the fixture puts them.
const std::vector<std::string> FormulaTexts{
    "=1+1",   "+1",           "-2+3", "@SUM(1;2)", "=HYPERLINK(\"http://example.invalid/\",\"開く\")",
    "\tタブ", "\r先頭の改行",
};

json RunCli(const std::vector<std::string>& args)
{
    const CliResult run = RunProgram(PLANOVA_CLI, args);
    EXPECT_EQ(run.Status, 0) << run.Err;
    return run.Out.empty() ? json() : json::parse(run.Out);
}

json Read(const std::string& kind, const std::string& path)
{
    const CliResult run = RunProgram("/usr/bin/python3", {Reader, kind, path});
    EXPECT_EQ(run.Status, 0) << run.Err;
    return json::parse(run.Out);
}

/// A cell's text as a table shows it: an empty cell is an empty text.
std::string CellText(const json& cell)
{
    return cell["value"].is_null() ? std::string() : cell["value"].get<std::string>();
}

std::string LineBreaksAsLf(std::string text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            result += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            result += '\n';
    }
    return result;
}

/// "2024/06/12" as "2024-06-12".
std::string IsoDate(std::string slashes)
{
    std::replace(slashes.begin(), slashes.end(), '/', '-');
    return slashes;
}

class ExportSpreadsheetTest : public SchoolYearFileTest
{
protected:
    void SetUp() override
    {
        SchoolYearFileTest::SetUp();
        json document = RunCli({"dump", File});
        for (json& day : document["days"]) {
            if (day["date"] != "2024-06-12")
                continue;
            day["gyouji"] = FormulaTexts[0];
            day["memo"] = FormulaTexts[4] + "\r\n\"引用\", 2行目";
            day["rows"][1]["jigenn"] = "08";
            day["rows"][1]["yotei"] = FormulaTexts[1];
            day["rows"][1]["naiyou"] = FormulaTexts[2];
            day["rows"][2]["yotei"] = FormulaTexts[3];
            day["rows"][3]["naiyou"] = FormulaTexts[5];
            day["rows"][4]["naiyou"] = FormulaTexts[6];
        }
        // Classes of the school year, one with an offset, and a name no plan holds.
        document["settings"]["Class"] = {"1-2 国語", "1-2 書写", "", "3-1 数学", "", "", "", "", "", ""};
        document["settings"]["Offset"] = {12, 0, 0, -3, 0, 0, 0, 0, 0, 0};
        document["settings"]["Hajime"] = {{"Year", 2024}, {"Month", 4}, {"Day", 1}};
        document["settings"]["Owari"] = {{"Year", 2025}, {"Month", 3}, {"Day", 31}};
        document["todos"].push_back({{"kennmei", FormulaTexts[4]},
                                     {"kigenn", "2024-07-01"},
                                     {"jyuuyoudo", "-1"},
                                     {"memo", FormulaTexts[3]}});
        WriteBytes(Out("fixture.json"), document.dump());
        RunCli({"import", Out("fixture.json"), "-o", File});
    }

    json Export(const std::vector<std::string>& options, const std::string& kind)
    {
        const std::string out = Out("out." + kind);
        std::vector<std::string> args{"export", File, "-o", out};
        args.insert(args.end(), options.begin(), options.end());
        RunCli(args);
        return Read(kind, out);
    }
};

} // namespace

TEST_F(ExportSpreadsheetTest, CsvFieldsThatLookLikeFormulasGetAnApostropheUnlessRaw)
{
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--csv"}, {"--csv", "--todos"}}) {
        const json safe = Export(options, "csv");
        std::vector<std::string> rawOptions = options;
        rawOptions.push_back("--raw");
        const json raw = Export(rawOptions, "csv");
        ASSERT_EQ(safe.size(), raw.size());
        std::set<std::string> seen;
        for (std::size_t line = 0; line < raw.size(); ++line) {
            ASSERT_EQ(safe[line].size(), raw[line].size()) << line;
            for (std::size_t field = 0; field < raw[line].size(); ++field) {
                const std::string original = raw[line][field];
                const bool formula =
                    !original.empty() && std::string("=+-@\t\r").find(original[0]) != std::string::npos;
                EXPECT_EQ(safe[line][field], formula ? "'" + original : original) << line << " " << field;
                seen.insert(original);
            }
        }
        for (const std::string& text : options.size() == 1
                                           ? FormulaTexts
                                           : std::vector<std::string>{FormulaTexts[4], "-1", FormulaTexts[3]})
            EXPECT_TRUE(seen.count(text) || seen.count(text + "\r\n\"引用\", 2行目")) << text;
    }
}

TEST_F(ExportSpreadsheetTest, WorkbookHoldsTypedCellsThatMatchTheCsvAndTheClassHourCount)
{
    const json book = Export({"--xlsx"}, "xlsx");
    EXPECT_EQ(book["sheets"], json({"予定", "ToDo", "授業時数"}));
    for (const char* name : {"予定", "ToDo", "授業時数"}) {
        const json& sheet = book[name];
        EXPECT_EQ(sheet["frozen"], "A2") << name;
        EXPECT_EQ(sheet["paper"], 9) << name; // A4
        EXPECT_EQ(sheet["orientation"], "landscape") << name;
        EXPECT_TRUE(sheet["fit_to_page"]) << name;
        EXPECT_EQ(sheet["fit_width"], 1) << name;
        EXPECT_EQ(sheet["fit_height"], 0) << name; // as many pages down as it takes
        EXPECT_EQ(sheet["title_rows"], "$1:$1") << name;
        for (const json& row : sheet["cells"]) {
            for (const json& cell : row)
                EXPECT_NE(cell["type"], "f") << name << ": " << cell;
        }
    }

    // Every line of the day CSV (without the weekday, which the date's format shows) is a row.
    const json days = Export({"--csv", "--raw"}, "csv");
    const json& dayCells = book["予定"]["cells"];
    ASSERT_EQ(dayCells.size(), days.size());
    EXPECT_EQ(dayCells[0].size(), 9u);
    for (std::size_t line = 0; line < days.size(); ++line) {
        const json& csv = days[line];
        const json& row = dayCells[line];
        std::vector<std::string> expected;
        for (std::size_t field = 0; field < csv.size(); ++field) {
            if (field != 1)
                expected.push_back(LineBreaksAsLf(csv[field]));
        }
        if (line == 0) {
            for (std::size_t c = 0; c < expected.size(); ++c)
                EXPECT_EQ(CellText(row[c]), expected[c]);
            continue;
        }
        ASSERT_EQ(row.size(), expected.size()) << line;
        EXPECT_EQ(row[0]["type"], "d") << line;
        EXPECT_EQ(row[0]["value"], IsoDate(expected[0])) << line;
        EXPECT_EQ(row[0]["format"], "[$-411]yyyy/mm/dd (aaa)") << line;
        EXPECT_EQ(row[3]["type"], "n") << line;
        EXPECT_EQ(row[3]["value"], std::stoi(expected[3])) << line;
        for (const std::size_t c : {1, 2, 4, 5, 6, 7, 8}) {
            EXPECT_EQ(CellText(row[c]), expected[c]) << line << " " << c;
            EXPECT_TRUE(row[c]["type"] == "s" || row[c]["value"].is_null()) << line << " " << c;
        }
    }
    const auto fixtureDay = std::find_if(dayCells.begin(), dayCells.end(),
                                         [](const json& row) { return row[0]["value"] == "2024-06-12"; });
    ASSERT_NE(fixtureDay, dayCells.end());
    EXPECT_EQ((*fixtureDay)[2]["value"], "=1+1");
    EXPECT_EQ((*(fixtureDay + 1))[4]["value"], "08") << "a label keeps its leading zero";
    EXPECT_EQ((*(fixtureDay + 1))[5]["value"], "+1");

    const json todos = Export({"--csv", "--todos", "--raw"}, "csv");
    const json& todoCells = book["ToDo"]["cells"];
    ASSERT_EQ(todoCells.size(), todos.size());
    for (std::size_t line = 1; line < todos.size(); ++line) {
        EXPECT_EQ(CellText(todoCells[line][0]), LineBreaksAsLf(todos[line][0]));
        EXPECT_EQ(todoCells[line][1]["type"], todos[line][1] == "" ? "n" : "d") << line;
        EXPECT_EQ(todoCells[line][1]["value"], todos[line][1] == "" ? json() : json(IsoDate(todos[line][1])));
        EXPECT_EQ(CellText(todoCells[line][2]), todos[line][2]);
        EXPECT_EQ(CellText(todoCells[line][3]), LineBreaksAsLf(todos[line][3]));
    }
}

TEST_F(ExportSpreadsheetTest, ClassHoursAreTheFiguresOfCountHours)
{
    struct Case
    {
        std::vector<std::string> Range;
        const char* FirstDay; // the first date of the day sheet
    };
    const Case cases[] = {
        {{}, "2024-04-01"},
        {{"--from", "2024-06-01", "--to", "2024-06-30"}, "2024-06-03"}, // 1 and 2 June are a weekend
        {{"--to", "2024-05-31"}, "2024-04-01"},                         // from the stored start
    };
    for (const Case& c : cases) {
        std::vector<std::string> options{"--xlsx"};
        options.insert(options.end(), c.Range.begin(), c.Range.end());
        const json book = Export(options, "xlsx");
        EXPECT_EQ(book["予定"]["cells"][1][0]["value"], c.FirstDay);

        std::vector<std::string> count{"count-hours", File};
        count.insert(count.end(), c.Range.begin(), c.Range.end());
        const json counted = RunCli(count);
        const json& rows = book["授業時数"]["cells"];
        EXPECT_EQ(CellText(rows[0][0]), "学級名");
        std::size_t row = 1;
        for (const json& entry : counted["classes"]) {
            if (entry["name"] == "")
                continue;
            ASSERT_LT(row, rows.size());
            EXPECT_EQ(rows[row][0]["value"], entry["name"]);
            EXPECT_EQ(rows[row][1]["value"], entry["offset"]);
            EXPECT_EQ(rows[row][2]["value"], entry["count"]);
            EXPECT_EQ(rows[row][3]["value"], entry["result"]);
            EXPECT_EQ(rows[row][4]["value"], counted["from"]);
            EXPECT_EQ(rows[row][5]["value"], counted["to"]);
            EXPECT_EQ(rows[row][4]["type"], "d");
            ++row;
        }
        EXPECT_EQ(row, 4u) << "the three named classes";
        EXPECT_EQ(row, rows.size());
    }
}

TEST_F(ExportSpreadsheetTest, AWorkbookThatCannotBeWrittenLeavesTheOutputAlone)
{
    json document = RunCli({"dump", File});
    document["days"][3]["memo"] = std::string(40000, 'x'); // a cell holds 32767 characters
    WriteBytes(Out("long.json"), document.dump());
    RunCli({"import", Out("long.json"), "-o", Out("long.dat")});
    const std::string out = Out("out.xlsx");
    WriteBytes(out, "previous");
    const CliResult run = RunProgram(PLANOVA_CLI, {"export", Out("long.dat"), "--xlsx", "-o", out});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("「予定」シートの 32 行目の「メモ」の文字列が長すぎます"), std::string::npos)
        << run.Err;
    EXPECT_EQ(ReadBytes(out), "previous");
}
