#include "print/WeekPlannerPage.h"

#include "model/CellColours.h"
#include "model/FixedTexts.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "calendar/CalendarDates.h"
#include "view/ViewSky.h"

#include <algorithm>
#include <utility>

namespace planova {

namespace {

constexpr int SlotsPerSpreadPage = 4;
constexpr int VerticalLayout = 0; // P_VL_Type

// Vertical rows in lines from the top of the page's grid; line 0 holds the titles.
constexpr int FirstRowLine = 1;
constexpr int PeriodLines = 5;
constexpr int FirstPeriodLine = FirstRowLine + PeriodLines;                  // line 6
constexpr int MemoLine = FirstPeriodLine + CDayData::RowCount * PeriodLines; // line 56

// A list row: the date, the time-table kind and the event at the left (a fifth of the width), the
// memo at the right (a quarter), the period rows between them.
constexpr int ListDateShare = 5;
constexpr int ListMemoShare = 4;
// The class-hour count in the list's extra row flows in columns this many units wide.
constexpr int CountColumnUnits = 12;

bool IsVertical(const ViewPrintState& print)
{
    return print.P_VL_Type == VerticalLayout;
}

/// Lines n0–n1 of vertical row `row`, cut at the last line of the page.
std::pair<int, int> VerticalRowLines(int row, int linesDown)
{
    int n0 = FirstRowLine;
    int n1 = FirstPeriodLine;
    if (row == WeekPlannerCell::Memo) {
        n0 = MemoLine;
        n1 = linesDown;
    } else if (row >= WeekPlannerCell::FirstPeriod) {
        n0 = FirstRowLine + PeriodLines * row;
        n1 = n0 + PeriodLines;
    }
    return {std::min(n0, linesDown), std::min(n1, linesDown)};
}

/// The i-th line of text from the top of an inset rectangle.
Rect TextLine(const Rect& inset, int i, int lineHeight)
{
    const int top = inset.Top + i * lineHeight;
    return Rect{inset.Left, top, inset.Right, top + lineHeight};
}

bool HasRoom(const Rect& text, const Rect& inset)
{
    return text.Width() > 0 && text.Height() > 0 && text.Bottom <= inset.Bottom;
}

/// Fills a period row of the day with its colour when coloured rows are filled and it has one.
void FillPeriod(const PrintedPage& page, const CDayData& day, int m, const Rect& area)
{
    if (!page.Print.WakunaiNuritubushi)
        return;
    const Rgb colour = CellColourAt(day.GetIro(m)).Colour;
    if (colour != CellColours[0].Colour)
        page.Surface.FillRectangle(area, colour);
}

/**
 * Texts one per line, `step` lines apart, from half a line below the top of the area down, as a cell's
 * texts keep half a line from its rules; when a column is full they go on at the top of the next column
 * `columnWidth` wide. What finds no room is left out.
 */
void DrawCountLines(const PrintedPage& page, const Rect& cell, int step, int columnWidth,
                    const std::vector<std::string>& texts)
{
    const int lh = page.Geometry.LH;
    const int inset = page.Geometry.HL;
    const Rect area{cell.Left, cell.Top + inset, cell.Right, cell.Bottom - inset};
    int x = area.Left;
    int y = area.Top;
    for (const std::string& text : texts) {
        if (y + lh > area.Bottom) {
            x += columnWidth;
            y = area.Top;
        }
        if (x + columnWidth > area.Right || y + lh > area.Bottom)
            break;
        page.Surface.DrawText(Rect{x + inset, y, x + columnWidth - inset, y + lh}, text,
                              TextSingleLine | TextVCenter);
        y += step * lh;
    }
}

std::vector<std::string> WeekClassHourLines(const PrintedPage& page, const DateTime& firstDay)
{
    return ClassHourLines(page, firstDay.AddDays(WeekPlannerCell::Days - 1));
}

// ---- Vertical ------------------------------------------------------------------------------

void FillVerticalDay(const PrintedPage& page, const CDayData& day, int slot, const std::vector<Rect>& cells)
{
    for (int m = 0; m < CDayData::RowCount; ++m)
        FillPeriod(page, day, m, cells[WeekPlannerCell::Index(slot, WeekPlannerCell::FirstPeriod + m)]);
}

void DrawVerticalGrid(const PrintedPage& page, const WeekSlots& slots, const std::vector<Rect>& cells)
{
    using namespace WeekPlannerCell;
    Canvas& canvas = page.Surface;
    SelectRulePen(canvas, page.Print);
    const Rect& firstTop = cells[Index(slots.First, 0)];
    const Rect block{firstTop.Left, firstTop.Top, cells[Index(slots.End - 1, 0)].Right,
                     cells[Index(slots.First, Memo)].Bottom};
    canvas.DrawRectangle(block);
    for (int slot = slots.First + 1; slot < slots.End; ++slot) {
        const int x = cells[Index(slot, 0)].Left;
        canvas.DrawLine({x, block.Top}, {x, block.Bottom});
    }
    for (int row = FirstPeriod; row < Rows; ++row) {
        const int y = cells[Index(slots.First, row)].Top;
        if (y < block.Bottom)
            canvas.DrawLine({block.Left, y}, {block.Right, y});
    }
}

/// Label and plan on the first line of the row, the content word-wrapped below them.
void DrawVerticalPeriod(const PrintedPage& page, const CDayData& day, int m, const Rect& cell)
{
    Canvas& canvas = page.Surface;
    const int lh = page.Geometry.LH;
    const Rect inset = cell.Shrunk(page.Geometry.HL);
    const Rect first = TextLine(inset, 0, lh);
    if (!HasRoom(first, inset))
        return;
    const int labelRight = std::min(first.Right, first.Left + lh + page.Geometry.HL);
    canvas.DrawText(Rect{first.Left, first.Top, labelRight, first.Bottom}, day.GetJigenn(m), TextSingleLine);
    canvas.DrawText(Rect{labelRight, first.Top, first.Right, first.Bottom}, day.GetYotei(m), TextSingleLine);
    const Rect content{inset.Left, first.Bottom, inset.Right, inset.Bottom};
    if (content.Height() >= lh)
        canvas.DrawText(content, day.GetNaiyou(m), TextWordBreak);
}

void DrawVerticalDay(const PrintedPage& page, const CDayData& day, int slot, const std::vector<Rect>& cells)
{
    using namespace WeekPlannerCell;
    Canvas& canvas = page.Surface;
    const int lh = page.Geometry.LH;
    const Rect head = cells[Index(slot, 0)].Shrunk(page.Geometry.HL);
    const Rect dateLine = TextLine(head, 0, lh);
    if (HasRoom(dateLine, head)) {
        const PrintSettings& s = page.Print;
        DrawPrintedDate(
            page, dateLine, day,
            WithWeekdayInBrackets(PrintedMonthDay(day.GetDate(), s.PDateType, s.PZerotoru), day.GetDate()));
    }
    if (const Rect line = TextLine(head, 1, lh); HasRoom(line, head))
        DrawPrintedKind(page, line, day);
    if (const Rect line = TextLine(head, 2, lh); HasRoom(line, head))
        canvas.DrawText(line, day.GetGyouji(), TextSingleLine);

    for (int m = 0; m < CDayData::RowCount; ++m)
        DrawVerticalPeriod(page, day, m, cells[Index(slot, FirstPeriod + m)]);
    const Rect memo = cells[Index(slot, Memo)].Shrunk(page.Geometry.HL);
    if (memo.Height() >= lh && memo.Width() > 0)
        canvas.DrawText(memo, day.GetMemo(), TextWordBreak);
}

int DrawVertical(const PrintedPage& page, const WeekSlots& slots, const std::vector<Rect>& cells,
                 const DateTime& firstDay)
{
    using namespace WeekPlannerCell;
    std::vector<CDayData> days;
    for (int slot = slots.First; slot < std::min(slots.End, Days); ++slot)
        days.push_back(PrintedDay(page.Document, firstDay.AddDays(slot)));

    for (int slot = slots.First; slot < std::min(slots.End, Days); ++slot)
        FillVerticalDay(page, days[static_cast<std::size_t>(slot - slots.First)], slot, cells);
    DrawVerticalGrid(page, slots, cells);
    for (int slot = slots.First; slot < std::min(slots.End, Days); ++slot)
        DrawVerticalDay(page, days[static_cast<std::size_t>(slot - slots.First)], slot, cells);

    if (slots.End > Extra && page.Print.Keisannsuru) {
        const Rect& top = cells[Index(Extra, 0)];
        const Rect column{top.Left, top.Top, top.Right, cells[Index(Extra, Memo)].Bottom};
        DrawCountLines(page, column, 2, column.Width(), WeekClassHourLines(page, firstDay));
    }
    return cells[Index(slots.First, Memo)].Bottom;
}

// ---- List ----------------------------------------------------------------------------------

/// The three blocks of a day's row: date, kind and event; the period rows; the memo.
struct ListBlocks
{
    Rect Date;
    Rect Periods;
    Rect Memo;
};

ListBlocks ListBlocksOf(const Rect& row, int lineHeight)
{
    const int units = row.Width() / lineHeight;
    const int dateRight = row.Left + units / ListDateShare * lineHeight;
    const int memoLeft = row.Right - units / ListMemoShare * lineHeight;
    return {Rect{row.Left, row.Top, dateRight, row.Bottom}, Rect{dateRight, row.Top, memoLeft, row.Bottom},
            Rect{memoLeft, row.Top, row.Right, row.Bottom}};
}

/// The line of period row m in the period block: one row a line, in as many columns as the lines need.
Rect ListPeriodLine(const Rect& periods, int m, int lineHeight, int inset)
{
    const Rect area = periods.Shrunk(inset);
    const int perColumn = std::min(CDayData::RowCount, area.Height() / lineHeight);
    if (perColumn <= 0)
        return Rect{};
    const int columns = (CDayData::RowCount + perColumn - 1) / perColumn;
    const int width = area.Width() / columns;
    const int left = area.Left + m / perColumn * width;
    const int top = area.Top + m % perColumn * lineHeight;
    return Rect{left, top, left + width, top + lineHeight};
}

void DrawListPeriod(const PrintedPage& page, const CDayData& day, int m, const Rect& line)
{
    Canvas& canvas = page.Surface;
    const int lh = page.Geometry.LH;
    const int hl = page.Geometry.HL;
    const int labelRight = std::min(line.Right, line.Left + lh + hl);
    const int planRight = labelRight + std::max(0, line.Right - labelRight) * 2 / 5;
    canvas.DrawText(Rect{line.Left, line.Top, labelRight, line.Bottom}, day.GetJigenn(m), TextSingleLine);
    canvas.DrawText(Rect{labelRight, line.Top, planRight - hl, line.Bottom}, day.GetYotei(m), TextSingleLine);
    canvas.DrawText(Rect{planRight, line.Top, line.Right - hl, line.Bottom}, day.GetNaiyou(m),
                    TextSingleLine);
}

void DrawListDay(const PrintedPage& page, const CDayData& day, const Rect& row)
{
    Canvas& canvas = page.Surface;
    const int lh = page.Geometry.LH;
    const int hl = page.Geometry.HL;
    const ListBlocks blocks = ListBlocksOf(row, lh);

    const Rect head = blocks.Date.Shrunk(hl);
    if (const Rect line = TextLine(head, 0, lh); HasRoom(line, head))
        DrawPrintedDate(page, line, day,
                        PrintedMonthDay(day.GetDate(), page.Print.PDateType, page.Print.PZerotoru));
    if (const Rect line = TextLine(head, 1, lh); HasRoom(line, head))
        DrawPrintedKind(page, line, day);
    if (const Rect event{head.Left, head.Top + 2 * lh, head.Right, head.Bottom}; event.Height() >= lh)
        canvas.DrawText(event, day.GetGyouji(), TextWordBreak);

    for (int m = 0; m < CDayData::RowCount; ++m) {
        const Rect line = ListPeriodLine(blocks.Periods, m, lh, hl);
        if (line.Width() > 0)
            DrawListPeriod(page, day, m, line);
    }
    const Rect memo = blocks.Memo.Shrunk(hl);
    if (memo.Height() >= lh && memo.Width() > 0)
        canvas.DrawText(memo, day.GetMemo(), TextWordBreak);
}

void DrawListGrid(const PrintedPage& page, const WeekSlots& slots, const std::vector<Rect>& cells)
{
    Canvas& canvas = page.Surface;
    SelectRulePen(canvas, page.Print);
    const Rect& first = cells[static_cast<std::size_t>(slots.First)];
    const Rect block{first.Left, first.Top, first.Right,
                     cells[static_cast<std::size_t>(slots.End - 1)].Bottom};
    canvas.DrawRectangle(block);
    for (int slot = slots.First; slot < slots.End; ++slot) {
        const Rect& row = cells[static_cast<std::size_t>(slot)];
        if (slot > slots.First && row.Top < block.Bottom)
            canvas.DrawLine({block.Left, row.Top}, {block.Right, row.Top});
        if (slot == WeekPlannerCell::Extra || row.Height() <= 0)
            continue;
        const ListBlocks blocks = ListBlocksOf(row, page.Geometry.LH);
        canvas.DrawLine({blocks.Periods.Left, row.Top}, {blocks.Periods.Left, row.Bottom});
        canvas.DrawLine({blocks.Memo.Left, row.Top}, {blocks.Memo.Left, row.Bottom});
    }
}

int DrawList(const PrintedPage& page, const WeekSlots& slots, const std::vector<Rect>& cells,
             const DateTime& firstDay)
{
    using namespace WeekPlannerCell;
    const int lh = page.Geometry.LH;
    std::vector<CDayData> days;
    for (int slot = slots.First; slot < std::min(slots.End, Days); ++slot)
        days.push_back(PrintedDay(page.Document, firstDay.AddDays(slot)));
    const auto dayOf = [&](int slot) -> const CDayData& {
        return days[static_cast<std::size_t>(slot - slots.First)];
    };

    for (int slot = slots.First; slot < std::min(slots.End, Days); ++slot) {
        const ListBlocks blocks = ListBlocksOf(cells[static_cast<std::size_t>(slot)], lh);
        for (int m = 0; m < CDayData::RowCount; ++m)
            FillPeriod(page, dayOf(slot), m, ListPeriodLine(blocks.Periods, m, lh, page.Geometry.HL));
    }
    DrawListGrid(page, slots, cells);
    for (int slot = slots.First; slot < std::min(slots.End, Days); ++slot)
        DrawListDay(page, dayOf(slot), cells[static_cast<std::size_t>(slot)]);

    if (slots.End > Extra && page.Print.Keisannsuru) {
        const Rect& row = cells[static_cast<std::size_t>(Extra)];
        DrawCountLines(page, row, 1, std::min(row.Width(), CountColumnUnits * lh),
                       WeekClassHourLines(page, firstDay));
    }
    return cells[static_cast<std::size_t>(slots.End - 1)].Bottom;
}

// ---- Titles --------------------------------------------------------------------------------

std::string ApprovalLine(const std::string& user)
{
    static const std::string before = Cp932Literal("校長　　印　　　副校長　　印　　　氏名：");
    static const std::string noName = Cp932Literal("　　　　　");
    static const std::string after = Cp932Literal("　　印　　　　");
    return before + (user.empty() ? noName : user) + after;
}

/// The first date at the left above the first column of the left page, the seventh day (or the approval
/// line) right-aligned above the last column of the right page; both on the one page.
void DrawTitles(const PrintedPage& page, PageSide side, const WeekSlots& slots,
                const std::vector<Rect>& cells, const DateTime& firstDay)
{
    const ViewPrintState& print = page.Print;
    const bool vertical = IsVertical(print);
    const auto titleCell = [&](int slot) -> const Rect& {
        return cells[static_cast<std::size_t>(vertical ? WeekPlannerCell::Index(slot, 0) : slots.First)];
    };
    const std::string right =
        print.PKenin && print.PPageType == PageType::One
            ? ApprovalLine(print.Shiyousya)
            : PrintedDateText(firstDay.AddDays(WeekPlannerCell::Days - 1), print.PDateType, print.PZerotoru);
    DrawPageTitles(page, side, titleCell(slots.First), titleCell(slots.End - 1),
                   PrintedDateText(firstDay, print.PDateType, print.PZerotoru), right);
}

} // namespace

DateTime FirstDayOfWeekPage(const DateTime& date, int startWeekday)
{
    return WeekStartOf(date, startWeekday);
}

WeekSlots WeekSlotsOn(PageSide side, const ViewPrintState& print)
{
    switch (side) {
    case PageSide::Left:
        return {0, SlotsPerSpreadPage};
    case PageSide::Right:
        return {SlotsPerSpreadPage, WeekPlannerCell::Slots};
    case PageSide::Whole:
        break;
    }
    return {0, print.Keisannsuru ? WeekPlannerCell::Slots : WeekPlannerCell::Days};
}

std::vector<Rect> WeekPlannerCells(const PageGeometry& geometry, const ViewPrintState& print, PageSide side)
{
    const PageGeometry& g = geometry;
    const WeekSlots slots = WeekSlotsOn(side, print);
    std::vector<Rect> cells(WeekPlannerCell::Count);
    if (IsVertical(print)) {
        const int c = g.UnitsAcross / slots.Count();
        for (int slot = slots.First; slot < slots.End; ++slot) {
            const int k = slot - slots.First;
            for (int row = 0; row < WeekPlannerCell::Rows; ++row) {
                const auto [n0, n1] = VerticalRowLines(row, g.LinesDown);
                cells[WeekPlannerCell::Index(slot, row)] = g.UnitRect(side, k * c, n0, (k + 1) * c, n1);
            }
        }
    } else {
        const int r = g.LinesDown / slots.Count();
        const auto down = [&](int n) { return std::min(n, g.LinesDown); };
        for (int slot = slots.First; slot < slots.End; ++slot) {
            const int k = slot - slots.First;
            cells[static_cast<std::size_t>(slot)] = g.UnitRect(
                side, 0, down(FirstRowLine + k * r), g.UnitsAcross, down(FirstRowLine + (k + 1) * r));
        }
    }
    return cells;
}

int DrawWeekPlannerSide(const PrintedPage& page, PageSide side)
{
    const WeekSlots slots = WeekSlotsOn(side, page.Print);
    const std::vector<Rect> cells = WeekPlannerCells(page.Geometry, page.Print, side);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] != Rect{})
            page.Cells[i] = cells[i];
    }
    const DateTime firstDay = FirstDayOfWeekPage(page.Date, page.Print.PStartWeekday);
    const int bottom = IsVertical(page.Print) ? DrawVertical(page, slots, cells, firstDay)
                                              : DrawList(page, slots, cells, firstDay);
    DrawTitles(page, side, slots, cells, firstDay);
    return bottom;
}

} // namespace planova
