#include "print/CalendarGrid.h"

#include "model/CellColours.h"
#include "print/PrintedDates.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "view/ViewSky.h"

#include <algorithm>
#include <chrono>

namespace planova {

namespace {

constexpr int PeriodLabelUnits = 2;

} // namespace

int CalendarGrid::RowTop(int row) const
{
    if (HeaderLines == 0)
        return row * RowLines;
    return row == 0 ? 0 : HeaderLines + (row - 1) * RowLines;
}

Rect CalendarGrid::Cell(const PageGeometry& geometry, PageSide side, int column, int row) const
{
    const int bottom = HeaderLines > 0 && row == 0 ? HeaderLines : RowTop(row) + RowLines;
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

DateTime FirstOfMonth(const DateTime& date, int monthsLater)
{
    if (!date.IsValid())
        return date;
    const std::chrono::year_month month =
        std::chrono::year{date.Year()} / date.Month() + std::chrono::months{monthsLater};
    return DateTime::FromDate(static_cast<int>(month.year()), static_cast<int>(unsigned(month.month())), 1);
}

int DaysInMonth(const DateTime& date)
{
    if (!date.IsValid())
        return 0;
    const std::chrono::year_month_day_last last{
        std::chrono::year{date.Year()}, std::chrono::month_day_last{std::chrono::month(date.Month())}};
    return static_cast<int>(unsigned(last.day()));
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

void DrawCalendarTitles(const PrintedPage& page, PageSide side, const Rect& firstColumn,
                        const Rect& lastColumn, const std::string& leftText, const std::string& rightText)
{
    if (side != PageSide::Right)
        DrawPageTitle(page, firstColumn, leftText, false);
    if (side != PageSide::Left)
        DrawPageTitle(page, lastColumn, rightText, true);
}

int DrawCalendarDate(const PrintedPage& page, const Rect& rect, const CDayData& day, const std::string& text)
{
    Canvas& canvas = page.Surface;
    const int lh = page.Geometry.LH;
    const int dateWidth = canvas.TextExtent(text).Width + lh; // DrawDateWithMarkers's date box
    if (dateWidth > rect.Width()) {
        // Too narrow for the date box: the date alone, clipped to the cell.
        canvas.SetTextColour(PrintedDateColour(day));
        canvas.DrawText(rect, text, TextSingleLine);
        canvas.SetTextColour(TextColours::Black);
        return rect.Right;
    }
    // The markers are left out when they do not fit beside the date.
    const bool withMarkers = !page.Print.Biorhythm && dateWidth + RhythmMarkers::Count * lh <= rect.Width();
    const RhythmMarkers markers = RhythmMarkersOn(page.Document, day.GetDate());
    const Rect box =
        DrawDateWithMarkers(canvas, lh, rect, text, PrintedDateColour(day), withMarkers ? &markers : nullptr);
    return withMarkers ? box.Right + RhythmMarkers::Count * lh : box.Right;
}

void DrawCalendarKind(const PrintedPage& page, const Rect& rect, const CDayData& day)
{
    if (rect.Width() <= 0)
        return;
    Canvas& canvas = page.Surface;
    canvas.SetTextColour(IsHolidayKind(day.GetJitei()) ? TextColours::Red : TextColours::Black);
    canvas.DrawText(rect, day.GetJitei(), TextSingleLine);
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
