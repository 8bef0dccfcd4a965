#include "view/PlannerView.h"

#include "view/InfoPaneIcons.h"
#include "view/ViewSky.h"

#include <algorithm>
#include <utility>

namespace planova {

PlannerView::PlannerView(CPlanovaDoc& document) : Doc(document) {}

void PlannerView::InitialUpdate(const DateTime& today)
{
    const DateTime date = today.DateOnly();
    State.CalendarDate = date;
    State.CurrentDate = date;
    State.ToDoCount = Doc.ToDoCount();
    State.SelectedCell = -1;
    State.SelectedToDoRow = -1;

    // A display type that only a hand-made file can hold is shown as the nearest valid one.
    State.DspType = static_cast<int>(ViewModeOf(Doc.DspType));
    State.StartWeekday = Doc.StartWeekday;
    State.ToDoView = Doc.ToDoView;
    State.ToDoSort = Doc.ToDoSort;
    State.JUwagaki = Doc.JUwagaki;
    Print = CopyPrintSettings(Doc);
    Print.PrintStartDate = State.CurrentDate;
    Print.PrintEndDate = State.CurrentDate;
    Print.WakunaiNuritubushi = true;

    State.ToDoScrollTop = 0;
    Doc.InitUndoHistory();
}

void PlannerView::ShowView(ViewMode mode)
{
    State.DspType = static_cast<int>(mode);
    Print.PrintType = static_cast<int>(mode);
    State.ToDoView = mode == ViewMode::Day;
    State.SelectedCell = -1;
    State.SelectedToDoRow = -1;
}

void PlannerView::ToggleToDoView()
{
    State.ToDoView = !State.ToDoView;
    State.SelectedCell = -1;
    State.SelectedToDoRow = -1;
}

void PlannerView::GoToDate(const DateTime& date)
{
    State.CurrentDate = date.DateOnly();
    State.CalendarDate = State.CurrentDate;
}

void PlannerView::Step(int direction)
{
    const DateTime from = State.CurrentDate;
    DateTime to = from;
    switch (Mode()) {
    case ViewMode::Day:
        to = from.AddDays(direction);
        break;
    case ViewMode::Week:
        to = from.AddDays(WeekDays * direction);
        break;
    case ViewMode::Month:
        to = StepMonth(from, direction);
        break;
    }
    // Past the last or before the first representable day the view stays where it is.
    if (!to.IsValid())
        to = from;
    GoToDate(to);
    State.SelectedCell = -1;
}

void PlannerView::SelectCalendarDate(const DateTime& date)
{
    if (!date.IsValid())
        return;
    GoToDate(date.DateOnly());
    State.SelectedCell = -1;
}

void PlannerView::ScrollToDo(ScrollRequest request, int thumbPosition)
{
    int p = State.ToDoScrollPos;
    switch (request) {
    case ScrollRequest::LineUp:
        --p;
        break;
    case ScrollRequest::LineDown:
        ++p;
        break;
    case ScrollRequest::PageUp:
        p -= State.ToDoRowCount;
        break;
    case ScrollRequest::PageDown:
        p += State.ToDoRowCount;
        break;
    case ScrollRequest::ThumbPosition:
        p = thumbPosition;
        break;
    case ScrollRequest::Top:
        p = 0;
        break;
    case ScrollRequest::Bottom:
        p = State.ToDoCount;
        break;
    case ScrollRequest::ThumbTrack:
        break;
    }
    p = std::clamp(p, 0, std::max(0, State.ToDoCount));
    State.ToDoScrollPos = p;
    State.ToDoScrollTop = p;
    if (State.ToDoCount - p < State.ToDoVisibleRows)
        State.ToDoScrollTop = std::max(0, State.ToDoCount - State.ToDoVisibleRows + 1);
}

DateTime PlannerView::FirstDateOfGrid() const
{
    DateTime cursor = State.CurrentDate;
    if (Mode() == ViewMode::Day || !cursor.IsValid())
        return cursor;
    if (Mode() == ViewMode::Month)
        cursor = FirstOfMonth(cursor);
    return WeekStartOf(cursor, State.StartWeekday);
}

ToDoPaneLayout PlannerView::LayOutToDo(const ScreenLayout& layout, const ScreenGeometry& geometry)
{
    ToDoPaneInput input;
    input.ClientWidth = geometry.ClientWidth;
    input.L = layout.L;
    input.PaneUnits = layout.ToDoUnits;
    input.RowCount = layout.ToDoRowCount;
    input.ToDoCount = State.ToDoCount;
    input.ScrollTop = State.ToDoScrollTop;
    input.ScrollBarWidth = geometry.ScrollBarWidth;
    ToDoPaneLayout pane = ComputeToDoPane(input);
    State.ToDoRowRects = pane.Rows;
    State.ToDoVisibleRows = pane.VisibleRows;
    State.ToDoScrollTop = pane.ScrollTop;
    return pane;
}

ScreenDrawResult PlannerView::LayoutScreen(const ScreenGeometry& geometry, int dpiX)
{
    State.MoonAgeAt21 = MoonAgeAt21On(State.CurrentDate);

    ScreenDrawResult result;
    ScreenLayoutInput input;
    input.Mode = Mode();
    input.ToDoView = State.ToDoView;
    input.ClientWidth = geometry.ClientWidth;
    input.ClientHeight = geometry.ClientHeight;
    input.DpiX = dpiX;
    result.Layout = ComputeScreenLayout(input);
    const ScreenLayout& layout = result.Layout;
    State.CellRects = layout.Cells;
    State.CellCount = layout.CellCount();
    State.ToDoRowCount = layout.ToDoRowCount;
    State.ToDoCount = Doc.ToDoCount();
    if (State.SelectedToDoRow >= State.ToDoRowCount)
        State.SelectedToDoRow = -1;
    State.FirstShownDate = FirstDateOfGrid();
    if (State.ToDoView) {
        result.ToDoPaneShown = true;
        result.ToDoPane = LayOutToDo(layout, geometry);
    }
    result.Icons =
        PlaceInfoIcons(geometry.CalendarWidth, RhythmStatesOn(Doc, State.CurrentDate), State.MoonAgeAt21);
    return result;
}

ScreenDrawResult PlannerView::DrawScreen(Canvas& canvas, const ScreenGeometry& geometry, const DateTime& now)
{
    const ScreenDrawResult drawn = LayoutScreen(geometry, canvas.DpiX());
    PaintScreen(canvas, std::as_const(Doc), State, Print, drawn, now);
    return drawn;
}

} // namespace planova
