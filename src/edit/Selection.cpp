#include "edit/Selection.h"

#include "edit/OpenEntry.h"
#include "view/PlannerView.h"
#include "edit/ToDoSort.h"

#include <algorithm>
#include <cstdlib>

namespace planova {

namespace {

constexpr int LastDayRow = DayRow::Count - 1;
constexpr int LastWeekRow = MonthWeekRows - 1;
constexpr int LastColumn = WeekDays - 1;

int FirstHit(const std::vector<Rect>& rects, int count, Point point)
{
    const int tested = std::min(count, static_cast<int>(rects.size()));
    for (int k = 0; k < tested; ++k)
        if (rects[static_cast<std::size_t>(k)].Contains(point))
            return k;
    return -1;
}

/// Clears the selection and selects what the point hits; returns the hit.
HitResult SelectAt(ViewState& state, Point point)
{
    state.SelectedCell = -1;
    state.SelectedToDoRow = -1;
    const HitResult hit = HitTest(state, point);
    state.SelectedCell = hit.Cell;
    state.SelectedToDoRow = hit.ToDoRow;
    return hit;
}

void RememberCellPress(ViewState& state, int cell, std::int64_t time)
{
    state.RecentCellPresses[0] = state.RecentCellPresses[1];
    state.RecentCellPresses[1] = CellPress{cell, state.FirstShownDate, time};
}

/**
 * The grid the first click of a double-click on the cell was made on: the earliest of the recent
 * presses on that cell within the interval. Some platforms deliver the second press of a
 * double-click as a press of its own; when the first click chose a day of another month, the grid
 * has moved between the two presses, and the double-click is about the day the user first clicked.
 */
const CellPress* FirstClickOf(const ViewState& state, int cell, std::int64_t time, int interval)
{
    for (const CellPress& press : state.RecentCellPresses)
        if (press.Cell == cell && press.Time <= time && time - press.Time < interval)
            return &press;
    return nullptr;
}

void MoveCell(PlannerView& view, NavigationKey key)
{
    ViewState& state = view.State;
    const ViewMode mode = view.Mode();
    CellPlace place = SplitCell(mode, state.SelectedCell);
    const int lastRow = mode == ViewMode::Month ? LastWeekRow : LastDayRow;
    const bool columns = mode != ViewMode::Day;
    switch (key) {
    case NavigationKey::Up:
        if (place.Row > 0)
            --place.Row;
        break;
    case NavigationKey::Down:
        if (place.Row < lastRow)
            ++place.Row;
        break;
    case NavigationKey::Left:
        if (columns && place.Column > 0)
            --place.Column;
        break;
    case NavigationKey::Right:
        if (columns && place.Column < LastColumn)
            ++place.Column;
        break;
    case NavigationKey::Enter:
        break;
    }
    state.SelectedCell = CellIndexOf(mode, place.Column, place.Row);
}

void MoveToDoRow(ViewState& state, NavigationKey key, int count)
{
    // ← and → have nothing to move in the ToDo list: they are taken and change nothing.
    if (key != NavigationKey::Down && key != NavigationKey::Up)
        return;
    int& row = state.SelectedToDoRow;
    int& top = state.ToDoScrollTop;
    if (key == NavigationKey::Down) {
        const int limit = std::min(count, state.ToDoRowCount - 1);
        if (row <= limit)
            ++row;
        if (row > limit) {
            ++top;
            --row;
            if (row + top > count)
                --top;
        }
    } else if (key == NavigationKey::Up) {
        if (row > 0)
            --row;
        if (row < 1) {
            ++row;
            top = std::max(0, top - 1);
        }
    }
    state.ToDoScrollPos = top;
}

} // namespace

CellPlace SplitCell(ViewMode mode, int cell)
{
    switch (mode) {
    case ViewMode::Week:
        return {cell / DayRow::Count, cell % DayRow::Count};
    case ViewMode::Month:
        return {cell / MonthWeekRows, cell % MonthWeekRows};
    case ViewMode::Day:
        break;
    }
    return {0, cell};
}

DateTime DayOfCell(ViewMode mode, const DateTime& firstShown, int cell)
{
    const CellPlace place = SplitCell(mode, cell);
    const int weeks = mode == ViewMode::Month ? place.Row : 0;
    return firstShown.AddDays(place.Column + WeekDays * weeks);
}

HitResult HitTest(const ViewState& state, Point point)
{
    HitResult hit;
    hit.Cell = FirstHit(state.CellRects, state.CellCount, point);
    if (state.ToDoView)
        hit.ToDoRow = FirstHit(state.ToDoRowRects, state.ToDoRowCount, point);
    return hit;
}

void SelectCellDay(PlannerView& view)
{
    ViewState& state = view.State;
    if (state.SelectedCell < 0)
        return;
    const DateTime day = DayOfCell(view.Mode(), state.FirstShownDate, state.SelectedCell);
    state.CurrentDate = day;
    state.CalendarDate = day;
    // A grey day of the neighbouring month moves the month grid to its month; the selection moves
    // with the day, so that Enter and the editing commands act on the day that was clicked. (The day
    // and week views show a clicked day where it was.)
    if (view.Mode() != ViewMode::Month)
        return;
    const DateTime gridStart = view.FirstDateOfGrid();
    if (gridStart.IsIdenticalTo(state.FirstShownDate))
        return;
    const int offset = static_cast<int>((day.ToSysDays() - gridStart.ToSysDays()).count());
    state.FirstShownDate = gridStart; // as the next redraw lays it out
    state.SelectedCell = CellIndexOf(ViewMode::Month, offset % WeekDays, offset / WeekDays);
}

void PressLeft(PlannerView& view, Point point, std::int64_t time)
{
    const HitResult hit = SelectAt(view.State, point);
    if (hit.Cell >= 0) {
        RememberCellPress(view.State, hit.Cell, time);
        SelectCellDay(view);
    }
}

bool DoubleClickLeft(PlannerView& view, Point point, std::int64_t time, int interval, ViewServices& dialogs)
{
    ViewState& state = view.State;
    const HitResult hit = SelectAt(state, point);
    if (hit.Cell >= 0) {
        if (const CellPress* first = FirstClickOf(state, hit.Cell, time, interval))
            state.FirstShownDate = first->GridStart; // the next redraw writes it again
        state.RecentCellPresses = {};
        SelectCellDay(view);
        return OpenEntry(view, dialogs);
    }
    if (hit.ToDoRow == 0)
        return SortToDo(view.Document(), state.ToDoSort);
    if (hit.ToDoRow > 0)
        return OpenEntry(view, dialogs);
    return false;
}

bool PressRight(PlannerView& view, Point point)
{
    const HitResult hit = SelectAt(view.State, point);
    return hit.Cell >= 0 || hit.ToDoRow >= 1;
}

bool WheelOverToDo(PlannerView& view, Point point, int lines)
{
    if (HitTest(view.State, point).ToDoRow < 0)
        return false;
    for (int n = 0; n < std::abs(lines); ++n)
        view.ScrollToDo(lines > 0 ? ScrollRequest::LineDown : ScrollRequest::LineUp);
    return true;
}

DateTime SelectedColumnDay(const PlannerView& view)
{
    const int column = SplitCell(view.Mode(), view.State.SelectedCell).Column;
    return view.State.FirstShownDate.AddDays(column);
}

int SelectedItem(const ViewState& state)
{
    return state.SelectedToDoRow - 1 + state.ToDoScrollTop;
}

void SelectPaneRow(ViewState& state, int p)
{
    const int lastRow = state.ToDoRowCount - 1;
    if (lastRow >= 1 && p > lastRow) {
        state.ToDoScrollTop += p - lastRow;
        state.ToDoScrollPos = state.ToDoScrollTop;
        p = lastRow;
    }
    state.SelectedToDoRow = p;
}

bool TakesKey(const ViewState& state)
{
    return state.SelectedCell >= 0 || state.SelectedToDoRow >= 0;
}

KeyOutcome PressKey(PlannerView& view, NavigationKey key, ViewServices& dialogs)
{
    KeyOutcome outcome;
    if (!TakesKey(view.State))
        return outcome;
    outcome.Taken = true;
    if (key == NavigationKey::Enter)
        outcome.DocumentChanged = OpenEntry(view, dialogs);
    else if (view.State.SelectedCell >= 0)
        MoveCell(view, key);
    else
        MoveToDoRow(view.State, key, view.Document().ToDoCount());
    return outcome;
}

} // namespace planova
