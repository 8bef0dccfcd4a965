#include "export/WorkbookSheet.h"

#include "export/ExportSource.h"

#include <algorithm>

namespace planova {
namespace {

constexpr uint8_t PaperA4 = 9;
// A date cell shows "2024/06/12 (水)"; a column is kept narrow enough to read beside the others.
constexpr double DateWidth = 16;
constexpr double WidestColumn = 60;
constexpr double ColumnMargin = 2;

/// The text with CR LF and a lone CR as the LF of a cell.
std::string CellLineBreaks(std::string_view text)
{
    std::string cell;
    cell.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            cell += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            cell += '\n';
    }
    return cell;
}

} // namespace

WorkbookFormats::WorkbookFormats(lxw_workbook* workbook)
    : Header(workbook_add_format(workbook)), Date(workbook_add_format(workbook)),
      Text(workbook_add_format(workbook))
{
    format_set_bold(Header);
    format_set_bg_color(Header, 0xD9D9D9);
    format_set_bottom(Header, LXW_BORDER_THIN);
    // "aaa" is the Japanese weekday of Excel; the Japanese locale [$-411] makes every spreadsheet
    // read it so (without it LibreOffice in another locale takes "mm" for minutes).
    format_set_num_format(Date, "[$-411]yyyy/mm/dd (aaa)");
    format_set_align(Date, LXW_ALIGN_VERTICAL_TOP);
    format_set_align(Text, LXW_ALIGN_VERTICAL_TOP);
    format_set_text_wrap(Text);
}

WorkbookSheet::WorkbookSheet(lxw_workbook* workbook, const char* name, const WorkbookFormats& formats,
                             const std::vector<const char*>& headers)
    : Sheet(workbook_add_worksheet(workbook, name)), Formats(formats), Name(name),
      Headers(headers.begin(), headers.end()), Widths(headers.size(), 0)
{
    if (Sheet == nullptr)
        throw ExportError("「" + Name + "」シートを作れません。");
    for (std::size_t column = 0; column < headers.size(); ++column) {
        const auto col = static_cast<lxw_col_t>(column);
        Check(worksheet_write_string(Sheet, 0, col, headers[column], Formats.Header), 0, col);
        Widen(col, DisplayWidth(headers[column]));
    }
    worksheet_freeze_panes(Sheet, 1, 0);
    worksheet_set_paper(Sheet, PaperA4);
    worksheet_set_landscape(Sheet);
    worksheet_fit_to_pages(Sheet, 1, 0);
    Check(worksheet_repeat_rows(Sheet, 0, 0), 0, 0);
}

void WorkbookSheet::Text(lxw_row_t row, lxw_col_t column, std::string_view text)
{
    if (text.empty())
        return;
    Line.assign(text);
    if (Line.find('\r') != std::string::npos)
        Line = CellLineBreaks(text);
    Check(worksheet_write_string(Sheet, row, column, Line.c_str(), Formats.Text), row, column);
    // A text is never wider than its bytes, so most cells of a long column need no measuring.
    if (static_cast<double>(Line.size()) > Widths[column])
        Widen(column, DisplayWidth(Line));
}

void WorkbookSheet::Date(lxw_row_t row, lxw_col_t column, const DateTime& date, std::string_view shown)
{
    if (!date.IsValid())
        return;
    if (date.Year() < 1900) {
        Text(row, column, shown);
        return;
    }
    lxw_datetime value{date.Year(), date.Month(), date.Day(), 0, 0, 0};
    Check(worksheet_write_datetime(Sheet, row, column, &value, Formats.Date), row, column);
    Widen(column, DateWidth);
}

void WorkbookSheet::Number(lxw_row_t row, lxw_col_t column, double value)
{
    Check(worksheet_write_number(Sheet, row, column, value, nullptr), row, column);
    Widen(column, DisplayWidth(std::to_string(static_cast<long long>(value))));
}

void WorkbookSheet::Finish(lxw_row_t lastRow)
{
    for (std::size_t column = 0; column < Widths.size(); ++column) {
        const auto col = static_cast<lxw_col_t>(column);
        Check(worksheet_set_column(Sheet, col, col, std::min(Widths[column] + ColumnMargin, WidestColumn),
                                   nullptr),
              0, col);
    }
    Check(worksheet_autofilter(Sheet, 0, 0, lastRow, static_cast<lxw_col_t>(Widths.size() - 1)), 0, 0);
}

double WorkbookSheet::DisplayWidth(std::string_view text)
{
    double widest = 0;
    double line = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n' || byte == '\r') {
            line = 0;
        } else if (byte < 0x80) {
            line += 1;
        } else if (byte >= 0xC0) {
            // A lead byte: characters of three or more bytes (kana, kanji, full-width forms) are
            // wide, but for the half-width katakana U+FF61–U+FF9F (EF BD A1 … EF BE 9F).
            const std::string_view rest = text.substr(i);
            const bool halfWidth = rest.size() >= 3 && byte == 0xEF &&
                                   ((rest[1] == '\xBD' && static_cast<unsigned char>(rest[2]) >= 0xA1) ||
                                    (rest[1] == '\xBE' && static_cast<unsigned char>(rest[2]) <= 0x9F));
            line += byte >= 0xE0 && !halfWidth ? 2 : 1;
        }
        widest = std::max(widest, line);
    }
    return widest;
}

void WorkbookSheet::Check(lxw_error error, lxw_row_t row, lxw_col_t column) const
{
    if (error == LXW_NO_ERROR)
        return;
    const std::string where = "「" + Name + "」シートの " + std::to_string(row + 1) + " 行目の「" +
                              (column < Headers.size() ? Headers[column] : std::string()) + "」";
    switch (error) {
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        throw ExportError(where + "の文字列が長すぎます (1つのセルには 32767 文字まで)。");
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        throw ExportError("「" + Name +
                          "」シートの行数が上限 (1048576 行) を超えます。期間を短くしてください。");
    default:
        throw ExportError(where + "を書き込めません: " + lxw_strerror(error));
    }
}

void WorkbookSheet::Widen(lxw_col_t column, double width)
{
    double& current = Widths[column];
    current = std::max(current, width);
}

} // namespace planova
