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

/**
 * The printed lines of the document's ToDo list: the importance code, a full-width space and the
 * subject ("□　" in place of a missing code). Items whose code begins with "R" are left out when
 * leaveOutRoutine is set (the routine-work picture shows them).
 */
std::vector<std::string> PrintedToDoLines(const CPlanovaDoc& document, bool leaveOutRoutine);

/**
 * Writes texts one per line of the unit grid of a page, from line `first` down to (not including)
 * line `end`, between units u0 and u1, inset by half a line on the left and right. Texts that do
 * not fit are not drawn. Returns the line after the last text written.
 */
int DrawTextLines(const PrintedPage& page, PageSide side, int u0, int u1, int first, int end,
                  const std::vector<std::string>& texts);

} // namespace planova
