#include "view/PlannerView.h"

#include "view/DayTexts.h"
#include "view/DayDrawing.h"
#include "view/InfoPaneIcons.h"
#include "view/ViewSky.h"

#include <algorithm>

namespace planova {

namespace {

constexpr Rgb White{255, 255, 255};
constexpr int SelectionPenWidth = 2;
constexpr int LabelColumnUnits = 2;    // the period label column of the day and week views
constexpr int PlanColumnEndUnits = 12; // the plan column of the day view ends here

int NormalisedWeekday(int weekday)
{
    return ((weekday % WeekDays) + WeekDays) % WeekDays;
}

bool IsShortMonth(int month)
{
    return month == 4 || month == 6 || month == 9 || month == 11;
}

Rgb HeaderColour(int column, int startWeekday)
{
    const int weekday = (column + startWeekday) % WeekDays;
    if (weekday == 0)
        return TextColours::Red;
    if (weekday == 6)
        return TextColours::Blue;
    return TextColours::Black;
}

} // namespace

DateTime StepMonth(const DateTime& date, int direction)
{
    if (!date.IsValid())
        return date;
    int year = date.Year();
    int month = date.Month() + direction;
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    int day = date.Day();
    if (month == 2)
        day = std::min(day, 28);
    else if (IsShortMonth(month))
        day = std::min(day, 30);
    return DateTime::FromDate(year, month, day);
}

int DaysBackToWeekStart(int weekday, int startWeekday)
{
    const int d = weekday + 1;
    const int s = startWeekday;
    return d > s ? d - s - 1 : d + 6 - s;
}

PlannerView::PlannerView(CPlanovaDoc& document) : Doc(document) {}

void PlannerView::InitialUpdate(const DateTime& today)
{
    const DateTime date = today.DateOnly();
    Doc.WorkDay.SetDate(date);
    Doc.LoadDay(date);
    State.CalendarDate = date;
    State.CurrentDate = date;
    State.ToDoCount = Doc.ToDoCount;
    State.SelectedCell = -1;
    State.SelectedToDoRow = -1;

    // A display type or first weekday that only a hand-made file can hold is shown as the nearest valid one.
    State.DspType = static_cast<int>(ViewModeOf(Doc.DspType));
    State.StartWeekday = NormalisedWeekday(Doc.StartWeekday);
    State.ToDoView = Doc.ToDoView;
    State.ToDoSort = Doc.ToDoSort;
    State.JUwagaki = Doc.JUwagaki;
    Print = CopyPrintSettings(Doc);
    Print.PrintStartDate = State.CurrentDate;
    Print.PrintEndDate = State.CurrentDate;
    Print.WakunaiNuritubushi = true;

    State.ToDoScrollTop = 0;
    Doc.InitUndoHistory(CPlanovaDoc::DefaultUndoCapacity);
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
    Doc.LoadDay(date);
    State.CurrentDate = Doc.WorkDay.GetDate();
    State.CalendarDate = State.CurrentDate;
}

void PlannerView::Step(int direction)
{
    const DateTime from = Doc.WorkDay.GetDate();
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
    DateTime cursor = Doc.WorkDay.GetDate();
    if (Mode() == ViewMode::Day || !cursor.IsValid())
        return cursor;
    if (Mode() == ViewMode::Month)
        cursor = DateTime::FromDate(cursor.Year(), cursor.Month(), 1);
    return cursor.AddDays(-DaysBackToWeekStart(cursor.DayOfWeek(), State.StartWeekday));
}

void PlannerView::DrawFrameAndGrid(Canvas& canvas, const ScreenLayout& layout)
{
    const int l = layout.L;
    canvas.SetPen(canvas.DeviceBackground(), 1);
    canvas.SetBrush(White);
    canvas.DrawRectangle(layout.Frame);

    const int bottom = layout.Frame.Bottom;
    const int memoTop = bottom - layout.Rows.MemoLines * l;
    for (int column = 0; column < layout.Columns; ++column) {
        const int left = layout.ColumnLeft(column);
        canvas.DrawLine({left, layout.Frame.Top}, {left, bottom});
        if (layout.Mode == ViewMode::Day) {
            const int top = layout.Cells[DayRow::KindAndEvent].Top;
            canvas.DrawLine({left + LabelColumnUnits * l, top}, {left + LabelColumnUnits * l, memoTop});
            canvas.DrawLine({left + PlanColumnEndUnits * l, top}, {left + PlanColumnEndUnits * l, memoTop});
        } else if (layout.Mode == ViewMode::Week) {
            const int top = layout.Cells[DayRow::FirstPeriod].Top;
            canvas.DrawLine({left + LabelColumnUnits * l, top}, {left + LabelColumnUnits * l, memoTop});
        }
    }
    const int rows = layout.Mode == ViewMode::Month ? MonthWeekRows : DayRow::Count;
    for (int row = 0; row < rows; ++row) {
        const int top = layout.Cells[CellIndexOf(layout.Mode, 0, row)].Top;
        canvas.DrawLine({ScreenOrigin::PlannerLeft, top}, {layout.Frame.Right, top});
    }
}

void PlannerView::DrawSelectedCell(Canvas& canvas, const ScreenLayout& layout)
{
    if (State.SelectedCell < 0 || State.SelectedCell >= layout.CellCount())
        return;
    canvas.SetPen(TextColours::Blue, SelectionPenWidth);
    canvas.SetBrush(White);
    canvas.DrawRectangle(layout.Cells[State.SelectedCell]);
}

void PlannerView::DrawMonthHeader(Canvas& canvas, const ScreenLayout& layout)
{
    const int width = layout.ColumnUnits * layout.L;
    const int top = ScreenOrigin::Top + layout.H;
    for (int k = 0; k < WeekDays; ++k) {
        const Rect rect{ScreenOrigin::PlannerLeft + k * width + layout.H, top,
                        ScreenOrigin::PlannerLeft + (k + 1) * width, top + layout.L};
        canvas.SetTextColour(HeaderColour(k, State.StartWeekday));
        canvas.DrawText(rect, WeekdayLetterOf(k + State.StartWeekday), TextSingleLine | TextCenter);
    }
    canvas.SetTextColour(TextColours::Black);
}

void PlannerView::DrawDays(Canvas& canvas, const ScreenLayout& layout)
{
    DayPainter painter(canvas, layout.L, Doc.FindHit);
    DateTime date = FirstDateOfGrid();
    State.FirstShownDate = date;
    for (int n = 0; n < layout.DayCount(); ++n, date = date.AddDays(1)) {
        const int column = n % layout.Columns;
        const int dayRow = n / layout.Columns;
        Doc.LoadDay(date);
        const RhythmMarkers markers = RhythmMarkersOn(Doc, date);
        const RhythmMarkers* shownMarkers = Print.Biorhythm ? nullptr : &markers;
        switch (layout.Mode) {
        case ViewMode::Day:
            painter.DrawDayColumn(Doc.WorkDay, shownMarkers, layout.DayColumnCells(column));
            break;
        case ViewMode::Week:
            painter.DrawWeekColumn(Doc.WorkDay, shownMarkers, layout.DayColumnCells(column), layout.Rows.I);
            break;
        case ViewMode::Month:
            painter.DrawMonthCell(Doc.WorkDay, shownMarkers,
                                  layout.Cells[CellIndexOf(ViewMode::Month, column, dayRow)]);
            break;
        }
    }
}

ToDoPaneLayout PlannerView::DrawToDo(Canvas& canvas, const ScreenLayout& layout,
                                     const ScreenGeometry& geometry, const DateTime& now)
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
    DrawToDoPane(canvas, Doc, pane, layout.L, State.SelectedToDoRow, now);
    return pane;
}

ScreenDrawResult PlannerView::DrawScreen(Canvas& canvas, const ScreenGeometry& geometry, const DateTime& now)
{
    State.MoonAgeAt21 = MoonAgeAt21On(Doc.WorkDay.GetDate());

    ScreenDrawResult result;
    ScreenLayoutInput input;
    input.Mode = Mode();
    input.ToDoView = State.ToDoView;
    input.ClientWidth = geometry.ClientWidth;
    input.ClientHeight = geometry.ClientHeight;
    input.DpiX = canvas.DpiX();
    result.Layout = ComputeScreenLayout(input);
    const ScreenLayout& layout = result.Layout;
    State.CellRects = layout.Cells;
    State.CellCount = layout.CellCount();
    State.ToDoRowCount = layout.ToDoRowCount;
    State.ToDoCount = Doc.ToDoCount;
    if (State.SelectedToDoRow >= State.ToDoRowCount)
        State.SelectedToDoRow = -1;

    canvas.SetFont(PlannerFace, layout.PointSize);
    DrawFrameAndGrid(canvas, layout);
    DrawSelectedCell(canvas, layout);

    canvas.SetTextColour(TextColours::Black);
    canvas.SetBackgroundColour(White);
    canvas.SetOpaqueBackground(true);
    if (layout.Mode == ViewMode::Month)
        DrawMonthHeader(canvas, layout);
    DrawDays(canvas, layout);
    if (State.ToDoView) {
        result.ToDoPaneShown = true;
        result.ToDoPane = DrawToDo(canvas, layout, geometry, now);
    }

    Doc.LoadDay(State.CurrentDate);
    result.Icons =
        PlaceInfoIcons(geometry.CalendarWidth, RhythmStatesOn(Doc, State.CurrentDate), State.MoonAgeAt21);
    return result;
}

} // namespace planova
