#include "view/ScreenPainter.h"

#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "view/ViewSky.h"

namespace planova {

namespace {

constexpr Rgb White{255, 255, 255};
constexpr int SelectionPenWidth = 2;
constexpr int LabelColumnUnits = 2;    // the period label column of the day and week views
constexpr int PlanColumnEndUnits = 12; // the plan column of the day view ends here

void DrawFrameAndGrid(Canvas& canvas, const ScreenLayout& layout)
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

void DrawSelectedCell(Canvas& canvas, const ScreenLayout& layout, int selectedCell)
{
    if (selectedCell < 0 || selectedCell >= layout.CellCount())
        return;
    canvas.SetPen(TextColours::Blue, SelectionPenWidth);
    canvas.SetBrush(White);
    canvas.DrawRectangle(layout.Cells[selectedCell]);
}

void DrawMonthHeader(Canvas& canvas, const ScreenLayout& layout, int startWeekday)
{
    const int width = layout.ColumnUnits * layout.L;
    const int top = ScreenOrigin::Top + layout.H;
    for (int k = 0; k < WeekDays; ++k) {
        const Rect rect{ScreenOrigin::PlannerLeft + k * width + layout.H, top,
                        ScreenOrigin::PlannerLeft + (k + 1) * width, top + layout.L};
        canvas.SetTextColour(WeekdayColour((k + startWeekday) % WeekDays));
        canvas.DrawText(rect, WeekdayLetterOf(k + startWeekday), TextSingleLine | TextCenter);
    }
    canvas.SetTextColour(TextColours::Black);
}

/// Draws the shown days; returns where the find mark was drawn, if it was.
std::optional<Rect> DrawDays(Canvas& canvas, const CPlanovaDoc& document, const ScreenLayout& layout,
                             const ViewState& state, bool noBiorhythm)
{
    DayPainter painter(canvas, layout.L, state.FindHit);
    CDayData blank; // the day of a date without a stored record
    DateTime date = state.FirstShownDate;
    for (int n = 0; n < layout.DayCount(); ++n, date = date.AddDays(1)) {
        const int column = n % layout.Columns;
        const int dayRow = n / layout.Columns;
        const CDayData* day = document.FindStoredDay(date);
        if (!day) {
            blank.ClearDay(date);
            day = &blank;
        }
        const RhythmMarkers markers = RhythmMarkersOn(document, date);
        const RhythmMarkers* shownMarkers = noBiorhythm ? nullptr : &markers;
        switch (layout.Mode) {
        case ViewMode::Day:
            painter.DrawDayColumn(*day, shownMarkers, layout.DayColumnCells(column));
            break;
        case ViewMode::Week:
            painter.DrawWeekColumn(*day, shownMarkers, layout.DayColumnCells(column), layout.Rows.I);
            break;
        case ViewMode::Month:
            painter.DrawMonthCell(*day, shownMarkers,
                                  layout.Cells[CellIndexOf(ViewMode::Month, column, dayRow)]);
            break;
        }
    }
    return painter.FindMarkDrawn();
}

} // namespace

std::optional<Rect> PaintScreen(Canvas& canvas, const CPlanovaDoc& document, const ViewState& state,
                                const ViewPrintState& print, const ScreenDrawResult& drawn,
                                const DateTime& now)
{
    const ScreenLayout& layout = drawn.Layout;
    canvas.SetFont(PlannerFace, layout.PointSize);
    DrawFrameAndGrid(canvas, layout);
    DrawSelectedCell(canvas, layout, state.SelectedCell);

    canvas.SetTextColour(TextColours::Black);
    canvas.SetBackgroundColour(White);
    canvas.SetOpaqueBackground(true);
    if (layout.Mode == ViewMode::Month)
        DrawMonthHeader(canvas, layout, state.StartWeekday);
    const std::optional<Rect> findMark = DrawDays(canvas, document, layout, state, print.Biorhythm);
    if (!drawn.ToDoPaneShown)
        return findMark;
    // A hit in a ToDo item is marked in the pane; a day's hit has been marked above.
    const std::optional<Rect> toDoMark =
        DrawToDoPane(canvas, document, drawn.ToDoPane, layout.L, state.SelectedToDoRow, now, state.FindHit);
    return toDoMark ? toDoMark : findMark;
}

} // namespace planova
