#pragma once

#include "print/PrintedPage.h"

namespace planova {

/**
 * The cells of the month list: one column of 32 rows, index column × 32 + row. Row r is day r + 1 on
 * the one page; on the pages of a spread rows 0–15 are the left page (days 1–16) and rows 16–31 the
 * right page (days 17–31, row 31 stays empty).
 */
namespace MonthListCell {
constexpr int Rows = 32;
constexpr int RowsPerSpreadPage = 16;
constexpr int RowsOnOnePage = 31;
constexpr int Count = 99;
constexpr int Index(int column, int row)
{
    return column * Rows + row;
}
} // namespace MonthListCell

/// The cell count of the month planner in the layout P_VL_Type chooses (vertical 56, list 99).
int MonthPlannerCellCount(const PrintSettings& settings);

/// The first date of the vertical month grid: the 1st of the month moved back to the start weekday.
DateTime MonthGridStart(const DateTime& date, int startWeekday);

/**
 * Draws a page of the month planner for the month of the page's date, vertical (the six-week cells of
 * SixWeekCell) or list. Days of the
 * neighbouring months in the vertical grid show only their date, in grey. Returns the bottom of the
 * last row.
 */
int DrawMonthPlannerSide(const PrintedPage& page, PageSide side);

} // namespace planova
