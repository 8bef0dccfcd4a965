#include "view/DayDrawing.h"

#include "model/CellColours.h"
#include "model/FixedTexts.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <algorithm>

namespace planova {

namespace {

constexpr Rgb White{255, 255, 255};
constexpr int RowFillInset = 2;        // a coloured period row leaves 2 pixels of its cell white
constexpr int PeriodLabelUnits = 2;    // width of the period label column
constexpr int PlanUnits = 10;          // width of the plan column of the day view
constexpr int WeekTextIndentUnits = 3; // plan and content of the week view start here

/// The lines of a month cell: the date line (with the time-table kind), the event, ten period rows, the memo.
namespace MonthLine {
constexpr int Kind = 0;
constexpr int Event = 1;
constexpr int FirstPeriod = 2;
constexpr int Memo = FirstPeriod + CDayData::RowCount;
} // namespace MonthLine

/// Ends the last line of a month cell that has more lines than it shows.
const std::string& MonthEllipsis()
{
    static const std::string ellipsis = Cp932Literal("…");
    return ellipsis;
}

const Rect& PeriodCell(const Rect* cells, int row)
{
    return cells[DayRow::FirstPeriod + row];
}

} // namespace

DayPainter::DayPainter(Canvas& canvas, int lineHeight, const FindHitState& findHit)
    : Surface(canvas), L(lineHeight), H(lineHeight / 2), Hit(findHit)
{
}

bool DayPainter::IsHitDay(const CDayData& day) const
{
    if (!Hit.Found || Hit.ToDoItem >= 0)
        return false;
    const DateTime& date = day.GetDate();
    return date == Hit.Date || (!date.IsValid() && !Hit.Date.IsValid());
}

Rect DrawDateWithMarkers(Canvas& canvas, int lineHeight, const Rect& inset, const std::string& dateText,
                         Rgb colour, const RhythmMarkers* markers)
{
    const int width = canvas.TextExtent(dateText).Width;
    const Rect dateBox{inset.Left, inset.Top, inset.Left + width + lineHeight, inset.Bottom};
    canvas.SetTextColour(colour);
    canvas.DrawText(dateBox, dateText, TextWordBreak);
    canvas.SetTextColour(TextColours::Black);
    if (markers == nullptr)
        return dateBox;
    Rect box{dateBox.Right, inset.Top, dateBox.Right + lineHeight, inset.Bottom};
    for (int k = 0; k < RhythmMarkers::Count; ++k) {
        canvas.SetTextColour(markers->Colour[k]);
        canvas.DrawText(box, markers->Text[k], TextWordBreak);
        box.Left = box.Right;
        box.Right = box.Left + lineHeight;
    }
    canvas.SetTextColour(TextColours::Black);
    return dateBox;
}

Rect DayPainter::DrawDateHeader(const CDayData& day, const std::string& dateText,
                                const RhythmMarkers* markers, const Rect& inset)
{
    return DrawDateWithMarkers(Surface, L, inset, dateText, DateColour(day), markers);
}

void DayPainter::DrawKind(const CDayData& day, const Rect& rect)
{
    const bool holiday = IsHolidayKind(day.GetJitei());
    if (holiday)
        Surface.SetTextColour(TextColours::Red);
    DrawField(rect, day.GetJitei(), FindField::Jitei);
    if (holiday)
        Surface.SetTextColour(TextColours::Black);
}

void DayPainter::DrawField(const Rect& rect, const std::string& text, int field)
{
    Surface.DrawText(rect, text, TextWordBreak);
    MarkFindHit(rect, text, 0, field);
}

Rect FindMarkRect(const Canvas& canvas, int lineHeight, const Rect& textRect, std::string_view drawn,
                  std::size_t fieldStart, const FindHitState& hit)
{
    // Where the hit starts in the drawn text: its line of the field ("\r\n" cannot occur inside a
    // double-byte character), then its column on that line.
    std::size_t at = fieldStart;
    for (int line = 0; line < hit.Line && at < drawn.size(); ++line) {
        const std::size_t end = drawn.find("\r\n", at);
        at = end == std::string_view::npos ? drawn.size() : end + 2;
    }
    at = std::min(at + static_cast<std::size_t>(std::max(hit.Column, 0)), drawn.size());
    const std::size_t lineBreak = at < 2 ? std::string_view::npos : drawn.rfind("\r\n", at - 2);
    const std::size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 2;
    const int left = textRect.Left + canvas.TextExtent(drawn.substr(lineStart, at - lineStart)).Width;
    const int top = textRect.Top + lineHeight * std::max(hit.Line, 0);
    return Rect{left, top, left + canvas.TextExtent(hit.Text).Width, top + lineHeight};
}

std::optional<Rect> FindMarkWithin(Rect mark, const Rect& bounds)
{
    if (mark.Bottom > bounds.Bottom || mark.Left >= bounds.Right)
        return std::nullopt;
    mark.Right = std::min(mark.Right, bounds.Right);
    return mark;
}

void DrawFindMark(Canvas& canvas, const Rect& mark, const std::string& hitText, Rgb background)
{
    canvas.SetBackgroundColour(TextColours::FindHitBackground);
    canvas.DrawText(mark, hitText, TextWordBreak);
    // Back to the colour being drawn on, so the texts after the hit keep it.
    canvas.SetBackgroundColour(background);
}

void DayPainter::MarkFindHit(const Rect& textRect, std::string_view drawn, std::size_t fieldStart, int field)
{
    if (!HitDay || Hit.Field != field)
        return;
    const Rect mark = FindMarkRect(Surface, L, textRect, drawn, fieldStart, Hit);
    // A month cell keeps the marking inside.
    const std::optional<Rect> shown = FindMarkBounds ? FindMarkWithin(mark, *FindMarkBounds) : mark;
    if (!shown)
        return;
    DrawFindMark(Surface, *shown, Hit.Text, Background);
    DrawnFindMark = shown;
}

void DayPainter::BeginPeriodRow(int colourIndex, const Rect& fillArea)
{
    Background = CellColourAt(colourIndex).Colour;
    Surface.SetBackgroundColour(Background);
    if (Background != White)
        Surface.FillRectangle(fillArea, Background);
}

void DayPainter::EndPeriodRow()
{
    Background = White;
    Surface.SetBackgroundColour(Background);
}

void DayPainter::DrawDayColumn(const CDayData& day, const RhythmMarkers* markers, const Rect* cells)
{
    HitDay = IsHitDay(day);
    DrawDateHeader(day, DayViewDateText(day.GetDate()), markers, cells[DayRow::Date].Shrunk(H));

    const Rect kindInset = cells[DayRow::KindAndEvent].Shrunk(H);
    const int kindLeft = kindInset.Left + PeriodLabelUnits * L;
    const Rect kind{kindLeft, kindInset.Top, kindLeft + PlanUnits * L, kindInset.Bottom};
    DrawKind(day, kind);
    DrawField(Rect{kind.Right, kindInset.Top, kindInset.Right, kindInset.Bottom}, day.GetGyouji(),
              FindField::Gyouji);

    for (int m = 0; m < CDayData::RowCount; ++m) {
        const Rect& cell = PeriodCell(cells, m);
        const Rect inset = cell.Shrunk(H);
        BeginPeriodRow(day.GetIro(m), cell.Shrunk(RowFillInset));
        const Rect label{inset.Left, inset.Top, inset.Left + PeriodLabelUnits * L, inset.Bottom};
        const Rect plan{label.Right, inset.Top, label.Right + PlanUnits * L, inset.Bottom};
        DrawField(label, day.GetJigenn(m), FindField::Jigenn(m));
        DrawField(plan, day.GetYotei(m), FindField::Yotei(m));
        DrawField(Rect{plan.Right, inset.Top, inset.Right, inset.Bottom}, day.GetNaiyou(m),
                  FindField::Naiyou(m));
        EndPeriodRow();
    }

    DrawField(cells[DayRow::Memo].Shrunk(H), day.GetMemo(), FindField::Memo);
}

void DayPainter::DrawWeekColumn(const CDayData& day, const RhythmMarkers* markers, const Rect* cells,
                                int rowAllocation)
{
    HitDay = IsHitDay(day);
    DrawDateHeader(day, WeekViewDateText(day.GetDate()), markers, cells[DayRow::Date].Shrunk(H));

    const Rect kindInset = cells[DayRow::KindAndEvent].Shrunk(H);
    const Rect kind{kindInset.Left, kindInset.Top, kindInset.Right, kindInset.Top + (rowAllocation - 1) * L};
    DrawKind(day, kind);
    DrawField(Rect{kindInset.Left, kind.Bottom, kindInset.Right, kindInset.Bottom}, day.GetGyouji(),
              FindField::Gyouji);

    for (int m = 0; m < CDayData::RowCount; ++m) {
        const Rect& cell = PeriodCell(cells, m);
        const Rect inset = cell.Shrunk(H);
        BeginPeriodRow(day.GetIro(m), cell.Shrunk(RowFillInset));
        const int textLeft = inset.Left + WeekTextIndentUnits * L;
        DrawField(Rect{inset.Left, inset.Top, inset.Left + PeriodLabelUnits * L, inset.Bottom},
                  day.GetJigenn(m), FindField::Jigenn(m));
        DrawField(Rect{textLeft, inset.Top, inset.Right, inset.Top + L}, day.GetYotei(m),
                  FindField::Yotei(m));
        DrawField(Rect{textLeft, inset.Top + L, inset.Right, inset.Bottom}, day.GetNaiyou(m),
                  FindField::Naiyou(m));
        EndPeriodRow();
    }

    DrawField(cells[DayRow::Memo].Shrunk(H), day.GetMemo(), FindField::Memo);
}

bool DayPainter::HasHiddenMonthLines(const CDayData& day, int shownLines) const
{
    if (shownLines <= MonthLine::Kind && !day.GetJitei().empty())
        return true;
    if (shownLines <= MonthLine::Event && !day.GetGyouji().empty())
        return true;
    for (int m = std::max(0, shownLines - MonthLine::FirstPeriod); m < CDayData::RowCount; ++m)
        if (CellColourAt(day.GetIro(m)).Colour != White || !day.GetJigenn(m).empty() ||
            !day.GetYotei(m).empty() || !day.GetNaiyou(m).empty())
            return true;
    return shownLines <= MonthLine::Memo && !day.GetMemo().empty();
}

void DayPainter::DrawMonthCell(const CDayData& day, const RhythmMarkers* markers, const Rect& cell)
{
    HitDay = IsHitDay(day);
    const Rect inset = cell.Shrunk(H);
    // The texts stay inside the day's own cell: only the lines that fit whole into the inset are
    // drawn, and when a line with something in it is left out, "…" ends the last line shown.
    const int shownLines = L > 0 ? std::max(0, inset.Height() / L) : 0;
    const bool hidden = HasHiddenMonthLines(day, shownLines);
    const int ellipsisWidth = hidden ? Surface.TextExtent(MonthEllipsis()).Width : 0;
    const auto line = [&](int n, int left) {
        const int right = hidden && n == shownLines - 1 ? inset.Right - ellipsisWidth : inset.Right;
        return Rect{left, inset.Top + n * L, right, inset.Top + (n + 1) * L};
    };
    FindMarkBounds = inset;

    const Rect dateBox = DrawDateHeader(day, MonthViewDateText(day.GetDate()), markers, inset);
    const int lastBoxRight = markers == nullptr ? dateBox.Right : dateBox.Right + RhythmMarkers::Count * L;
    if (MonthLine::Kind < shownLines)
        DrawKind(day, line(MonthLine::Kind, lastBoxRight + L));
    if (MonthLine::Event < shownLines)
        DrawField(line(MonthLine::Event, dateBox.Right), day.GetGyouji(), FindField::Gyouji);

    for (int m = 0; m < CDayData::RowCount && MonthLine::FirstPeriod + m < shownLines; ++m) {
        const Rect rowLine = line(MonthLine::FirstPeriod + m, inset.Left);
        BeginPeriodRow(day.GetIro(m), Rect{inset.Left, rowLine.Top, inset.Right, rowLine.Bottom});
        const std::string prefix = day.GetJigenn(m) + day.GetYotei(m);
        const std::string drawn = prefix + day.GetNaiyou(m);
        Surface.DrawText(rowLine, drawn, TextWordBreak);
        MarkFindHit(rowLine, drawn, prefix.size(), FindField::Naiyou(m));
        EndPeriodRow();
    }

    if (MonthLine::Memo < shownLines)
        DrawField(Rect{inset.Left, inset.Top + MonthLine::Memo * L, inset.Right, inset.Bottom}, day.GetMemo(),
                  FindField::Memo);

    if (hidden && shownLines > 0) {
        // Drawn over whatever the last line shows, its row colour included.
        const int top = inset.Top + (shownLines - 1) * L;
        Surface.SetOpaqueBackground(false);
        Surface.DrawText(Rect{inset.Right - ellipsisWidth, top, inset.Right, top + L}, MonthEllipsis(),
                         TextSingleLine | TextRight);
        Surface.SetOpaqueBackground(true);
    }
    FindMarkBounds.reset();
}

} // namespace planova
