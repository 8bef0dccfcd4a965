#include "export/CsvExport.h"

#include "export/CsvText.h"
#include "model/CellColours.h"
#include "model/TextFunctions.h"

#include <array>

namespace planova {
namespace {

std::string DayText(const CDayData& day, const std::string& text, const char* field)
{
    return ExportUtf8(text, FieldName::OfDay(day.GetDate(), field));
}

std::string RowText(const CDayData& day, int row, const std::string& text, const char* field)
{
    return ExportUtf8(text, FieldName::OfRow(day.GetDate(), row, field));
}

std::string DateText(const DateTime& date)
{
    return date.IsValid() ? FormatDate(date, static_cast<int>(DateForm::Slashes)) : std::string();
}

struct DayColumn
{
    const char* Header;
    std::string (*Value)(const CDayData& day, int row);
};

// One line per period row of a day; the memo, a text of its own, on the day's first line.
constexpr std::array<DayColumn, 10> DayColumns{{
    {"日付", [](const CDayData& day, int) { return DateText(day.GetDate()); }},
    {"曜日", [](const CDayData& day, int) { return DayText(day, day.WeekdayLetter(), "曜日"); }},
    {"時程", [](const CDayData& day, int) { return DayText(day, day.GetJitei(), "時程"); }},
    {"行事", [](const CDayData& day, int) { return DayText(day, day.GetGyouji(), "行事"); }},
    {"行", [](const CDayData&, int row) { return std::to_string(row + 1); }},
    {"時限", [](const CDayData& day, int row) { return RowText(day, row, day.GetJigenn(row), "時限"); }},
    {"予定", [](const CDayData& day, int row) { return RowText(day, row, day.GetYotei(row), "予定"); }},
    {"内容", [](const CDayData& day, int row) { return RowText(day, row, day.GetNaiyou(row), "内容"); }},
    {"色", [](const CDayData& day, int row) { return std::string(CellColourAt(day.GetIro(row)).Name); }},
    {"メモ",
     [](const CDayData& day, int row) { return row == 0 ? DayText(day, day.GetMemo(), "メモ") : ""; }},
}};

struct ToDoColumn
{
    const char* Header;
    std::string (*Value)(const CToDo& item, std::size_t index);
};

constexpr std::array<ToDoColumn, 4> ToDoColumns{{
    {"件名",
     [](const CToDo& item, std::size_t index) {
         return ExportUtf8(item.GetKennmei(), FieldName::OfToDo(index, "件名"));
     }},
    {"期限", [](const CToDo& item, std::size_t) { return DateText(item.GetKigenn()); }},
    {"重要度",
     [](const CToDo& item, std::size_t index) {
         return ExportUtf8(item.GetJyuuyoudo(), FieldName::OfToDo(index, "重要度"));
     }},
    {"メモ", [](const CToDo& item,
                std::size_t index) { return ExportUtf8(item.GetMemo(), FieldName::OfToDo(index, "メモ")); }},
}};

template <typename Columns> std::vector<std::string> Headers(const Columns& columns)
{
    std::vector<std::string> headers;
    for (const auto& column : columns)
        headers.emplace_back(column.Header);
    return headers;
}

template <typename Columns, typename Record, typename Key>
std::vector<std::string> Values(const Columns& columns, const Record& record, Key key)
{
    std::vector<std::string> values;
    for (const auto& column : columns)
        values.push_back(column.Value(record, key));
    return values;
}

} // namespace

std::string DayCsvText(const CPlanovaDoc& document, const ExportRange& range, const ExportProgress& progress)
{
    const std::vector<const CDayData*> days = StoredDaysInRange(document, range);
    CsvText csv;
    csv.AddRecord(Headers(DayColumns));
    for (std::size_t done = 0; done < days.size(); ++done) {
        for (int row = 0; row < CDayData::RowCount; ++row)
            csv.AddRecord(Values(DayColumns, *days[done], row));
        ReportProgress(progress, done + 1, days.size());
    }
    return csv.Text();
}

std::string ToDoCsvText(const CPlanovaDoc& document, const ExportProgress& progress)
{
    const std::vector<CToDo>& todos = document.ToDoList();
    CsvText csv;
    csv.AddRecord(Headers(ToDoColumns));
    for (std::size_t index = 0; index < todos.size(); ++index) {
        csv.AddRecord(Values(ToDoColumns, todos[index], index));
        ReportProgress(progress, index + 1, todos.size());
    }
    return csv.Text();
}

} // namespace planova
