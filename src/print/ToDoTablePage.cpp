#include "print/ToDoTablePage.h"

#include "model/FixedTexts.h"
#include "model/TextFunctions.h"
#include "print/PrintedDates.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "calendar/CalendarDates.h"
#include "view/ScreenLayout.h"
#include "view/ViewSky.h"

#include <algorithm>

namespace planova {

namespace {

using SixWeekCell::Columns;
using SixWeekCell::ColumnsOfLeftPage;
using SixWeekCell::HeaderLines;
using SixWeekCell::Index;
using SixWeekCell::Weeks;

constexpr int ListShareDivisor = 3; // the lists take at most a third of the lines under the header

/// The list below a range of columns: the overdue items below the left page's columns, the later ones
/// below the right page's.
struct ListPlace
{
    int FirstColumn;
    int EndColumn;
    const char* Title;
};

constexpr ListPlace OverduePlace{0, ColumnsOfLeftPage, "期限が切れたToDo"};
constexpr ListPlace LaterPlace{ColumnsOfLeftPage, Columns, "指定期間以降のToDo"};

/// The weekday the weeks start on.
int StartWeekdayOf(const PrintedPage& page)
{
    return page.Print.PStartWeekday;
}

DateTime LastDay(const DateTime& firstDay)
{
    return firstDay.AddDays(SixWeekCell::Days - 1);
}

/// One line per item: the deadline, a full-width space and the item's printed line.
std::vector<std::vector<std::string>> ListLines(const PrintedPage& page,
                                                const std::vector<const CToDo*>& items)
{
    static const std::string Space = Cp932Literal("　");
    std::vector<std::vector<std::string>> lines;
    for (const CToDo* item : items)
        lines.push_back({PrintedDateText(item->GetKigenn(), page.Print.PDateType, page.Print.PZerotoru) +
                         Space + PrintedToDoLine(*item)});
    return lines;
}

void DrawList(const PrintedPage& page, PageSide side, const ToDoTableGrid& grid, const ListPlace& place,
              const std::vector<std::vector<std::string>>& lines, Rgb colour)
{
    const SixWeekColumns columns = SixWeekColumnsOn(side);
    const int first = std::max(place.FirstColumn, columns.First);
    const int end = std::min(place.EndColumn, columns.First + columns.Count);
    if (first >= end || grid.ListLines <= 0)
        return;
    const int u0 = (first - columns.First) * grid.Calendar.ColumnUnits;
    const int u1 = (end - columns.First) * grid.Calendar.ColumnUnits;
    const int top = grid.ListTop;
    const int bottom = grid.ListTop + grid.ListLines;
    Canvas& canvas = page.Surface;
    canvas.SetTextColour(TextColours::Black);
    DrawTextLines(page, side, u0, u1, top, top + 1, {Cp932Literal(place.Title)});
    canvas.SetTextColour(colour);
    DrawTextLines(page, side, u0, u1, top + 1, bottom, FittedLines(lines, 0, bottom - top - 1));
    canvas.SetTextColour(TextColours::Black);
}

/// One day in its cell: the date with the biorhythm markers (left out where the cell is too narrow for
/// them) on the first line, the event on the next, then the items due that day, each on as many lines
/// as it needs.
void DrawDay(const PrintedPage& page, const Rect& cell, const DateTime& date)
{
    const PageGeometry& g = page.Geometry;
    Canvas& canvas = page.Surface;
    const Rect inset = cell.Shrunk(g.HL);
    const int lines = g.LH > 0 ? inset.Height() / g.LH : 0;
    if (lines <= 0 || inset.Width() <= 0)
        return;
    const auto line = [&](int k) {
        return Rect{inset.Left, inset.Top + k * g.LH, inset.Right, inset.Top + (k + 1) * g.LH};
    };

    const CDayData day = PrintedDay(page.Document, date);
    const std::string dateText = PrintedMonthDay(date, page.Print.PDateType, page.Print.PZerotoru);
    DrawPrintedDate(page, line(0), day, dateText);

    std::vector<std::vector<std::string>> texts;
    std::size_t firstItem = 0;
    if (page.Print.ToDoGyouji && !day.GetGyouji().empty()) {
        texts.push_back({day.GetGyouji()});
        firstItem = 1;
    }
    for (const CToDo* item : ToDoItemsDueOn(page.Document, date))
        texts.push_back(BrokenLines(canvas, PrintedToDoLine(*item), inset.Width()));
    const std::vector<std::string> fitted = FittedLines(texts, firstItem, lines - 1);
    for (std::size_t k = 0; k < fitted.size(); ++k)
        canvas.DrawText(line(static_cast<int>(k) + 1), fitted[k], TextSingleLine);
}

} // namespace

DateTime ToDoTableFirstDay(const DateTime& pageDate, int startWeekday)
{
    return WeekStartOf(pageDate.DateOnly(), startWeekday);
}

int ToDoTableLists::LinesWanted() const
{
    const auto wanted = [](bool shown, std::size_t items) { return shown ? 1 + static_cast<int>(items) : 0; };
    return std::max(wanted(OverdueShown, Overdue.size()), wanted(LaterShown, Later.size()));
}

ToDoTableLists ToDoTableListsOf(const CPlanovaDoc& document, const DateTime& firstDay, bool overdue,
                                bool later)
{
    ToDoTableLists lists;
    lists.OverdueShown = overdue;
    lists.LaterShown = later;
    const DateTime lastDay = LastDay(firstDay);
    for (const CToDo& item : document.ToDoList()) {
        const DateTime deadline = item.GetKigenn().DateOnly();
        if (!deadline.IsValid())
            continue;
        if (overdue && deadline.IsEarlierThan(firstDay))
            lists.Overdue.push_back(&item);
        if (later && deadline.IsLaterThan(lastDay))
            lists.Later.push_back(&item);
    }
    const auto byDeadline = [](const CToDo* a, const CToDo* b) {
        return a->GetKigenn().DateOnly().IsEarlierThan(b->GetKigenn().DateOnly());
    };
    std::stable_sort(lists.Overdue.begin(), lists.Overdue.end(), byDeadline);
    std::stable_sort(lists.Later.begin(), lists.Later.end(), byDeadline);
    return lists;
}

std::vector<const CToDo*> ToDoItemsDueOn(const CPlanovaDoc& document, const DateTime& day)
{
    std::vector<const CToDo*> items;
    for (const CToDo& item : document.ToDoList()) {
        if (item.GetKigenn().DateOnly() == day)
            items.push_back(&item);
    }
    return items;
}

ToDoTableGrid ToDoTableGridOf(const PageGeometry& geometry, PageSide side, int listLinesWanted)
{
    const int titleLines = TitleRoomLines(geometry);
    const int underHeader = std::max(0, geometry.LinesDown - titleLines - HeaderLines);
    const int listLines = std::clamp(listLinesWanted, 0, underHeader / ListShareDivisor);
    ToDoTableGrid grid;
    grid.Calendar = CalendarGrid{ColumnUnitsFor(geometry, SixWeekColumnsOn(side).Across), HeaderLines,
                                 (underHeader - listLines) / Weeks, titleLines};
    grid.ListTop = grid.Calendar.RowTop(SixWeekCell::Rows);
    grid.ListLines = listLines > 0 ? geometry.LinesDown - grid.ListTop : 0;
    return grid;
}

std::vector<std::string> BrokenLines(const Canvas& canvas, std::string_view text, int width)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false; // a line has been started (it may be empty after a line break)
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\r' || text[i] == '\n') {
            const bool pair = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            i += pair ? 2 : 1;
            continue;
        }
        const std::size_t length =
            IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        const std::string_view character = text.substr(i, length);
        if (!line.empty() && canvas.TextExtent(line + std::string(character)).Width > width) {
            lines.push_back(std::move(line));
            line.clear();
        }
        line += character;
        open = true;
        i += length;
    }
    if (open || lines.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> FittedLines(const std::vector<std::vector<std::string>>& texts,
                                     std::size_t firstItem, int lines)
{
    std::size_t total = 0;
    for (const std::vector<std::string>& text : texts)
        total += text.size();
    const bool allFit = total <= static_cast<std::size_t>(std::max(0, lines));
    // Otherwise the last line says how many items are left out.
    const std::size_t room = allFit ? total : static_cast<std::size_t>(std::max(0, lines - 1));
    std::vector<std::string> fitted;
    std::size_t shown = 0;
    while (shown < texts.size() && fitted.size() + texts[shown].size() <= room) {
        fitted.insert(fitted.end(), texts[shown].begin(), texts[shown].end());
        ++shown;
    }
    if (shown < texts.size() && lines > 0) {
        const std::size_t hidden = texts.size() - std::max(shown, std::min(firstItem, texts.size()));
        fitted.push_back(Cp932Literal("他") + std::to_string(hidden) + Cp932Literal("件"));
    }
    return fitted;
}

int DrawToDoTableSide(const PrintedPage& page, PageSide side)
{
    const PageGeometry& g = page.Geometry;
    const DateTime firstDay = ToDoTableFirstDay(page.Date, StartWeekdayOf(page));
    const ToDoTableLists lists =
        ToDoTableListsOf(page.Document, firstDay, page.Print.ToDoKigenn, page.Print.ToDoHanni);
    const ToDoTableGrid grid = ToDoTableGridOf(g, side, lists.LinesWanted());
    DrawSixWeekFrame(page, side, grid.Calendar, StartWeekdayOf(page));

    const SixWeekColumns columns = SixWeekColumnsOn(side);
    if (firstDay.IsValid()) {
        for (int k = 0; k < columns.Count; ++k) {
            const int column = columns.First + k;
            for (int row = 1; row <= Weeks; ++row)
                DrawDay(page, grid.Calendar.Cell(g, side, k, row),
                        firstDay.AddDays((row - 1) * Columns + column));
        }
    }
    if (lists.OverdueShown)
        DrawList(page, side, grid, OverduePlace, ListLines(page, lists.Overdue), TextColours::Red);
    if (lists.LaterShown)
        DrawList(page, side, grid, LaterPlace, ListLines(page, lists.Later), TextColours::Black);

    const PrintSettings& print = page.Print;
    DrawPageTitles(page, side, grid.Calendar.Cell(g, side, 0, 0),
                   grid.Calendar.Cell(g, side, columns.Count - 1, 0),
                   PrintedDateText(firstDay, print.PDateType, print.PZerotoru),
                   PrintedDateText(LastDay(firstDay), print.PDateType, print.PZerotoru));

    const int used = std::min(grid.ListLines, lists.LinesWanted());
    return g.LineY(side, grid.ListTop + used);
}

} // namespace planova
