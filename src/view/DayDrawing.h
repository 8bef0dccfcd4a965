#pragma once

#include "model/CDayData.h"
#include "model/CPlanovaDoc.h"
#include "model/FindHit.h"
#include "view/Canvas.h"

#include <array>
#include <optional>
#include <cstddef>
#include <string>
#include <string_view>

namespace planova {

/// The three biorhythm markers drawn after a date: physical, emotional, intellectual.
struct RhythmMarkers
{
    static constexpr int Count = 3;
    std::array<std::string, Count> Text; ///< one double-byte character each, code page 932
    std::array<Rgb, Count> Colour;
};

/**
 * Draws a date text from the left of the inset in a box as wide as the text plus one line height,
 * in the colour given, and the biorhythm markers (when given) in boxes of one line height after it.
 * The text colour is black afterwards. Returns the date box.
 */
Rect DrawDateWithMarkers(Canvas& canvas, int lineHeight, const Rect& inset, const std::string& dateText,
                         Rgb colour, const RhythmMarkers* markers);

/**
 * Where the find mark of a hit goes in a field drawn from the top left of textRect: the hit's line of
 * the field (which starts fieldStart bytes into the drawn text), then its column, measured on the drawn
 * line with the canvas's current font so that a proportional font puts the mark on the hit; a hit the
 * text no longer holds is placed at the text's end. Lines are lineHeight apart.
 */
Rect FindMarkRect(const Canvas& canvas, int lineHeight, const Rect& textRect, std::string_view drawn,
                  std::size_t fieldStart, const FindHitState& hit);

/**
 * The find mark kept inside an area (a month cell, a column of the ToDo pane): none when it lies on a
 * line below the area or right of it; a mark running past the area's right edge is cut there.
 */
std::optional<Rect> FindMarkWithin(Rect mark, const Rect& bounds);

/// Draws the hit's text on the find mark's yellow, then sets the background back to `background`.
void DrawFindMark(Canvas& canvas, const Rect& mark, const std::string& hitText, Rgb background);

/// Field numbers of a find hit: the time-table kind, the event, the texts of period row m, the memo.
namespace FindField {
constexpr int Jitei = 1;
constexpr int Gyouji = 2;
constexpr int Jigenn(int row)
{
    return 3 * row + 3;
}
constexpr int Yotei(int row)
{
    return 3 * row + 4;
}
constexpr int Naiyou(int row)
{
    return 3 * row + 5;
}
constexpr int Memo = 33;
} // namespace FindField

/**
 * Draws the days of the planner into the cells that a layout gives: the date with its colour and
 * the biorhythm markers, the time-table kind and event, the ten period rows on their colours, the
 * memo, and the yellow marking of the document's find hit. The same painter serves the screen and
 * the printed pages.
 *
 * The canvas must hold the planner font, opaque background mode, black text on white; the painter
 * leaves it so. Drawing never changes the day record.
 */
class DayPainter
{
public:
    /// lineHeight is L; markers of nullptr below mean the biorhythm is switched off.
    DayPainter(Canvas& canvas, int lineHeight, const FindHitState& findHit);

    /// A day of the day view: 13 cells (date, kind and event, ten period rows, memo).
    void DrawDayColumn(const CDayData& day, const RhythmMarkers* markers, const Rect* cells);
    /// A day of the week view: 13 cells; rowAllocation is i (rows 1–11 are i + 1 lines high).
    void DrawWeekColumn(const CDayData& day, const RhythmMarkers* markers, const Rect* cells,
                        int rowAllocation);
    /**
     * A day of the month view, compressed into one cell, one line per text. Only the lines that fit
     * whole into the cell are drawn; when a line with something in it does not fit, a small "…"
     * ends the last line shown.
     */
    void DrawMonthCell(const CDayData& day, const RhythmMarkers* markers, const Rect& cell);

    /// Where the find hit's mark was drawn, once it has been.
    const std::optional<Rect>& FindMarkDrawn() const { return DrawnFindMark; }

private:
    /// Draws the date box from the left of the inset and the markers after it; returns the date box.
    Rect DrawDateHeader(const CDayData& day, const std::string& dateText, const RhythmMarkers* markers,
                        const Rect& inset);
    void DrawKind(const CDayData& day, const Rect& rect);
    /// Draws a text word-wrapped in its rectangle, then the find marking when the hit is in that field.
    void DrawField(const Rect& rect, const std::string& text, int field);
    /// Marks the find hit when it is in the field, which starts fieldStart bytes into the text drawn in
    /// the rectangle; the mark's place and width are measured on the drawn line with the current font.
    void MarkFindHit(const Rect& textRect, std::string_view drawn, std::size_t fieldStart, int field);
    /// Sets the background to the row colour and fills the area when the colour is not white.
    void BeginPeriodRow(int colourIndex, const Rect& fillArea);
    void EndPeriodRow();
    bool IsHitDay(const CDayData& day) const;
    /// Whether a line of the month cell beyond the first `shownLines` has something to show.
    bool HasHiddenMonthLines(const CDayData& day, int shownLines) const;

    Canvas& Surface;
    int L;
    int H;
    const FindHitState& Hit;
    bool HitDay = false;
    Rgb Background{255, 255, 255};
    /// While a month cell is drawn: the area its find marking stays in.
    std::optional<Rect> FindMarkBounds;
    std::optional<Rect> DrawnFindMark;
};

} // namespace planova
