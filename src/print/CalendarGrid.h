#pragma once

#include "calendar/CalendarDates.h"
#include "print/PrintedPage.h"

#include <algorithm>
#include <string>
#include <vector>

namespace planova {

/**
 * The grid of the month and year planners on one refill page: columns C units wide side by side
 * from the page's left edge, an optional header row (row 0, HeaderLines high) and body rows of R
 * lines below it, in units and lines of the page's grid.
 */
struct CalendarGrid
{
    int ColumnUnits = 0; ///< C
    int HeaderLines = 0; ///< height of row 0 when it is a header; 0: every row is a body row
    int RowLines = 0;    ///< R
    int TopLine = 0;     ///< the line row 0 starts on: lines above it are left for the page's titles

    /// The top line of row r: the header is HeaderLines high from TopLine, body row r follows the rows
    /// above.
    int RowTop(int row) const;
    /// Column k (counted on this page) of row r.
    Rect Cell(const PageGeometry& geometry, PageSide side, int column, int row) const;
};

/**
 * The cells of a six-week calendar (the vertical month planner, the ToDo table): 7 weekday columns ×
 * 7 rows, row 0 the weekday header (HeaderLines high) and rows 1–6 the weeks, index column × 7 + row;
 * the count leaves room for 8 columns. On a spread the left page holds columns 0–3, the right page
 * the other three.
 */
namespace SixWeekCell {
constexpr int Columns = 7;
constexpr int Rows = 7;
constexpr int Weeks = Rows - 1;
constexpr int Days = Columns * Weeks; ///< 42 days
constexpr int HeaderLines = 2;
constexpr int Count = 56;
constexpr int ColumnsOfLeftPage = 4;
constexpr int Index(int column, int row)
{
    return column * Rows + row;
}
} // namespace SixWeekCell

/// The columns of a six-week calendar a page side holds, and how many columns share its width.
struct SixWeekColumns
{
    int First = 0;
    int Count = 0;
    int Across = 0; ///< 4 on both pages of a spread (the right page's fourth stays empty), 7 on one page
};

SixWeekColumns SixWeekColumnsOn(PageSide side);

/**
 * Puts the cells of the side's columns of a six-week calendar into page.Cells at their indices, and
 * draws the grid and the weekday header above the columns, column 0 being `startWeekday`.
 */
void DrawSixWeekFrame(const PrintedPage& page, PageSide side, const CalendarGrid& grid, int startWeekday);

/// The lines of text a cell holds, each one LH high, from the top of its text area.
struct CellLines
{
    Rect Area; ///< the text area cut to whole lines
    int Lh = 1;

    int Count() const { return Lh > 0 ? std::max(0, Area.Height() / Lh) : 0; }
    /// Line n, as wide as the area.
    Rect Line(int n) const { return Rect{Area.Left, Area.Top + n * Lh, Area.Right, Area.Top + (n + 1) * Lh}; }
    /// Lines n to the last.
    Rect From(int n) const { return Rect{Area.Left, Area.Top + n * Lh, Area.Right, Area.Bottom}; }
};

/**
 * Where the texts of a cell go: inset by half a line on every side, or less from the top and bottom
 * when the cell is lower than a line and two half lines, so that a cell one line high still holds
 * its line (vertically centred); cut to whole lines.
 */
CellLines CellTextLines(const PageGeometry& geometry, const Rect& cell);

/// C = trunc(units ÷ columns); 0 when there are no columns.
int ColumnUnitsFor(const PageGeometry& geometry, int columns);

/// R = trunc(lines ÷ rows), never negative; 0 when there are no rows.
int RowLinesFor(int lines, int rows);

/// Outlines `columns` × `rows` cells of the grid with the rule pen and draws the lines between them.
void DrawCalendarGrid(const PrintedPage& page, PageSide side, const CalendarGrid& grid, int columns,
                      int rows);

/// The period rows a calendar cell shows: those with a plan or a content, or a colour to fill.
std::vector<int> ShownPeriodRows(const PrintedPage& page, const CDayData& day);

/**
 * Period row m on one line: its colour filled first when "枠内を設定色で塗りつぶす" is on, then the
 * label (two units), the plan (a third of the rest) and the content, each clipped to its part.
 */
void DrawPeriodRowLine(const PrintedPage& page, const Rect& line, const CDayData& day, int row);

} // namespace planova
