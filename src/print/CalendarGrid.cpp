#include "print/CalendarGrid.h"

#include "model/CellColours.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <algorithm>
#include <chrono>

namespace planova {

namespace {

constexpr int PeriodLabelUnits = 2;

} // namespace

int CalendarGrid::RowTop(int row) const
{
    if (HeaderLines == 0)
        return TopLine + row * RowLines;
    return TopLine + (row == 0 ? 0 : HeaderLines + (row - 1) * RowLines);
}

Rect CalendarGrid::Cell(const PageGeometry& geometry, PageSide side, int column, int row) const
{
    const int bottom = HeaderLines > 0 && row == 0 ? TopLine + HeaderLines : RowTop(row) + RowLines;
    return geometry.UnitRect(side, column * ColumnUnits, RowTop(row), (column + 1) * ColumnUnits, bottom);
}

CellLines CellTextLines(const PageGeometry& geometry, const Rect& cell)
{
    const int lh = std::max(1, geometry.LH);
    const int down = std::clamp((cell.Height() - lh) / 2, 0, geometry.HL);
    const int lines = std::max(0, (cell.Height() - 2 * down) / lh);
    return CellLines{Rect{cell.Left + geometry.HL, cell.Top + down, cell.Right - geometry.HL,
                          cell.Top + down + lines * lh},
                     lh};
}

int ColumnUnitsFor(const PageGeometry& geometry, int columns)
{
    return columns > 0 ? geometry.UnitsAcross / columns : 0;
}

int RowLinesFor(int lines, int rows)
{
    return rows > 0 ? std::max(0, lines / rows) : 0;
}

void DrawCalendarGrid(const PrintedPage& page, PageSide side, const CalendarGrid& grid, int columns, int rows)
{
    if (columns <= 0 || rows <= 0)
        return;
    const PageGeometry& g = page.Geometry;
    Canvas& canvas = page.Surface;
    SelectRulePen(canvas, page.Print);
    const Rect first = grid.Cell(g, side, 0, 0);
    const Rect last = grid.Cell(g, side, columns - 1, rows - 1);
    canvas.DrawRectangle(Rect{first.Left, first.Top, last.Right, last.Bottom});
    for (int column = 1; column < columns; ++column) {
        const int x = grid.Cell(g, side, column, 0).Left;
        canvas.DrawLine({x, first.Top}, {x, last.Bottom});
    }
    for (int row = 1; row < rows; ++row) {
        const int y = grid.Cell(g, side, 0, row).Top;
        canvas.DrawLine({first.Left, y}, {last.Right, y});
    }
}

SixWeekColumns SixWeekColumnsOn(PageSide side)
{
    using namespace SixWeekCell;
    switch (side) {
    case PageSide::Left:
        return {0, ColumnsOfLeftPage, ColumnsOfLeftPage};
    case PageSide::Right:
        return {ColumnsOfLeftPage, Columns - ColumnsOfLeftPage, ColumnsOfLeftPage};
    case PageSide::Whole:
        break;
    }
    return {0, Columns, Columns};
}

void DrawSixWeekFrame(const PrintedPage& page, PageSide side, const CalendarGrid& grid, int startWeekday)
{
    using namespace SixWeekCell;
    const PageGeometry& g = page.Geometry;
    const SixWeekColumns columns = SixWeekColumnsOn(side);
    for (int k = 0; k < columns.Count; ++k) {
        for (int row = 0; row < Rows; ++row)
            page.Cells[Index(columns.First + k, row)] = grid.Cell(g, side, k, row);
    }
    DrawCalendarGrid(page, side, grid, columns.Count, Rows);

    Canvas& canvas = page.Surface;
    for (int k = 0; k < columns.Count; ++k) {
        const int weekday = (startWeekday + columns.First + k) % WeekDays;
        canvas.SetTextColour(WeekdayColour(weekday));
        canvas.DrawText(grid.Cell(g, side, k, 0), WeekdayLetterOf(weekday),
                        TextSingleLine | TextCenter | TextVCenter);
    }
    canvas.SetTextColour(TextColours::Black);
}

std::vector<int> ShownPeriodRows(const PrintedPage& page, const CDayData& day)
{
    std::vector<int> rows;
    for (int m = 0; m < CDayData::RowCount; ++m) {
        const bool coloured =
            page.Print.WakunaiNuritubushi && CellColourAt(day.GetIro(m)).Colour != CellColours[0].Colour;
        if (!day.GetYotei(m).empty() || !day.GetNaiyou(m).empty() || coloured)
            rows.push_back(m);
    }
    return rows;
}

void DrawPeriodRowLine(const PrintedPage& page, const Rect& line, const CDayData& day, int row)
{
    Canvas& canvas = page.Surface;
    const int lh = page.Geometry.LH;
    const Rgb colour = CellColourAt(day.GetIro(row)).Colour;
    if (page.Print.WakunaiNuritubushi && colour != CellColours[0].Colour)
        canvas.FillRectangle(line, colour);
    const int labelRight = std::min(line.Right, line.Left + PeriodLabelUnits * lh);
    const int planRight = labelRight + std::max(0, line.Right - labelRight) / 3;
    canvas.DrawText(Rect{line.Left, line.Top, labelRight, line.Bottom}, day.GetJigenn(row), TextSingleLine);
    canvas.DrawText(Rect{labelRight, line.Top, planRight, line.Bottom}, day.GetYotei(row), TextSingleLine);
    canvas.DrawText(Rect{planRight, line.Top, line.Right, line.Bottom}, day.GetNaiyou(row), TextSingleLine);
}

} // namespace planova
