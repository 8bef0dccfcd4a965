#pragma once

#include "print/PrintedPage.h"

#include <vector>

namespace planova {

/**
 * The cells of the printed week planner: eight slots (the seven days and the extra slot, which holds the
 * class-hour count with "時数をカウントする"). Vertical: slot column × 12 + row, rows 0 (date, kind, event),
 * 1–10 (periods) and 11 (memo). List: one cell per slot, index = slot.
 */
namespace WeekPlannerCell {
constexpr int Days = 7;
constexpr int Slots = Days + 1;
constexpr int Extra = Days; ///< the slot after the seventh day
constexpr int Rows = 12;    ///< rows of a vertical column
constexpr int Count = Slots * Rows;
constexpr int FirstPeriod = 1;
constexpr int Memo = 11;
constexpr int Index(int column, int row)
{
    return column * Rows + row;
}
} // namespace WeekPlannerCell

/// The first day of a week page: the page's date moved back to the start weekday (0 Sunday, 1 Monday).
DateTime FirstDayOfWeekPage(const DateTime& date, int startWeekday);

/// The slots a refill page shows, [First, End): 0–3 and 4–7 on the pages of a spread, 0–6 (0–7 with the
/// class-hour count) on the one page.
struct WeekSlots
{
    int First = 0;
    int End = 0;
    int Count() const { return End - First; }
};
WeekSlots WeekSlotsOn(PageSide side, const ViewPrintState& print);

/**
 * The cells of a refill page of the week planner on its unit grid, at their indices (the other slots' cells
 * are left empty). Vertical: column k of the page spans units kC–(k + 1)C, C = units across ÷ columns per
 * page; row 0 lines 1–6, rows 1–10 lines 1 + 5r to 6 + 5r, row 11 line 56 to the last line. List: row k of
 * the page spans the page's width and lines 1 + kR to 1 + (k + 1)R, R = lines down ÷ rows per page. Line 0
 * is left for the titles. Cells are kept on the page: a row reaching below the last line is cut there.
 */
std::vector<Rect> WeekPlannerCells(const PageGeometry& geometry, const ViewPrintState& print, PageSide side);

/**
 * Draws a refill page of the week planner (vertical or list by P_VL_Type): grid, days, the class-hour count
 * in the extra slot, and the titles above the first row. Returns the bottom of its last row.
 */
int DrawWeekPlannerSide(const PrintedPage& page, PageSide side);

} // namespace planova
