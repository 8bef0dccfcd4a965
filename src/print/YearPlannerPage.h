#pragma once

#include "print/PrintedPage.h"

namespace planova {

/**
 * The cells of the year planner: one column per month × 32 rows (row 0 the month's title, row d
 * day d), index column × 32 + row.
 */
namespace YearPlannerCell {
constexpr int Rows = 32;
constexpr int TitleLines = 2;
constexpr int Index(int column, int row)
{
    return column * Rows + row;
}
} // namespace YearPlannerCell

/// The months side by side on a page of the year planner: PYearType 0–4 give 1, 2, 3, 4 or 6.
int YearPlannerMonths(const PrintSettings& settings);

/// The cell count of the year planner: 32 × the months.
int YearPlannerCellCount(const PrintSettings& settings);

/**
 * Draws the year planner: the months from the month of the page's date on, one per column, each day
 * on one line with its date and weekday, time-table kind and event. Returns the bottom of the last row.
 */
int DrawYearPlannerSide(const PrintedPage& page, PageSide side);

} // namespace planova
