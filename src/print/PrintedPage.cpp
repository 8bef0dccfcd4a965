#include "print/PrintedPage.h"

#include "calendar/ClassHourCount.h"
#include "model/FixedTexts.h"
#include "print/PrintedDates.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"
#include "view/ViewSky.h"

#include <algorithm>
#include <cmath>

namespace planova {

Rgb RgbOfColourValue(std::uint32_t value)
{
    return Rgb{static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
               static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

std::uint32_t ColourValueOf(Rgb colour)
{
    return colour.Red | (static_cast<std::uint32_t>(colour.Green) << 8) |
           (static_cast<std::uint32_t>(colour.Blue) << 16);
}

void SelectRulePen(Canvas& canvas, const PrintSettings& settings)
{
    canvas.SetPen(RgbOfColourValue(settings.PKeisenIro), settings.PKeisenFutosa);
    canvas.SetHollowBrush();
}

std::string PrintedToDoLine(const CToDo& item)
{
    static const std::string Space = Cp932Literal("　");
    static const std::string Box = Cp932Literal("□");
    const std::string& code = item.GetJyuuyoudo();
    return (code.empty() ? Box : code) + Space + item.GetKennmei();
}

std::vector<std::string> PrintedToDoLines(const CPlanovaDoc& document, bool leaveOutRoutine)
{
    std::vector<std::string> lines;
    for (const CToDo& item : document.ToDoList()) {
        const std::string& code = item.GetJyuuyoudo();
        if (leaveOutRoutine && !code.empty() && code[0] == 'R')
            continue;
        lines.push_back(PrintedToDoLine(item));
    }
    return lines;
}

CDayData PrintedDay(const CPlanovaDoc& document, const DateTime& date)
{
    if (const CDayData* stored = document.FindStoredDay(date))
        return *stored;
    CDayData empty;
    empty.ClearDay(date);
    return empty;
}

std::vector<std::string> ClassHourLines(const PrintedPage& page, const DateTime& until)
{
    const CPlanovaDoc& document = page.Document;
    const auto& names = page.Print.ClassNames;
    const DateTime start = DateTime::FromDate(document.HajimeYear, document.HajimeMonth, document.HajimeDay);
    const std::vector<int> counts = CountClassHours(document, names, start, until);
    std::vector<std::string> lines{Cp932Literal("授業時数のカウント")};
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].empty())
            lines.push_back(names[i] + " = " + std::to_string(counts[i]));
    }
    return lines;
}

int SelectFontWithin(Canvas& canvas, double pointSize, int room)
{
    constexpr double Step = 0.5;
    canvas.SetFont(PlannerFace, pointSize);
    int height = canvas.GetLineMetrics().Height;
    if (height <= room || room <= 0)
        return height;
    // Line heights grow with the size: start from the proportional size and step down to a fit.
    double size = std::max(Step, std::floor(pointSize * room / height / Step) * Step);
    for (;;) {
        canvas.SetFont(PlannerFace, size);
        height = canvas.GetLineMetrics().Height;
        if (height <= room || size <= Step)
            return height;
        size -= Step;
    }
}

int TitleRoomLines(const PageGeometry& geometry)
{
    const int lh = std::max(1, geometry.LH);
    const int room = geometry.Area(PageSide::Left).Top - geometry.Y0 - geometry.MmDown(TitleEdgeMm);
    return room >= lh ? 0 : (lh - room + lh - 1) / lh;
}

void DrawPageTitle(const PrintedPage& page, const Rect& column, const std::string& text, bool rightAligned)
{
    Canvas& canvas = page.Surface;
    const PageGeometry& g = page.Geometry;
    const int height = SelectFontWithin(canvas, HeaderPointSize(page.Print.PPaperType),
                                        column.Top - g.Y0 - g.MmDown(TitleEdgeMm));
    canvas.SetTextColour(TextColours::Black);
    canvas.DrawText(Rect{column.Left, column.Top - height, column.Right, column.Top}, text,
                    TextSingleLine | TextNoClip | (rightAligned ? TextRight : 0u));
    SelectBodyFont(canvas, page.Print.PFontSize);
}

void DrawPageTitles(const PrintedPage& page, PageSide side, const Rect& firstColumn, const Rect& lastColumn,
                    const std::string& leftText, const std::string& rightText)
{
    if (side != PageSide::Right)
        DrawPageTitle(page, firstColumn, leftText, false);
    if (side != PageSide::Left)
        DrawPageTitle(page, lastColumn, rightText, true);
}

int DrawPrintedDate(const PrintedPage& page, const Rect& rect, const CDayData& day, const std::string& text)
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

void DrawPrintedKind(const PrintedPage& page, const Rect& rect, const CDayData& day)
{
    if (rect.Width() <= 0)
        return;
    Canvas& canvas = page.Surface;
    canvas.SetTextColour(IsHolidayKind(day.GetJitei()) ? TextColours::Red : TextColours::Black);
    canvas.DrawText(rect, day.GetJitei(), TextSingleLine);
    canvas.SetTextColour(TextColours::Black);
}

int DrawTextLines(const PrintedPage& page, PageSide side, int u0, int u1, int first, int end,
                  const std::vector<std::string>& texts)
{
    const PageGeometry& g = page.Geometry;
    int line = first;
    for (const std::string& text : texts) {
        if (line >= end)
            break;
        Rect rect = g.UnitRect(side, u0, line, u1, line + 1);
        rect.Left += g.HL;
        rect.Right -= g.HL;
        page.Surface.DrawText(rect, text, TextSingleLine | TextVCenter);
        ++line;
    }
    return line;
}

} // namespace planova
