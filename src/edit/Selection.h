#pragma once

#include "model/DateTime.h"
#include "view/Canvas.h"
#include "view/ScreenLayout.h"

#include <cstdint>

namespace planova {

class ViewServices;
class PlannerView;
struct ViewState;

/// A planner cell as day column and row: rows 0–12 of a day column, or the week row 0–5 of the month grid.
struct CellPlace
{
    int Column = 0;
    int Row = 0;
    bool operator==(const CellPlace&) const = default;
};

/// The day column and row of a cell index (the reverse of CellIndexOf).
CellPlace SplitCell(ViewMode mode, int cell);

/// The day a cell shows on the grid that starts at firstShown: + column days, + 7 × week row in the month
/// view.
DateTime DayOfCell(ViewMode mode, const DateTime& firstShown, int cell);

/// What a point hits among the rectangles of the last redraw (−1: nothing).
struct HitResult
{
    int Cell = -1;
    int ToDoRow = -1;
};

/**
 * Tests the cells in index order, then (only while the ToDo pane is shown) the ToDo rows; the first
 * rectangle that holds the point wins. The point is in client pixels; the planner does not scroll.
 */
HitResult HitTest(const ViewState& state, Point point);

/**
 * SelectCellDay: the day of the selected cell becomes the shown day. A day of
 * the neighbouring month in the month view moves the grid to that month at once (FirstShownDate)
 * and the selection with it, to the cell where the day stands on the new grid.
 */
void SelectCellDay(PlannerView& view);

/**
 * Left press: selects the hit cell (and makes its day the current day) or the hit ToDo row;
 * anything else clears the selection. `time` (milliseconds) is kept for a double-click that may follow.
 */
void PressLeft(PlannerView& view, Point point, std::int64_t time);

/**
 * Left double-click: selects the hit cell and opens it, or selects the hit ToDo row and opens its
 * item (the header row sorts the list). The cell is taken on the grid of the double-click's first
 * click, the nearest earlier press on the same cell less than `interval` milliseconds before.
 * Returns true when the document was changed.
 */
bool DoubleClickLeft(PlannerView& view, Point point, std::int64_t time, int interval, ViewServices& dialogs);

/**
 * Right press: selects the hit cell or ToDo row without changing the shown day. Returns true when
 * the cell context menu is to open (a cell or an item row is selected, not the ToDo header).
 */
bool PressRight(PlannerView& view, Point point);

/**
 * The mouse wheel turned by `lines` over a point (positive: towards later items). Over the shown
 * ToDo pane the pane scrolls line by line, as the scroll bar's arrows scroll it, and true is
 * returned; elsewhere nothing changes and false is returned.
 */
bool WheelOverToDo(PlannerView& view, Point point, int lines);

/// The day of the selected cell's column: FirstShownDate + column days.
DateTime SelectedColumnDay(const PlannerView& view);

/// The ToDo item number of the selected pane row: SelectedToDoRow − 1 + ToDoScrollTop.
int SelectedItem(const ViewState& state);

/// Selects pane row p; a row below the pane scrolls the pane so that it is the last row shown.
void SelectPaneRow(ViewState& state, int p);

/// The keys the view takes for itself while a cell or a ToDo row is selected.
enum class NavigationKey
{
    Enter,
    Left,
    Right,
    Up,
    Down
};

/// Whether the view takes the key now (a cell or a ToDo row is selected); otherwise it goes on unchanged.
bool TakesKey(const ViewState& state);

/// What a key did.
struct KeyOutcome
{
    bool Taken = false;           ///< the key was consumed
    bool DocumentChanged = false; ///< Enter opened an entry and it was confirmed
};

/**
 * A key pressed: Enter opens the selection; the arrows move the selected cell within its day
 * column and the grid, or ↑ and ↓ the selected ToDo row (scrolling the pane at its ends; ← and →
 * are taken and change nothing there). The shown day does not change.
 */
KeyOutcome PressKey(PlannerView& view, NavigationKey key, ViewServices& dialogs);

} // namespace planova
