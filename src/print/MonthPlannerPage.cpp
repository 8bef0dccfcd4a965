#include "print/MonthPlannerPage.h"

#include "print/CalendarGrid.h"
#include "print/PrintedDates.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <algorithm>

namespace planova {

namespace {

constexpr Rgb NeighbourMonthGrey{160, 160, 160};
constexpr int KindUnits = 6; // wide enough for "振替休業日"
constexpr int MinPeriodColumnUnits = 10;

/// The month's titles: its year and month on the left, its last day on the right.
void DrawMonthTitles(const PrintedPage& page, PageSide side, const Rect& firstColumn, const Rect& lastColumn,
                     const DateTime& first)
{
    const PrintSettings& print = page.Print;
    const DateTime last = first.AddDays(DaysInMonth(first) - 1);
    DrawPageTitles(page, side, firstColumn, lastColumn,
                   PrintedYearMonth(first, print.PDateType, print.PZerotoru),
                   PrintedDateText(last, print.PDateType, print.PZerotoru));
}

// ---- Vertical ----------------------------------------------------------------------------------

/// A day of the month in its cell, one text per line: the date with the kind after it, the event,
/// the period rows that have something in them, then the memo over the lines left.
void DrawVerticalDay(const PrintedPage& page, const Rect& cell, const CDayData& day)
{
    const CellLines lines = CellTextLines(page.Geometry, cell);
    if (lines.Count() == 0)
        return;
    const Rect dateLine = lines.Line(0);
    const int dateRight = DrawPrintedDate(
        page, dateLine, day, PrintedDayOfMonth(day.GetDate(), page.Print.PDateType, page.Print.PZerotoru));
    DrawPrintedKind(page, Rect{dateRight + page.Geometry.HL, dateLine.Top, dateLine.Right, dateLine.Bottom},
                    day);

    int line = 1;
    if (line < lines.Count())
        page.Surface.DrawText(lines.Line(line++), day.GetGyouji(), TextSingleLine);
    for (const int m : ShownPeriodRows(page, day)) {
        if (line >= lines.Count())
            break;
        DrawPeriodRowLine(page, lines.Line(line++), day, m);
    }
    if (line < lines.Count())
        page.Surface.DrawText(lines.From(line), day.GetMemo(), TextWordBreak);
}

int DrawVerticalSide(const PrintedPage& page, PageSide side, const DateTime& first)
{
    namespace Cell = SixWeekCell;
    const PageGeometry& g = page.Geometry;
    const SixWeekColumns columns = SixWeekColumnsOn(side);
    const int titleLines = TitleRoomLines(g);
    const CalendarGrid grid{ColumnUnitsFor(g, columns.Across), Cell::HeaderLines,
                            RowLinesFor(g.LinesDown - titleLines - Cell::HeaderLines, Cell::Weeks),
                            titleLines};
    const int startWeekday = page.Print.PStartWeekday;
    DrawSixWeekFrame(page, side, grid, startWeekday);

    const DateTime start = MonthGridStart(first, startWeekday);
    for (int k = 0; k < columns.Count; ++k) {
        const int column = columns.First + k;
        for (int row = 1; row < Cell::Rows; ++row) {
            const Rect cell = grid.Cell(g, side, k, row);
            const DateTime date = start.AddDays((row - 1) * WeekDays + column);
            if (date.Month() == first.Month()) {
                DrawVerticalDay(page, cell, PrintedDay(page.Document, date));
                continue;
            }
            page.Surface.SetTextColour(NeighbourMonthGrey);
            page.Surface.DrawText(CellTextLines(g, cell).Line(0),
                                  PrintedDayOfMonth(date, page.Print.PDateType, page.Print.PZerotoru),
                                  TextSingleLine);
            page.Surface.SetTextColour(TextColours::Black);
        }
    }
    DrawMonthTitles(page, side, grid.Cell(g, side, 0, 0), grid.Cell(g, side, columns.Count - 1, 0), first);
    return g.LineY(side, grid.RowTop(Cell::Rows));
}

// ---- List --------------------------------------------------------------------------------------

/// The period rows in their part of a list row: one per line, in more columns when they do not fit
/// below each other and the part is wide enough; rows beyond that are left out.
void DrawListPeriods(const PrintedPage& page, const CellLines& part, const CDayData& day)
{
    const int lh = part.Lh;
    const int lines = part.Count();
    const std::vector<int> rows = ShownPeriodRows(page, day);
    if (lines == 0 || rows.empty() || part.Area.Width() <= 0)
        return;
    const int wanted = (static_cast<int>(rows.size()) + lines - 1) / lines;
    const int columns = std::clamp(part.Area.Width() / (MinPeriodColumnUnits * lh), 1, wanted);
    const int width = part.Area.Width() / columns;
    for (std::size_t i = 0; i < rows.size() && static_cast<int>(i) < columns * lines; ++i) {
        const int column = static_cast<int>(i) / lines;
        const Rect line = part.Line(static_cast<int>(i) % lines);
        DrawPeriodRowLine(page,
                          Rect{part.Area.Left + column * width, line.Top,
                               part.Area.Left + (column + 1) * width - page.Geometry.HL, line.Bottom},
                          day, rows[i]);
    }
}

/// A day of the month list across its row: the date (with the kind below it, or after it on a row
/// of one line), then the event word-wrapped, the period rows and the memo side by side in a quarter,
/// a half and a quarter of the width left.
void DrawListDay(const PrintedPage& page, const Rect& cell, const CDayData& day)
{
    const PageGeometry& g = page.Geometry;
    const CellLines lines = CellTextLines(g, cell);
    if (lines.Count() == 0)
        return;
    const Rect& area = lines.Area;
    const int dateRight = DrawPrintedDate(
        page, lines.Line(0), day,
        WithWeekdayInBrackets(PrintedDayOfMonth(day.GetDate(), page.Print.PDateType, page.Print.PZerotoru),
                              day.GetDate()));
    // The kind below the date, or beside it when the row holds one line.
    const bool below = lines.Count() >= 2;
    const int kindLeft = below ? area.Left : dateRight + g.HL;
    const int kindRight = std::max(below ? dateRight : 0, kindLeft + KindUnits * g.LH);
    const Rect kindLine = lines.Line(below ? 1 : 0);
    DrawPrintedKind(page, Rect{kindLeft, kindLine.Top, kindRight, kindLine.Bottom}, day);

    const int left = kindRight + g.HL;
    const int rest = std::max(0, area.Right - left);
    const int eventRight = left + rest / 4;
    const int periodsRight = eventRight + rest / 2;
    const auto part = [&](int l, int r) { return Rect{l, area.Top, r, area.Bottom}; };
    page.Surface.DrawText(part(left, eventRight - g.HL), day.GetGyouji(), TextWordBreak);
    DrawListPeriods(page, CellLines{part(eventRight, periodsRight), lines.Lh}, day);
    page.Surface.DrawText(part(periodsRight, area.Right), day.GetMemo(), TextWordBreak);
}

int DrawListSide(const PrintedPage& page, PageSide side, const DateTime& first)
{
    namespace Cell = MonthListCell;
    const PageGeometry& g = page.Geometry;
    const int rows = side == PageSide::Whole ? Cell::RowsOnOnePage : Cell::RowsPerSpreadPage;
    const int firstRow = side == PageSide::Right ? Cell::RowsPerSpreadPage : 0;
    const int titleLines = TitleRoomLines(g);
    const CalendarGrid grid{ColumnUnitsFor(g, 1), 0, RowLinesFor(g.LinesDown - titleLines, rows), titleLines};
    DrawCalendarGrid(page, side, grid, 1, rows);

    const int days = DaysInMonth(first);
    for (int position = 0; position < rows; ++position) {
        const int row = firstRow + position;
        const Rect cell = grid.Cell(g, side, 0, position);
        page.Cells[Cell::Index(0, row)] = cell;
        if (row < days)
            DrawListDay(page, cell, PrintedDay(page.Document, first.AddDays(row)));
    }
    const Rect column = grid.Cell(g, side, 0, 0);
    DrawMonthTitles(page, side, column, column, first);
    return g.LineY(side, grid.RowTop(rows));
}

} // namespace

int MonthPlannerCellCount(const PrintSettings& settings)
{
    return settings.P_VL_Type == 1 ? MonthListCell::Count : SixWeekCell::Count;
}

DateTime MonthGridStart(const DateTime& date, int startWeekday)
{
    return WeekStartOf(FirstOfMonth(date), startWeekday);
}

int DrawMonthPlannerSide(const PrintedPage& page, PageSide side)
{
    const DateTime first = FirstOfMonth(page.Date);
    if (!first.IsValid())
        return page.Geometry.LineY(side, page.Geometry.LinesDown);
    return page.Print.P_VL_Type == 1 ? DrawListSide(page, side, first) : DrawVerticalSide(page, side, first);
}

} // namespace planova
