#pragma once

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

    /// The top line of row r: the header is lines 0 to HeaderLines, body row r follows the rows above.
    int RowTop(int row) const;
    /// Column k (counted on this page) of row r.
    Rect Cell(const PageGeometry& geometry, PageSide side, int column, int row) const;
};

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

/// The 1st of the month `monthsLater` months after the month of the date (invalid stays invalid).
DateTime FirstOfMonth(const DateTime& date, int monthsLater = 0);

/// The number of days of the date's month (0 for an invalid date).
int DaysInMonth(const DateTime& date);

/// Outlines `columns` × `rows` cells of the grid with the rule pen and draws the lines between them.
void DrawCalendarGrid(const PrintedPage& page, PageSide side, const CalendarGrid& grid, int columns,
                      int rows);

/**
 * The page titles over a grid: the left text above the first column on the left page (or the one
 * page), the right text right-aligned above the last column on the right page (or the one page).
 */
void DrawCalendarTitles(const PrintedPage& page, PageSide side, const Rect& firstColumn,
                        const Rect& lastColumn, const std::string& leftText, const std::string& rightText);

/**
 * The date of a printed day from the left of the rectangle, in its colour, followed by the
 * biorhythm markers unless they are switched off. Returns the right end of what was drawn.
 */
int DrawCalendarDate(const PrintedPage& page, const Rect& rect, const CDayData& day, const std::string& text);

/// The time-table kind on one line: red for "休日", black otherwise.
void DrawCalendarKind(const PrintedPage& page, const Rect& rect, const CDayData& day);

/// The period rows a calendar cell shows: those with a plan or a content, or a colour to fill.
std::vector<int> ShownPeriodRows(const PrintedPage& page, const CDayData& day);

/**
 * Period row m on one line: its colour filled first when "枠内を設定色で塗りつぶす" is on, then the
 * label (two units), the plan (a third of the rest) and the content, each clipped to its part.
 */
void DrawPeriodRowLine(const PrintedPage& page, const Rect& line, const CDayData& day, int row);

} // namespace planova
