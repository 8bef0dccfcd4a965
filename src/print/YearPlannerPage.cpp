#include "print/YearPlannerPage.h"

#include "print/CalendarGrid.h"
#include "print/PrintedDates.h"

#include <algorithm>
#include <array>

namespace planova {

namespace {

constexpr std::array<int, 5> MonthsOfYearType{1, 2, 3, 4, 6};

/// A day on one line: the date with its weekday letter, the time-table kind after it, then the event.
void DrawYearDay(const PrintedPage& page, const Rect& cell, const CDayData& day)
{
    const PageGeometry& g = page.Geometry;
    Canvas& canvas = page.Surface;
    const CellLines lines = CellTextLines(g, cell);
    if (lines.Count() == 0 || lines.Area.Width() <= 0)
        return;
    const Rect line = lines.Line(0);
    const std::string date = WithWeekdayLetter(
        PrintedDayOfMonth(day.GetDate(), page.Print.PDateType, page.Print.PZerotoru), day.GetDate());
    int left = DrawPrintedDate(page, line, day, date) + g.HL;
    if (!day.GetJitei().empty()) {
        const int kindRight = std::min(line.Right, left + canvas.TextExtent(day.GetJitei()).Width);
        DrawPrintedKind(page, Rect{left, line.Top, kindRight, line.Bottom}, day);
        left = kindRight + g.HL;
    }
    canvas.DrawText(Rect{left, line.Top, line.Right, line.Bottom}, day.GetGyouji(), TextSingleLine);
}

} // namespace

int YearPlannerMonths(const PrintSettings& settings)
{
    const int type = std::clamp(settings.PYearType, 0, static_cast<int>(MonthsOfYearType.size()) - 1);
    return MonthsOfYearType[static_cast<std::size_t>(type)];
}

int YearPlannerCellCount(const PrintSettings& settings)
{
    return YearPlannerCell::Rows * YearPlannerMonths(settings);
}

int DrawYearPlannerSide(const PrintedPage& page, PageSide side)
{
    namespace Cell = YearPlannerCell;
    const PageGeometry& g = page.Geometry;
    const int months = YearPlannerMonths(page.Print);
    // The title lines are not taken off the height: the last day rows may reach below the usable area.
    // Lines left above the grid for the page titles come off the rows, but a day keeps at least a line.
    const int titleLines = TitleRoomLines(g);
    const int rowLines =
        std::max(RowLinesFor(g.LinesDown - titleLines, Cell::Rows), g.LinesDown >= Cell::Rows ? 1 : 0);
    const CalendarGrid grid{ColumnUnitsFor(g, months), Cell::TitleLines, rowLines, titleLines};
    for (int column = 0; column < months; ++column) {
        for (int row = 0; row < Cell::Rows; ++row)
            page.Cells[Cell::Index(column, row)] = grid.Cell(g, side, column, row);
    }
    DrawCalendarGrid(page, side, grid, months, Cell::Rows);
    const int bottom = g.LineY(side, grid.RowTop(Cell::Rows));

    const DateTime first = FirstOfMonth(page.Date);
    if (!first.IsValid())
        return bottom;
    const PrintSettings& print = page.Print;
    Canvas& canvas = page.Surface;
    for (int column = 0; column < months; ++column) {
        const DateTime month = FirstOfMonth(first, column);
        canvas.DrawText(CellTextLines(g, grid.Cell(g, side, column, 0)).Line(0),
                        PrintedYearMonth(month, print.PDateType, print.PZerotoru),
                        TextSingleLine | TextCenter | TextVCenter);
        const int days = DaysInMonth(month);
        for (int day = 1; day <= days; ++day)
            DrawYearDay(page, grid.Cell(g, side, column, day),
                        PrintedDay(page.Document, month.AddDays(day - 1)));
    }
    const DateTime lastMonth = FirstOfMonth(first, months - 1);
    DrawPageTitles(
        page, side, grid.Cell(g, side, 0, 0), grid.Cell(g, side, months - 1, 0),
        PrintedDateText(first, print.PDateType, print.PZerotoru),
        PrintedDateText(lastMonth.AddDays(DaysInMonth(lastMonth) - 1), print.PDateType, print.PZerotoru));
    return bottom;
}

} // namespace planova
