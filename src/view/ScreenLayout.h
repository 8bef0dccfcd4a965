#pragma once

#include "calendar/CalendarDates.h"
#include "view/Canvas.h"

#include <vector>

namespace planova {

/// The three planner views.
enum class ViewMode
{
    Day = 0,
    Week = 1,
    Month = 2
};

/// The view of a stored display type; a value other than 1 or 2 shows the day view.
ViewMode ViewModeOf(int dspType);

/// Fixed positions of the screen layout, in client pixels.
namespace ScreenOrigin {
constexpr int PlannerLeft = 160; ///< the planner starts right of the information pane
constexpr int Top = 7;           ///< top margin of the planner and the ToDo pane
constexpr int Margin = 7;        ///< a remainder below this is too small to count as a unit
} // namespace ScreenOrigin

/// Rows of one day column in the day and week views.
namespace DayRow {
constexpr int Date = 0;
constexpr int KindAndEvent = 1;
constexpr int FirstPeriod = 2; ///< rows 2–11 hold the ten period rows
constexpr int Memo = 12;
constexpr int Count = 13;
} // namespace DayRow

constexpr int MonthWeekRows = 6;

/// The face every planner text is drawn in.
constexpr const char* PlannerFace = "ＭＳ Ｐゴシック";
/// Point size of the planner font in a view.
int PlannerPointSize(ViewMode mode);

/**
 * Line height L in pixels of a font of the point size: point size × horizontal pixels per inch ÷ 72,
 * truncated; at least 1 so that no layout divides by zero on a device that reports no resolution.
 */
int LineHeightOf(int pointSize, int dpiX);

/// Whole units of L in a length of pixels; a remainder below 7 pixels gives up one more unit.
int UnitsOf(int pixels, int lineHeight);

/// How the lines of a day column are shared out (day and week views).
struct DayRowAllocation
{
    int I = 3;         ///< rows 1–11 are I + 1 lines high
    int MemoLines = 0; ///< lines of the memo row (forced to 2 when none are left)
};

/// Shares D lines: period rows shrink from 4 to 1 line before the memo gets fewer than I lines.
DayRowAllocation AllocateDayRows(int lines);

/// Lines of one week row of the month grid for a client height (the top two lines are the header).
int MonthWeekRowLines(int clientHeight, int lineHeight);

/// Cell index of a column and row: day view row, week view column × 13 + row, month view column × 6 + week
/// row.
int CellIndexOf(ViewMode mode, int column, int row);

/// What the screen layout depends on.
struct ScreenLayoutInput
{
    ViewMode Mode = ViewMode::Day;
    bool ToDoView = false;
    int ClientWidth = 0;
    int ClientHeight = 0;
    int DpiX = 96;
};

/// The planner's geometry for one screen redraw.
struct ScreenLayout
{
    ViewMode Mode = ViewMode::Day;
    int PointSize = 9;
    int L = 1;             ///< line height
    int H = 0;             ///< half a line
    int WidthUnits = 0;    ///< Wu
    int HeightUnits = 0;   ///< Hu, also the lines D of a day column
    int ToDoUnits = 0;     ///< X, width of the ToDo pane (0 when hidden)
    int ColumnUnits = 0;   ///< Cw
    int PlannerUnits = 0;  ///< Z = Cw × columns
    int Columns = 1;       ///< C
    int DayRows = 1;       ///< R: day rows of the grid (6 in the month view)
    DayRowAllocation Rows; ///< day and week views
    int WeekRowLines = 0;  ///< Rm, month view
    Rect Frame;            ///< the planner's outline
    std::vector<Rect> Cells;
    int ToDoRowCount = 0; ///< rows of the ToDo pane: Hu ÷ 2

    int CellCount() const { return static_cast<int>(Cells.size()); }
    int ColumnLeft(int column) const;
    /// Number of days the grid shows: columns × day rows.
    int DayCount() const { return Columns * DayRows; }
    /// The 13 cells of day column c (day and week views).
    const Rect* DayColumnCells(int column) const { return Cells.data() + column * DayRow::Count; }
};

/// Computes the whole screen layout from the client size and the device resolution.
ScreenLayout ComputeScreenLayout(const ScreenLayoutInput& input);

} // namespace planova
