#include "export/WorkbookExport.h"

#include "calendar/ClassHourCount.h"
#include "calendar/ToolDates.h"
#include "export/ExportTables.h"
#include "export/WorkbookSheet.h"
#include "model/Cp932Codec.h"
#include "model/SafeSave.h"
#include "model/TextFunctions.h"

#include <xlsxwriter.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace planova {
namespace {

/// The temporary folder ($TMPDIR, or /tmp); ExportError when there is none (TMPDIR naming no folder).
std::string TemporaryFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        throw ExportError("一時ファイルを置くフォルダー (環境変数 TMPDIR) を使えません: " + error.message());
    return folder.string();
}

/// A file of its own in the temporary folder, removed with the object: libxlsxwriter writes to a path.
class TemporaryFile
{
public:
    TemporaryFile() : Folder(TemporaryFolder())
    {
        std::string pattern = (std::filesystem::path(Folder) / "planova-XXXXXX.xlsx").string();
        const int fd = mkstemps(pattern.data(), 5);
        if (fd < 0)
            throw ExportError("一時ファイルを作れません。");
        close(fd);
        Path = pattern;
    }
    ~TemporaryFile() { std::remove(Path.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    std::string Folder; ///< the temporary folder ($TMPDIR, or /tmp)
    std::string Path;
};

/// A workbook given up on (an export refused or stopped) is freed without being written.
struct WorkbookCloser
{
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

/// The day table's columns in a workbook: the date cell's format shows the weekday.
std::vector<const DayColumn*> WorkbookDayColumns()
{
    std::vector<const DayColumn*> columns;
    for (const DayColumn& column : DayColumns) {
        if (column.Kind != CellKind::Weekday)
            columns.push_back(&column);
    }
    return columns;
}

template <typename Columns> std::vector<const char*> Headers(const Columns& columns)
{
    std::vector<const char*> headers;
    for (const auto& column : columns)
        headers.push_back(column->Header);
    return headers;
}

/// Writes one cell of a table column: its kind decides the cell's type.
void WriteCell(WorkbookSheet& sheet, lxw_row_t row, lxw_col_t column, CellKind kind, std::string_view text,
               const DateTime& date)
{
    switch (kind) {
    case CellKind::Date:
        sheet.Date(row, column, date, text);
        return;
    case CellKind::Number: {
        int number = 0;
        std::from_chars(text.data(), text.data() + text.size(), number);
        sheet.Number(row, column, number);
        return;
    }
    case CellKind::Text:
    case CellKind::Weekday:
        sheet.Text(row, column, text);
        return;
    }
}

class WorkbookWriter
{
public:
    WorkbookWriter(const CPlanovaDoc& document, const ExportProgress& progress, std::size_t steps)
        : Document(document), Progress(progress), Steps(steps)
    {
    }

    void DaySheet(lxw_workbook* workbook, const WorkbookFormats& formats,
                  const std::vector<const CDayData*>& days)
    {
        const std::vector<const DayColumn*> columns = WorkbookDayColumns();
        WorkbookSheet sheet(workbook, "予定", formats, Headers(columns));
        DayTexts texts;
        lxw_row_t row = 0;
        for (const CDayData* day : days) {
            texts.Read(*day);
            for (int line = 0; line < CDayData::RowCount; ++line) {
                ++row;
                for (std::size_t c = 0; c < columns.size(); ++c)
                    WriteCell(sheet, row, static_cast<lxw_col_t>(c), columns[c]->Kind,
                              columns[c]->Value(texts, line), texts.Date);
            }
            Step();
        }
        sheet.Finish(row);
    }

    void ToDoSheet(lxw_workbook* workbook, const WorkbookFormats& formats)
    {
        std::vector<const ToDoColumn*> columns;
        for (const ToDoColumn& column : ToDoColumns)
            columns.push_back(&column);
        WorkbookSheet sheet(workbook, "ToDo", formats, Headers(columns));
        ToDoTexts texts;
        const std::vector<CToDo>& todos = Document.ToDoList();
        lxw_row_t row = 0;
        for (std::size_t index = 0; index < todos.size(); ++index) {
            texts.Read(todos[index], index);
            ++row;
            for (std::size_t c = 0; c < columns.size(); ++c)
                WriteCell(sheet, row, static_cast<lxw_col_t>(c), columns[c]->Kind, columns[c]->Value(texts),
                          texts.Deadline);
            Step();
        }
        sheet.Finish(row);
    }

    void ClassHourSheet(lxw_workbook* workbook, const WorkbookFormats& formats, const ExportRange& range)
    {
        const ClassHourPeriod period = CountingPeriod(Document, range.First, range.Last);
        if (!period.First.IsValid() || !period.Last.IsValid())
            throw ExportError("授業時数の計算期間が正しい日付ではありません。期間を指定してください。");
        if (const std::string refusal = DateRangeRefusal(period.First, period.Last); !refusal.empty())
            throw ExportError("授業時数の計算期間: " + refusal);

        std::vector<std::string> names;
        std::vector<int> offsets;
        for (std::size_t i = 0; i < Document.Class.size(); ++i) {
            if (!Document.Class[i].empty()) {
                names.push_back(Document.Class[i]);
                offsets.push_back(Document.Offset[i]);
            }
        }
        const std::vector<int> counts = CountClassHours(Document, names, period.First, period.Last);
        WorkbookSheet sheet(workbook, "授業時数", formats,
                            {"学級名", "オフセット値", "時数", "計算結果", "開始日", "終了日"});
        const std::string first = FormatDate(period.First, static_cast<int>(DateForm::Slashes));
        const std::string last = FormatDate(period.Last, static_cast<int>(DateForm::Slashes));
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto row = static_cast<lxw_row_t>(i + 1);
            sheet.Text(row, 0, Cp932ToUtf8Lenient(names[i]));
            sheet.Number(row, 1, offsets[i]);
            sheet.Number(row, 2, counts[i]);
            sheet.Number(row, 3, static_cast<double>(std::int64_t{offsets[i]} + counts[i]));
            sheet.Date(row, 4, period.First, first);
            sheet.Date(row, 5, period.Last, last);
        }
        sheet.Finish(static_cast<lxw_row_t>(names.size()));
    }

private:
    void Step() { ReportProgress(Progress, ++Done, Steps); }

    const CPlanovaDoc& Document;
    const ExportProgress& Progress;
    std::size_t Steps;
    std::size_t Done = 0;
};

} // namespace

std::string WorkbookBytes(const CPlanovaDoc& document, const ExportRange& range,
                          const ExportProgress& progress)
{
    const std::vector<const CDayData*> days = StoredDaysInRange(document, range);
    const TemporaryFile file;
    {
        // libxlsxwriter keeps each sheet's XML in a file of its own until it zips them; by default
        // in /tmp, whatever $TMPDIR says. They go where the workbook's own temporary file goes.
        lxw_workbook_options options{};
        std::string folder = file.Folder;
        options.tmpdir = folder.data();
        WorkbookHandle workbook(workbook_new_opt(file.Path.c_str(), &options));
        if (!workbook)
            throw ExportError("Excel ファイルを作れません。");
        const WorkbookFormats formats(workbook.get());
        WorkbookWriter writer(document, progress, days.size() + document.ToDoList().size());
        writer.DaySheet(workbook.get(), formats, days);
        writer.ToDoSheet(workbook.get(), formats);
        writer.ClassHourSheet(workbook.get(), formats, range);
        if (const lxw_error error = workbook_close(workbook.release()); error != LXW_NO_ERROR)
            throw ExportError(std::string("Excel ファイルを作れません: ") + lxw_strerror(error));
    }
    std::string bytes;
    if (const Outcome read = ReadWholeFile(file.Path, bytes); !read.Ok)
        throw ExportError("Excel ファイルを作れません: " + read.Error);
    return bytes;
}

} // namespace planova
