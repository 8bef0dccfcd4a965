#pragma once

#include "model/CPlanovaDoc.h"
#include "print/PrintedPage.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

#include <string>
#include <vector>

namespace planova {

/// The print font size the table PrintFontSizes gives for a print type (its row) and the settings' paper.
int TableFontSize(const ViewPrintState& print, int printType);

/// Whether the print type of the settings has a page layout.
bool CanPrint(const ViewPrintState& print);

/// The pages of the job from PrintStartDate to PrintEndDate (0: nothing to print).
int PrintPageCount(const ViewPrintState& print);

/**
 * The most pages one job prints: far above any school year (a year of day planners with their
 * record sheets is some 730 pages), low enough that a mistyped range of centuries is refused
 * instead of drawing for hours.
 */
inline constexpr int MaxPrintPages = 5000;

/// Why the job cannot be printed because it has more than MaxPrintPages pages (the count named,
/// UTF-8); empty when it can.
std::string PageLimitRefusal(const ViewPrintState& print);

/// The first date of page n (1-based), whatever the order the pages are drawn in.
DateTime PrintPageDate(const ViewPrintState& print, int page);

/**
 * Draws page n of the job onto the canvas (a printer page, a PDF page, a recording canvas): the frame,
 * the refill pages of the print type, and the footer. The document is only read; pages may be drawn in
 * any order. The biorhythm markers follow print.Biorhythm on every page of the job. Returns the cells of
 * the page (empty when the print type cannot be printed).
 */
std::vector<Rect> DrawPrintPage(const CPlanovaDoc& document, const ViewPrintState& print, int page,
                                Canvas& canvas, const PrintEnvironment& environment);

/// The footer: the date and the time joined by two spaces (the date's leading zeros blanked when asked).
std::string FooterText(const PrintEnvironment& environment, bool stripZeros);

} // namespace planova
