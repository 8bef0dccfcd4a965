#pragma once

#include "model/DateTime.h"

#include <xlsxwriter.h>

#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// The cell formats a workbook's sheets share.
struct WorkbookFormats
{
    explicit WorkbookFormats(lxw_workbook* workbook);

    lxw_format* Header; ///< bold, on grey, a line below
    lxw_format* Date;   ///< "[$-411]yyyy/mm/dd (aaa)": the date with its Japanese weekday
    lxw_format* Text;   ///< top-aligned and wrapped, for texts with line breaks
};

/**
 * A worksheet holding one table: a header row, frozen and repeated on every printed page, then
 * typed cells. Texts are always text cells (never a formula or a number, whatever they start with);
 * dates are date cells. The widths of the columns follow the longest line written into them.
 * Printed on A4 landscape, one page wide. A cell that cannot be written (a text longer than a cell
 * holds, a row past the last one) throws ExportError naming the sheet and the row.
 */
class WorkbookSheet
{
public:
    WorkbookSheet(lxw_workbook* workbook, const char* name, const WorkbookFormats& formats,
                  const std::vector<const char*>& headers);

    /// A text cell; nothing for an empty text. Line breaks (CR LF, CR) become the LF of cells.
    void Text(lxw_row_t row, lxw_col_t column, std::string_view text);
    /// A date cell; a blank cell for an invalid date. A date before 1900 (which workbooks cannot
    /// hold) is written as the text `shown`.
    void Date(lxw_row_t row, lxw_col_t column, const DateTime& date, std::string_view shown);
    void Number(lxw_row_t row, lxw_col_t column, double value);

    /// Sets the column widths and the filter over the rows written.
    void Finish(lxw_row_t lastRow);

    /// The width of a text in a workbook's units: the longest line, a full-width character counting two.
    static double DisplayWidth(std::string_view text);

private:
    void Check(lxw_error error, lxw_row_t row, lxw_col_t column) const;
    void Widen(lxw_col_t column, double width);

    lxw_worksheet* Sheet;
    const WorkbookFormats& Formats;
    std::string Name;
    std::vector<std::string> Headers;
    std::vector<double> Widths;
    std::string Line; // reused for each text written
};

} // namespace planova
