#pragma once

#include "model/PrintSettings.h"
#include "view/Canvas.h"

#include <vector>

namespace planova {

/// A refill page of a printed sheet.
enum class PageSide
{
    Left,  ///< the left page of a spread (also the only page of the left-page type)
    Right, ///< the right page of a spread (also the only page of the right-page type)
    Whole, ///< the one page of the one-page type
};

/// The device a page is laid out for.
struct PrintDevice
{
    int DpiX = 300;     ///< printer pixels per inch across
    int DpiY = 300;     ///< printer pixels per inch down
    int LineHeight = 1; ///< LH: the body font's height plus its internal leading, in printer pixels
    Point Origin{};     ///< the paper's top left corner in device pixels (minus the printable area's offset)
};

/**
 * The geometry every printed layout shares, in printer pixels from the paper's top left corner.
 * Lengths across are scaled with the horizontal resolution and lengths down with the vertical one.
 */
struct PageGeometry
{
    double DotsPerMmX = 0.0;
    double DotsPerMmY = 0.0;
    int W = 0;  ///< width of the layout: the sheet, or two refill pages side by side
    int H = 0;  ///< height of the layout
    int W2 = 0; ///< half the width: where the right page begins
    int X0 = 0; ///< origin of the layout: the special paper's offset plus the nudge
    int Y0 = 0;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    int Gap = 0;         ///< g: the centre gap between the pages of a spread (0 for one page)
    int UsableWidth = 0; ///< of one page
    int UsableHeight = 0;
    int LH = 1;          ///< line height of the body font
    int HL = 0;          ///< half a line
    int UnitsAcross = 0; ///< whole LH in the usable width
    int LinesDown = 0;   ///< whole LH in the usable height
    Rect Frame; ///< "印刷範囲枠を描く": the layout's outline (one page of the left and right types)
    std::vector<PageSide> Sides; ///< the pages drawn, left to right
    Rect LeftArea;               ///< usable area of the left page (or of the one page)
    Rect RightArea;              ///< usable area of the right page

    /// The usable area of a page: its grid is laid out in units and lines from its top left corner.
    const Rect& Area(PageSide side) const { return side == PageSide::Right ? RightArea : LeftArea; }
    /// Left edge of unit u of a page, and top edge of line n.
    int UnitX(PageSide side, int u) const { return Area(side).Left + u * LH; }
    int LineY(PageSide side, int n) const { return Area(side).Top + n * LH; }
    /// The rectangle of units u0–u1 across and lines n0–n1 down of a page.
    Rect UnitRect(PageSide side, int u0, int n0, int u1, int n1) const;
    /// A length in millimetres across or down, in printer pixels (truncated).
    int MmAcross(double mm) const;
    int MmDown(double mm) const;
};

/// Computes the shared geometry of a printed page from the print settings and the device.
PageGeometry ComputePageGeometry(const PrintSettings& settings, const PrintDevice& device);

/// The footer's point size (printed texts use the planner's face, PlannerFace).
constexpr int FooterPointSize = 5;
/// The header font of the page titles: m ÷ 2 × 1.5 points (22.5 for A4 and A5, 12 for Bible and Mini).
double HeaderPointSize(int paperType);

/// Selects the body font on the canvas and gives LH: its height plus its internal leading.
int SelectBodyFont(Canvas& canvas, int pointSize);

} // namespace planova
