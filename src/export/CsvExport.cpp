#include "export/CsvExport.h"

#include "export/ExportTables.h"

#include <algorithm>

namespace planova {
namespace {

template <typename Columns> void AddHeader(CsvText& csv, const Columns& columns)
{
    for (const auto& column : columns)
        csv.AddField(column.Header);
    csv.EndRecord();
}

} // namespace

std::string DayCsvText(const CPlanovaDoc& document, const ExportRange& range, CsvFormulas formulas,
                       const ExportProgress& progress)
{
    const std::vector<const CDayData*> days = StoredDaysInRange(document, range);
    CsvText csv(formulas);
    // About 80 bytes a line: reserved once rather than copied each time the text doubles.
    csv.Reserve(days.size() * CDayData::RowCount * 80);
    AddHeader(csv, DayColumns);
    // The fields of the day itself (date, weekday, kind, event) lead each of its ten lines: they
    // are made into CSV once a day and copied onto every line.
    const auto lineColumns = std::find_if_not(DayColumns.begin(), DayColumns.end(),
                                              [](const DayColumn& column) { return column.OfTheDay; });
    std::string dayFields;
    DayTexts texts;
    for (std::size_t done = 0; done < days.size(); ++done) {
        texts.Read(*days[done]);
        dayFields.clear();
        for (auto column = DayColumns.begin(); column != lineColumns; ++column) {
            if (column != DayColumns.begin())
                dayFields += ',';
            CsvText::AppendField(dayFields, column->Value(texts, 0), formulas);
        }
        for (int row = 0; row < CDayData::RowCount; ++row) {
            if (lineColumns != DayColumns.begin())
                csv.AddFields(dayFields);
            for (auto column = lineColumns; column != DayColumns.end(); ++column)
                csv.AddField(column->Value(texts, row));
            csv.EndRecord();
        }
        ReportProgress(progress, done + 1, days.size());
    }
    return csv.Take();
}

std::string ToDoCsvText(const CPlanovaDoc& document, CsvFormulas formulas, const ExportProgress& progress)
{
    const std::vector<CToDo>& todos = document.ToDoList();
    CsvText csv(formulas);
    AddHeader(csv, ToDoColumns);
    ToDoTexts texts;
    for (std::size_t index = 0; index < todos.size(); ++index) {
        texts.Read(todos[index], index);
        for (const ToDoColumn& column : ToDoColumns)
            csv.AddField(column.Value(texts));
        csv.EndRecord();
        ReportProgress(progress, index + 1, todos.size());
    }
    return csv.Take();
}

} // namespace planova
