#include "print/PageGeometry.h"

#include "print/PrintTypes.h"
#include "print/RefillPaper.h"
#include "view/ScreenLayout.h"

#include <algorithm>

namespace planova {

namespace {

constexpr double MmPerInch = 25.4;

/// Offsets of the printable area on the special refill paper, in millimetres.
constexpr int SpecialPaperLeftSmallMm = 15; // Bible and Mini
constexpr int SpecialPaperLeftLargeMm = 10; // A4 and A5
constexpr int SpecialPaperTopMm = 15;

int Trunc(double value)
{
    return static_cast<int>(value); // toward zero, as nudges may be negative
}

bool IsSmallRefill(int paperType)
{
    return paperType == PaperType::Bible || paperType == PaperType::Mini;
}

std::vector<PageSide> SidesOf(int pageType)
{
    switch (pageType) {
    case PageType::Left:
        return {PageSide::Left};
    case PageType::Right:
        return {PageSide::Right};
    case PageType::One:
        return {PageSide::Whole};
    default:
        return {PageSide::Left, PageSide::Right};
    }
}

} // namespace

Rect PageGeometry::UnitRect(PageSide side, int u0, int n0, int u1, int n1) const
{
    return Rect{UnitX(side, u0), LineY(side, n0), UnitX(side, u1), LineY(side, n1)};
}

int PageGeometry::MmAcross(double mm) const
{
    return Trunc(mm * DotsPerMmX);
}

int PageGeometry::MmDown(double mm) const
{
    return Trunc(mm * DotsPerMmY);
}

PageGeometry ComputePageGeometry(const PrintSettings& settings, const PrintDevice& device)
{
    const RefillPaper& paper = RefillPaperOf(settings.PPaperType);
    const int pageType = settings.PPageType;
    const bool onePage = pageType == PageType::One;
    const bool singleSide = pageType == PageType::Left || pageType == PageType::Right;

    PageGeometry g;
    g.DotsPerMmX = device.DpiX / MmPerInch;
    g.DotsPerMmY = device.DpiY / MmPerInch;

    // Landscape lays the page on its side: its height runs across.
    const bool portrait = IsPortrait(settings);
    g.W = g.MmAcross(portrait ? paper.WidthMm : paper.HeightMm);
    g.H = g.MmDown(portrait ? paper.HeightMm : paper.WidthMm);
    // A single left or right page is laid out as one page of a spread of two refills.
    if (singleSide && !settings.PKatagawa)
        g.W *= 2;
    g.W2 = g.W / 2;

    g.X0 = device.Origin.X;
    g.Y0 = device.Origin.Y;
    if (settings.PSennyoushi) {
        g.X0 += g.MmAcross(IsSmallRefill(settings.PPaperType) ? SpecialPaperLeftSmallMm
                                                              : SpecialPaperLeftLargeMm);
        g.Y0 += g.MmDown(SpecialPaperTopMm);
    }
    g.X0 += g.MmAcross(settings.PIdouMigi);
    g.Y0 += g.MmDown(settings.PIdouSita);

    const int largeMm = paper.MarginBaseMm / 2;
    const int smallMm = paper.MarginBaseMm / 4;
    g.MarginLeft = g.MmAcross(settings.PPageYohakuhidari ? largeMm : smallMm);
    g.MarginRight = g.MmAcross(settings.PPageYohakumigi ? largeMm : smallMm);
    g.MarginTop = g.MmDown(settings.PPageYohakuue ? largeMm : smallMm);
    g.MarginBottom = g.MmDown(settings.PPageYohakushita ? largeMm : smallMm);
    g.UsableHeight = g.H - g.MarginTop - g.MarginBottom;

    if (onePage) {
        g.UsableWidth = g.W - g.MarginLeft - g.MarginRight;
    } else {
        g.Gap = g.MmAcross(paper.MarginBaseMm);
        g.UsableWidth = g.W2 - g.Gap / 2 - (pageType == PageType::Right ? g.MarginRight : g.MarginLeft);
    }

    g.LH = std::max(1, device.LineHeight);
    g.HL = g.LH / 2;
    g.UnitsAcross = std::max(0, g.UsableWidth / g.LH);
    g.LinesDown = std::max(0, g.UsableHeight / g.LH);

    g.Frame = Rect{g.X0, g.Y0, g.X0 + (singleSide ? g.W2 : g.W), g.Y0 + g.H};
    g.Sides = SidesOf(pageType);

    const int top = g.Y0 + g.MarginTop;
    const int left = g.X0 + g.MarginLeft;
    g.LeftArea = Rect{left, top, left + g.UsableWidth, top + g.UsableHeight};
    // Printed on one side of the sheet, the right page starts at the sheet's left edge.
    const int rightPageLeft = g.X0 + (pageType == PageType::Right && settings.PKatagawa ? 0 : g.W2);
    const int rightLeft = rightPageLeft + g.Gap / 2;
    g.RightArea = Rect{rightLeft, top, rightLeft + g.UsableWidth, top + g.UsableHeight};
    return g;
}

double HeaderPointSize(int paperType)
{
    return RefillPaperOf(paperType).MarginBaseMm / 2 * 1.5;
}

int SelectBodyFont(Canvas& canvas, int pointSize)
{
    canvas.SetFont(PlannerFace, pointSize);
    const LineMetrics metrics = canvas.GetLineMetrics();
    return std::max(1, metrics.Height + metrics.InternalLeading);
}

} // namespace planova
