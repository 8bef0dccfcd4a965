#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "print/PageGeometry.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace planova {

/// What printing takes from the program around it.
struct PrintEnvironment
{
    std::string FooterDate; ///< today in the user's locale format, code page 932
    std::string FooterTime; ///< the time now in the user's locale format, code page 932
    /// The routine-work picture "ルーチンワーク.bmp" in the folder of the program.
    std::string RoutineWorkFile;
};

/// The built-in routine-work picture, printed when the file cannot be read.
constexpr const char* BuiltInRoutineWork = ":/print/routine-work.png";
/// The width of the sheet the built-in picture was drawn for, in its pixels.
constexpr int BuiltInRoutineWorkReferenceWidth = 350;

/// Everything a page layout reads while it draws one page.
struct PrintedPage
{
    const CPlanovaDoc& Document;
    const ViewPrintState& Print;
    const PageGeometry& Geometry;
    const PrintEnvironment& Environment;
    DateTime Date; ///< the page's first date
    Canvas& Surface;
    std::vector<Rect>& Cells; ///< the page's cells, sized for the print type
};

/// The colour of a stored colour value: red in the low byte, then green, then blue.
Rgb RgbOfColourValue(std::uint32_t value);
/// The stored colour value of a colour.
std::uint32_t ColourValueOf(Rgb colour);

/// Selects the rule pen: solid, PKeisenFutosa pixels wide, in the colour PKeisenIro.
void SelectRulePen(Canvas& canvas, const PrintSettings& settings);

/// The printed line of a ToDo item: its importance code ("□" when it has none), a full-width space, the
/// subject.
std::string PrintedToDoLine(const CToDo& item);

/**
 * The printed lines of the document's ToDo list: the importance code, a full-width space and the
 * subject ("□　" in place of a missing code). Items whose code begins with "R" are left out when
 * leaveOutRoutine is set (the routine-work picture shows them).
 */
std::vector<std::string> PrintedToDoLines(const CPlanovaDoc& document, bool leaveOutRoutine);

/// The stored day of the date, or an empty day of that date: what a printed page shows of a day.
CDayData PrintedDay(const CPlanovaDoc& document, const DateTime& date);

/**
 * The class-hour count lines: "授業時数のカウント", then "name = count" for each named class of the
 * view's class names, counted from the document's start date (Hajime) to `until`, stored days only.
 */
std::vector<std::string> ClassHourLines(const PrintedPage& page, const DateTime& until);

/**
 * Selects the planner's face at the point size, or at the largest size below it in half points whose
 * line fits the room (down to half a point); returns the line height selected.
 */
int SelectFontWithin(Canvas& canvas, double pointSize, int room);

/// The least distance of a page title from the paper's top edge: printers leave the edge blank.
constexpr double TitleEdgeMm = 3.0;

/**
 * The lines a layout leaves free above its first row so that a page title between that row and
 * TitleEdgeMm below the paper's top edge is at least a body line high; 0 when the top margin holds it.
 */
int TitleRoomLines(const PageGeometry& geometry);

/**
 * A page title in the header font (HeaderPointSize), on one line whose bottom is the top of the column
 * rectangle given (the first row of the page), left-aligned or right-aligned over the column. Where
 * the room above the column is lower than the header font, the title is set smaller, so that it keeps
 * TitleEdgeMm from the paper's top edge. The body font is selected again afterwards.
 */
void DrawPageTitle(const PrintedPage& page, const Rect& column, const std::string& text, bool rightAligned);

/**
 * The titles of a page above its first row: the left text over the first column on the left page (or
 * the one page), the right text right-aligned over the last column on the right page (or the one page).
 */
void DrawPageTitles(const PrintedPage& page, PageSide side, const Rect& firstColumn, const Rect& lastColumn,
                    const std::string& leftText, const std::string& rightText);

/**
 * The date of a printed day from the left of the rectangle, in its colour, followed by the
 * biorhythm markers unless they are switched off or do not fit. Returns the right end of what was drawn.
 */
int DrawPrintedDate(const PrintedPage& page, const Rect& rect, const CDayData& day, const std::string& text);

/// The time-table kind on one line: red for "休日", black otherwise.
void DrawPrintedKind(const PrintedPage& page, const Rect& rect, const CDayData& day);

/**
 * Writes texts one per line of the unit grid of a page, from line `first` down to (not including)
 * line `end`, between units u0 and u1, inset by half a line on the left and right. Texts that do
 * not fit are not drawn. Returns the line after the last text written.
 */
int DrawTextLines(const PrintedPage& page, PageSide side, int u0, int u1, int first, int end,
                  const std::vector<std::string>& texts);

} // namespace planova
