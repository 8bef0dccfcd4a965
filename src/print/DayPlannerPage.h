#pragma once

#include "print/PrintedPage.h"

#include <vector>

namespace planova {

/// The cells of the printed day planner: 3 columns × 12 rows, index column × 12 + row.
namespace DayPlannerCell {
constexpr int Columns = 3;
constexpr int Rows = 12;
constexpr int Count = Columns * Rows;
constexpr int FirstPeriod = 1; ///< rows 1–10 are the ten period rows
constexpr int Memo = 11;
/// Row 0: column 0 the date, column 1 the event, column 2 the time-table kind.
constexpr int Index(int column, int row)
{
    return column * Rows + row;
}
} // namespace DayPlannerCell

/**
 * The cells of the day planner on a page, on its unit grid: the date row over the full width
 * (3 lines) with the event (lines 1–3) and the time-table kind (lines 0–2) from unit 20 on; ten period
 * rows of 4 lines each split into label (units 0–3), plan (3–9) and content (9–20); the memo from line 43
 * to the last line. Cells are kept inside the page's grid. The memo row's columns 1 and 2 are empty.
 */
std::vector<Rect> DayPlannerCells(const PageGeometry& geometry, PageSide side);

/**
 * Draws a page of the day planner: the planner on the left page (or the one page), the record sheet
 * on the right page. Returns the bottom of the last row.
 */
int DrawDayPlannerSide(const PrintedPage& page, PageSide side);

} // namespace planova
