#include "export/CsvExport.h"
#include "export/CsvText.h"
#include "model/CellColours.h"
#include "model/TextFunctions.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

using Record = std::vector<std::string>;

const std::string Bom = "\xEF\xBB\xBF";

/**
 * Reads a CSV text the way a spreadsheet does (RFC 4180): records end with CR LF, a quoted field
 * may hold commas, CR LF and doubled quotes. Fails the test at anything else.
 */
std::vector<Record> ReadCsv(std::string_view text)
{
    std::vector<Record> records;
    Record record;
    std::string field;
    bool quoted = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                i += 2;
            } else if (c == '"') {
                quoted = false;
                ++i;
            } else {
                field += c;
                ++i;
            }
        } else if (c == '"') {
            EXPECT_TRUE(field.empty()) << "quote inside an unquoted field at " << i;
            quoted = true;
            ++i;
        } else if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            i += 2;
        } else {
            EXPECT_TRUE(c != '\r' && c != '\n') << "bare line break outside quotes at " << i;
            field += c;
            ++i;
        }
    }
    EXPECT_FALSE(quoted) << "unterminated quote";
    EXPECT_TRUE(record.empty() && field.empty()) << "the last record does not end with CR LF";
    return records;
}

/// The records of a CSV text after its byte-order mark (which must be there).
std::vector<Record> ReadExport(const std::string& text)
{
    EXPECT_EQ(text.substr(0, 3), Bom);
    return ReadCsv(std::string_view(text).substr(text.rfind(Bom, 0) == 0 ? 3 : 0));
}

const Record DayHeader{"日付", "曜日", "時程", "行事", "行", "時限", "予定", "内容", "色", "メモ"};

/**
 * The day CSV the plain way, each field converted and quoted on its own, line after line: what
 * DayCsvText, which converts each text once and makes a day's own fields once for its ten lines,
 * must write byte for byte.
 */
std::string PlainDayCsv(const CPlanovaDoc& document, CsvFormulas formulas)
{
    std::string csv = Bom;
    const auto line = [&](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            csv += (i == 0 ? "" : ",") + CsvText::Field(fields[i], formulas);
        csv += "\r\n";
    };
    line(DayHeader);
    for (const CDayData* day : StoredDaysInRange(document, {})) {
        for (int row = 0; row < CDayData::RowCount; ++row) {
            line({FormatDate(day->GetDate(), static_cast<int>(DateForm::Slashes)),
                  Cp932ToUtf8(day->WeekdayLetter()), Cp932ToUtf8(day->GetJitei()),
                  Cp932ToUtf8(day->GetGyouji()), std::to_string(row + 1), Cp932ToUtf8(day->GetJigenn(row)),
                  Cp932ToUtf8(day->GetYotei(row)), Cp932ToUtf8(day->GetNaiyou(row)),
                  CellColourAt(day->GetIro(row)).Name,
                  row == 0 ? Cp932ToUtf8(day->GetMemo()) : std::string()});
        }
    }
    return csv;
}

} // namespace

TEST(CsvExportTest, SchoolYearReadsBackDayByDayAndRowByRow)
{
    CPlanovaDoc document = SchoolYearDocument(2024);
    const std::string memo = "持ち物: 上履き, 筆記用具\r\n\"しおり\" を配布\r\n集合 8:10";
    document.UpdateDay(Date(2024, 6, 12), [&](CDayData& day) {
        day.SetMemo(Sj(memo.c_str()));
        day.SetNaiyou(3, Sj("\"走れメロス\", 第2場面"));
    });

    const std::vector<Record> records = ReadExport(DayCsvText(document, {}));
    ASSERT_EQ(records.size(), 1 + 10 * document.DayList().size());
    EXPECT_EQ(records.front(), DayHeader);
    for (const Record& record : records)
        ASSERT_EQ(record.size(), DayHeader.size());

    // 12 June 2024, a Wednesday with an event: ten lines, the memo on the first alone.
    const auto first =
        std::find_if(records.begin(), records.end(), [](const Record& r) { return r[0] == "2024/06/12"; });
    ASSERT_NE(first, records.end());
    const std::vector<Record> day(first, first + 10);
    EXPECT_EQ(day[0], (Record{"2024/06/12", "水", "50分時程", "避難訓練", "1", "朝", "朝の会・健康観察", "",
                              "白", memo}));
    EXPECT_EQ(day[3], (Record{"2024/06/12", "水", "50分時程", "避難訓練", "4", "③", "1-2 書写",
                              "\"走れメロス\", 第2場面", "白", ""}));
    EXPECT_EQ(day[9][4], "10");
    EXPECT_EQ(day[9][5], "");
    EXPECT_EQ(day[9][6], "職員会議");
    EXPECT_EQ(day[9][8], "青");
    for (int row = 1; row < 10; ++row)
        EXPECT_EQ(day[static_cast<std::size_t>(row)][9], "") << row;

    // Days come in date order.
    for (std::size_t i = 2; i < records.size(); ++i)
        EXPECT_LE(records[i - 1][0], records[i][0]) << i;
}

TEST(CsvExportTest, ThreeSchoolYearsAreWrittenByteForByteAsFieldByField)
{
    // Three school years, with texts that need quotes or an apostrophe in every kind of field, each
    // the same on two days in a row and gone on the third.
    CPlanovaDoc document = SchoolYearDocument(2022, 3);
    const char* const odd[] = {"=1+1", "+1",       "-2+3",           "@SUM(1;2)", "\t字下げ",
                               "a,b",  "\"引用\"", "1行目\r\n2行目", ""};
    using Setter = void (*)(CDayData&, int, const std::string&);
    const Setter fields[] = {
        [](CDayData& day, int, const std::string& text) { day.SetJitei(text); },
        [](CDayData& day, int, const std::string& text) { day.SetGyouji(text); },
        [](CDayData& day, int row, const std::string& text) { day.SetJigenn(row, text); },
        [](CDayData& day, int row, const std::string& text) { day.SetYotei(row, text); },
        [](CDayData& day, int row, const std::string& text) { day.SetNaiyou(row, text); },
        [](CDayData& day, int, const std::string& text) { day.SetMemo(text); },
    };
    const std::vector<CDayData> days = document.DayList();
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i % 3 == 2)
            continue;
        const std::size_t k = i / 3;
        const int row = static_cast<int>(k % CDayData::RowCount);
        document.UpdateDay(days[i].GetDate(), [&](CDayData& day) {
            fields[k % std::size(fields)](day, row, Sj(odd[k % std::size(odd)]));
            day.SetIro(row, static_cast<int>(k % 9)); // 8 is no colour of the table: 白
        });
    }
    for (const CsvFormulas formulas : {CsvFormulas::Neutralised, CsvFormulas::Raw}) {
        const std::string written = DayCsvText(document, {}, formulas);
        const std::string expected = PlainDayCsv(document, formulas);
        // The first line that differs, rather than two texts of 600 kB.
        const auto differs =
            std::mismatch(written.begin(), written.end(), expected.begin(), expected.end()).first;
        const std::size_t line = written.rfind('\n', static_cast<std::size_t>(differs - written.begin())) + 1;
        EXPECT_EQ(written.substr(line, 300), expected.substr(line, 300));
        EXPECT_EQ(written.size(), expected.size());
    }
}

TEST(CsvExportTest, RangeTakesItsDaysOnly)
{
    const CPlanovaDoc document = SchoolYearDocument(2024);
    struct Case
    {
        ExportRange Range;
        const char* First;
        const char* Last;
    };
    const Case cases[] = {
        {{Date(2024, 5, 3), Date(2024, 5, 3)}, "2024/05/03", "2024/05/03"},
        {{Date(2025, 3, 1), {}}, "2025/03/03", "2025/03/31"},
        {{{}, Date(2024, 4, 7)}, "2024/04/01", "2024/04/06"},
    };
    for (const Case& c : cases) {
        const std::vector<Record> records = ReadExport(DayCsvText(document, c.Range));
        ASSERT_GT(records.size(), 1u) << c.First;
        EXPECT_EQ(records[1][0], c.First);
        EXPECT_EQ(records.back()[0], c.Last);
    }
    const std::vector<Record> none = ReadExport(DayCsvText(document, {Date(2030, 1, 1), Date(2030, 12, 31)}));
    EXPECT_EQ(none, std::vector<Record>{DayHeader});
}

TEST(CsvExportTest, ToDoListInItsOwnOrder)
{
    CPlanovaDoc document = SchoolYearDocument(2024);
    CToDo item;
    item.SetKennmei(Sj("名簿, 座席表の\"確認\""));
    item.SetKigenn(2025, 2, 30); // no such date
    item.SetJyuuyoudo("C3");
    item.SetMemo(Sj("1行目\r\n2行目"));
    document.AppendToDo(item);

    const std::vector<Record> records = ReadExport(ToDoCsvText(document));
    ASSERT_EQ(records.size(), 12u);
    EXPECT_EQ(records[0], (Record{"件名", "期限", "重要度", "メモ"}));
    EXPECT_EQ(records[1], (Record{"家庭訪問の日程調整", "2024/04/26", "A1", "全員分の希望を集める"}));
    EXPECT_EQ(records[3], (Record{"体育祭の係分担表", "2024/05/10", "B1", ""}));
    EXPECT_EQ(records[11], (Record{"名簿, 座席表の\"確認\"", "", "C3", "1行目\r\n2行目"}));
}

TEST(CsvExportTest, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"line\r\nbreak", "\"line\r\nbreak\""},
        {"lf\nonly", "\"lf\nonly\""},
        {"cr\ronly", "\"cr\ronly\""},
        {" spaced ", " spaced "},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvText::Field(text), field) << text;
}

TEST(CsvExportTest, FieldsThatSpreadsheetsRunGetAnApostropheUnlessRaw)
{
    struct Case
    {
        const char* Text;
        const char* Neutralised;
        const char* Raw;
    };
    const Case cases[] = {
        {"=1+1", "'=1+1", "=1+1"},
        {"+1", "'+1", "+1"},
        {"-2+3", "'-2+3", "-2+3"},
        {"@SUM(1;2)", "'@SUM(1;2)", "@SUM(1;2)"},
        {"\tA", "'\tA", "\tA"},
        // A field that must be quoted gets the apostrophe inside the quotes.
        {"\rA", "\"'\rA\"", "\"\rA\""},
        {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"",
         "\"=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
        // Only the first character counts; the date and row columns never start with one.
        {"1-2 国語", "1-2 国語", "1-2 国語"},
        {"a=b", "a=b", "a=b"},
        {"'=already", "'=already", "'=already"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvText::Field(c.Text, CsvFormulas::Neutralised), c.Neutralised) << c.Text;
        EXPECT_EQ(CsvText::Field(c.Text, CsvFormulas::Raw), c.Raw) << c.Text;
    }
}

TEST(CsvExportTest, BytesThatAreNotCodePage932AreRefusedNamingTheField)
{
    CPlanovaDoc document;
    document.UpdateDay(Date(2024, 9, 2), [&](CDayData& day) { day.SetJigenn(0, "\x81"); });
    try {
        DayCsvText(document, {});
        ADD_FAILURE() << "not refused";
    } catch (const ExportError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("2024年9月2日の1行目の時限を書き出せません: ", 0), 0u)
            << error.what();
    }
}
