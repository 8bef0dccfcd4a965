#include "print/DayPlannerPage.h"

#include "model/CellColours.h"
#include "print/PrintedDates.h"
#include "print/RuledSheet.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "view/ViewSky.h"

#include <algorithm>
#include <array>

namespace planova {

namespace {

constexpr int ToEnd = -1; // a span reaching the page's last unit or line

/// A cell in units across and lines down from the top left corner of the page's grid.
struct CellSpan
{
    int U0;
    int N0;
    int U1;
    int N1;
};

constexpr int DateLines = 3;
constexpr int PeriodLines = 4;
constexpr int MemoTop = DateLines + CDayData::RowCount * PeriodLines; // line 43
constexpr int GridUnits = 20;                                         // where the period rows end

/// Row 0 by column: the date over the full width, the event and the time-table kind right of the rows.
constexpr std::array<CellSpan, DayPlannerCell::Columns> DateRow{{
    {0, 0, ToEnd, DateLines},
    {GridUnits, 1, ToEnd, DateLines},
    {GridUnits, 0, ToEnd, 2},
}};

/// Units across of the period rows by column: label, plan, content.
constexpr std::array<std::array<int, 2>, DayPlannerCell::Columns> PeriodColumns{
    {{0, 3}, {3, 9}, {9, GridUnits}}};

constexpr CellSpan MemoRow{0, MemoTop, ToEnd, ToEnd};

Rect CellOf(const PageGeometry& g, PageSide side, const CellSpan& span)
{
    const auto across = [&](int u) { return u == ToEnd ? g.UnitsAcross : std::min(u, g.UnitsAcross); };
    const auto down = [&](int n) { return n == ToEnd ? g.LinesDown : std::min(n, g.LinesDown); };
    return g.UnitRect(side, across(span.U0), down(span.N0), across(span.U1), down(span.N1));
}

CellSpan PeriodCellSpan(int column, int period)
{
    const int top = DateLines + PeriodLines * period;
    return {PeriodColumns[column][0], top, PeriodColumns[column][1], top + PeriodLines};
}

void FillColouredRows(const PrintedPage& page, const CDayData& day, const std::vector<Rect>& cells)
{
    for (int m = 0; m < CDayData::RowCount; ++m) {
        const Rgb colour = CellColourAt(day.GetIro(m)).Colour;
        if (colour == CellColours[0].Colour)
            continue;
        const int row = DayPlannerCell::FirstPeriod + m;
        const Rect& first = cells[DayPlannerCell::Index(0, row)];
        const Rect& last = cells[DayPlannerCell::Index(DayPlannerCell::Columns - 1, row)];
        page.Surface.FillRectangle(Rect{first.Left, first.Top, last.Right, last.Bottom}, colour);
    }
}

void DrawGrid(const PrintedPage& page, PageSide side, const std::vector<Rect>& cells)
{
    const PageGeometry& g = page.Geometry;
    Canvas& canvas = page.Surface;
    SelectRulePen(canvas, page.Print);
    canvas.DrawRectangle(g.UnitRect(side, 0, 0, g.UnitsAcross, g.LinesDown));
    const int left = g.UnitX(side, 0);
    const int right = g.UnitX(side, g.UnitsAcross);
    for (int row = DayPlannerCell::FirstPeriod; row < DayPlannerCell::Rows; ++row) {
        const int top = cells[DayPlannerCell::Index(0, row)].Top;
        canvas.DrawLine({left, top}, {right, top});
    }
    const int top = cells[DayPlannerCell::Index(0, DayPlannerCell::FirstPeriod)].Top;
    const int bottom = cells[DayPlannerCell::Index(0, DayPlannerCell::Memo)].Top;
    for (int column = 1; column <= DayPlannerCell::Columns; ++column) {
        const int x = column < DayPlannerCell::Columns
                          ? cells[DayPlannerCell::Index(column, DayPlannerCell::FirstPeriod)].Left
                          : cells[DayPlannerCell::Index(column - 1, DayPlannerCell::FirstPeriod)].Right;
        canvas.DrawLine({x, top}, {x, bottom});
    }
}

void DrawTexts(const PrintedPage& page, const CDayData& day, const std::vector<Rect>& cells)
{
    const PageGeometry& g = page.Geometry;
    Canvas& canvas = page.Surface;
    const auto inset = [&](int column, int row) {
        return cells[DayPlannerCell::Index(column, row)].Shrunk(g.HL);
    };

    const RhythmMarkers markers = RhythmMarkersOn(page.Document, day.GetDate());
    DrawDateWithMarkers(canvas, g.LH, inset(0, 0),
                        PrintedDateWithWeekday(day.GetDate(), page.Print.PDateType, page.Print.PZerotoru),
                        PrintedDateColour(day), page.Print.Biorhythm ? nullptr : &markers);

    canvas.SetTextColour(IsHolidayKind(day.GetJitei()) ? TextColours::Red : TextColours::Black);
    canvas.DrawText(inset(2, 0), day.GetJitei(), TextSingleLine);
    canvas.SetTextColour(TextColours::Black);
    canvas.DrawText(inset(1, 0), day.GetGyouji(), TextSingleLine);

    for (int m = 0; m < CDayData::RowCount; ++m) {
        const int row = DayPlannerCell::FirstPeriod + m;
        canvas.DrawText(inset(0, row), day.GetJigenn(m), TextWordBreak);
        canvas.DrawText(inset(1, row), day.GetYotei(m), TextWordBreak);
        canvas.DrawText(inset(2, row), day.GetNaiyou(m), TextWordBreak);
    }
    canvas.DrawText(inset(0, DayPlannerCell::Memo), day.GetMemo(), TextWordBreak);
}

int DrawPlanner(const PrintedPage& page, PageSide side)
{
    const PageGeometry& g = page.Geometry;
    const std::vector<Rect> cells = DayPlannerCells(g, side);
    page.Cells = cells;
    const CDayData day = PrintedDay(page.Document, page.Date);

    if (page.Print.WakunaiNuritubushi)
        FillColouredRows(page, day, cells);
    DrawGrid(page, side, cells);
    DrawTexts(page, day, cells);
    if (page.Print.PDayTodo)
        DrawTextLines(page, side, GridUnits, g.UnitsAcross, DateLines, MemoTop,
                      PrintedToDoLines(page.Document, page.Print.PRoutineWork));
    return g.LineY(side, g.LinesDown);
}

} // namespace

std::vector<Rect> DayPlannerCells(const PageGeometry& geometry, PageSide side)
{
    std::vector<Rect> cells(DayPlannerCell::Count);
    for (int column = 0; column < DayPlannerCell::Columns; ++column) {
        cells[DayPlannerCell::Index(column, 0)] = CellOf(geometry, side, DateRow[column]);
        for (int m = 0; m < CDayData::RowCount; ++m)
            cells[DayPlannerCell::Index(column, DayPlannerCell::FirstPeriod + m)] =
                CellOf(geometry, side, PeriodCellSpan(column, m));
    }
    cells[DayPlannerCell::Index(0, DayPlannerCell::Memo)] = CellOf(geometry, side, MemoRow);
    return cells;
}

int DrawDayPlannerSide(const PrintedPage& page, PageSide side)
{
    if (side == PageSide::Right)
        return page.Print.PDayKiroku ? DrawRecordSheet(page, side)
                                     : page.Geometry.LineY(side, page.Geometry.LinesDown);
    return DrawPlanner(page, side);
}

} // namespace planova
