#include "print/PrintJob.h"

#include "print/PageLayouts.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "view/ScreenLayout.h"

#include <algorithm>

namespace planova {

namespace {

constexpr Rgb White{255, 255, 255};

void DrawFooter(const PrintedPage& page, PageSide side, int bottom, bool rightAligned)
{
    Canvas& canvas = page.Surface;
    canvas.SetFont(PlannerFace, FooterPointSize);
    const Rect& area = page.Geometry.Area(side);
    const Rect line{area.Left, bottom, area.Right, bottom + canvas.GetLineMetrics().Height};
    canvas.SetTextColour(TextColours::Black);
    canvas.DrawText(line, FooterText(page.Environment, page.Print.PZerotoru),
                    TextSingleLine | (rightAligned ? TextRight : 0u));
    SelectBodyFont(canvas, page.Print.PFontSize);
}

} // namespace

int TableFontSize(const ViewPrintState& print, int printType)
{
    const int type = std::clamp(printType, 0, PrintType::Count - 1);
    const int paper = std::clamp(print.PPaperType, 0, PaperType::Count - 1);
    return print.PrintFontSizes[static_cast<std::size_t>(type * PaperType::Count + paper)];
}

bool CanPrint(const ViewPrintState& print)
{
    return PageLayoutOf(print.PrintType) != nullptr;
}

int PrintPageCount(const ViewPrintState& print)
{
    const PageLayout* layout = PageLayoutOf(print.PrintType);
    return layout ? PageCount(layout->Step, print.PrintStartDate, print.PrintEndDate) : 0;
}

std::string PageLimitRefusal(const ViewPrintState& print)
{
    const int pages = PrintPageCount(print);
    if (pages <= MaxPrintPages)
        return {};
    return "印刷するページが多すぎます (" + std::to_string(pages) + " ページ。一度に印刷できるのは " +
           std::to_string(MaxPrintPages) + " ページまでです)。期間を短くしてください。";
}

DateTime PrintPageDate(const ViewPrintState& print, int page)
{
    const PageLayout* layout = PageLayoutOf(print.PrintType);
    return PageDate(layout ? layout->Step : PageStep::None, print.PrintStartDate, page);
}

std::string FooterText(const PrintEnvironment& environment, bool stripZeros)
{
    const std::string date =
        stripZeros ? BlankLeadingZerosOfNumbers(environment.FooterDate) : environment.FooterDate;
    return date + "  " + environment.FooterTime;
}

std::vector<Rect> DrawPrintPage(const CPlanovaDoc& document, const ViewPrintState& settings, int page,
                                Canvas& canvas, const PrintEnvironment& environment)
{
    const ViewPrintState& print = settings;
    const PageLayout* layout = PageLayoutOf(print.PrintType);
    if (layout == nullptr)
        return {};
    PrintDevice device{canvas.DpiX(), canvas.DpiY(), SelectBodyFont(canvas, print.PFontSize)};
    // (0, 0) is the paper's corner.
    device.Origin = Point{-canvas.PhysicalOffset().X, -canvas.PhysicalOffset().Y};
    const PageGeometry geometry = ComputePageGeometry(print, device);

    std::vector<Rect> cells(static_cast<std::size_t>(layout->CellCount(print)));
    const PrintedPage printed{document, print, geometry, environment, PrintPageDate(print, page),
                              canvas,   cells};
    canvas.SetBackgroundColour(White);
    canvas.SetOpaqueBackground(false);
    canvas.SetTextColour(TextColours::Black);
    if (print.PWaku) {
        SelectRulePen(canvas, print);
        canvas.DrawRectangle(geometry.Frame);
    }
    for (const PageSide side : geometry.Sides) {
        const int bottom = layout->DrawSide(printed, side);
        if (side != PageSide::Right && layout->LeftFooter)
            DrawFooter(printed, side, bottom, false);
        if (side == PageSide::Right && layout->RightFooter)
            DrawFooter(printed, side, bottom, true);
    }
    return cells;
}

} // namespace planova
