#include "print/RuledSheet.h"

#include "model/FixedTexts.h"
#include "model/TextFunctions.h"
#include "print/PrintJob.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <algorithm>

namespace planova {

namespace {

/// The row of the print font-size table that sizes the record sheet's date ("記録用紙").
constexpr int RecordSheetFontRow = PrintType::Memo;
constexpr int ClassificationMarks = 8;
constexpr double ClassificationSpacingMm = 17;
constexpr double ClassificationDepthMm = 5;
/// A text written on a ruled line keeps an eighth of the line clear of the rule above and below it.
constexpr int RuleClearanceDivisor = 8;

int CeilDiv(int value, int divisor)
{
    return (value + divisor - 1) / divisor;
}

int RecordSheetPointSize(const ViewPrintState& print)
{
    return std::max(1, TableFontSize(print, RecordSheetFontRow));
}

/// Ruled lines every LH across the grid, from line `first` to line `last` (both drawn).
void DrawRuledLines(const PrintedPage& page, PageSide side, int first, int last)
{
    const PageGeometry& g = page.Geometry;
    for (int n = first; n <= last; ++n)
        page.Surface.DrawLine({g.UnitX(side, 0), g.LineY(side, n)},
                              {g.UnitX(side, g.UnitsAcross), g.LineY(side, n)});
}

/// The centre line: at half the grid's width, or at two thirds of it.
int CentreOffset(const PrintedPage& page)
{
    const int width = page.Geometry.UnitsAcross * page.Geometry.LH;
    return page.Print.PKirokuCenterline1by3 ? width * 2 / 3 : width / 2;
}

void DrawCentreLine(const PrintedPage& page, PageSide side, int offset, int firstLine, int endLine)
{
    const PageGeometry& g = page.Geometry;
    const int x = g.UnitX(side, 0) + offset;
    page.Surface.DrawLine({x, g.LineY(side, firstLine)}, {x, g.LineY(side, endLine)});
}

/// Eight marks 17 mm apart at the top edge of A4 and A5 pages, 5 mm long; those past the page are left out.
void DrawClassificationMarks(const PrintedPage& page, PageSide side)
{
    const int paper = page.Print.PPaperType;
    if (!page.Print.PKirokuBunnrui || (paper != PaperType::A4 && paper != PaperType::A5))
        return;
    const PageGeometry& g = page.Geometry;
    const Rect& area = g.Area(side);
    for (int k = 0; k < ClassificationMarks; ++k) {
        const int x = area.Left + g.MmAcross(ClassificationSpacingMm * k);
        if (x > area.Right)
            break;
        page.Surface.DrawLine({x, g.Y0}, {x, g.Y0 + g.MmDown(ClassificationDepthMm)});
    }
}

/// Draws the routine-work picture at the top left of the ruled part; returns the lines it covers.
int DrawRoutineWork(const PrintedPage& page, PageSide side, int firstLine, int endLine, int maxWidth)
{
    Canvas& canvas = page.Surface;
    std::string image = page.Environment.RoutineWorkFile;
    Size size = image.empty() ? Size{} : canvas.ImageSize(image);
    int referenceWidth = size.Width;
    if (size.Width <= 0 || size.Height <= 0) {
        // No picture beside the program: the built-in one, drawn for a sheet 350 pixels wide.
        image = BuiltInRoutineWork;
        size = canvas.ImageSize(image);
        referenceWidth = BuiltInRoutineWorkReferenceWidth;
    }
    if (size.Width <= 0 || size.Height <= 0 || maxWidth <= 0)
        return 0;
    const PageGeometry& g = page.Geometry;
    const long long target = maxWidth;
    int width = static_cast<int>(size.Width * target / referenceWidth);
    int height = static_cast<int>(size.Height * target / referenceWidth);
    const int room = (endLine - firstLine) * g.LH;
    if (height > room && height > 0) {
        width = static_cast<int>(static_cast<long long>(width) * room / height);
        height = room;
    }
    if (width <= 0 || height <= 0)
        return 0;
    const Point at{g.UnitX(side, 0), g.LineY(side, firstLine)};
    canvas.DrawBitmap(image, Rect{0, 0, size.Width, size.Height},
                      Rect{at.X, at.Y, at.X + width, at.Y + height});
    return CeilDiv(height, g.LH);
}

/**
 * Texts one per ruled line, as DrawTextLines writes them, in a font small enough to keep the glyphs
 * clear of the rules above and below; the body font is selected again afterwards.
 */
void DrawRuledTextLines(const PrintedPage& page, PageSide side, int u0, int u1, int first, int end,
                        const std::vector<std::string>& texts)
{
    const int lh = page.Geometry.LH;
    SelectFontWithin(page.Surface, page.Print.PFontSize, lh - 2 * std::max(1, lh / RuleClearanceDivisor));
    DrawTextLines(page, side, u0, u1, first, end, texts);
    SelectBodyFont(page.Surface, page.Print.PFontSize);
}

std::string NextDayMemoText(const PrintedPage& page)
{
    const DateTime next = page.Date.AddDays(1);
    const CDayData* stored = page.Document.FindStoredDay(next);
    return PrintedDateText(next, page.Print.PDateType, page.Print.PZerotoru) + "(" +
           WeekdayLetterOf(std::max(0, next.DayOfWeek())) + ")\r\n" +
           (stored ? stored->GetMemo() : std::string());
}

void DrawDate(const PrintedPage& page, PageSide side, const RecordSheetPlan& plan)
{
    const PageGeometry& g = page.Geometry;
    CDayData day;
    day.ClearDay(page.Date);
    if (const CDayData* stored = page.Document.FindStoredDay(page.Date))
        day = *stored;
    Canvas& canvas = page.Surface;
    canvas.SetFont(PlannerFace, RecordSheetPointSize(page.Print));
    canvas.SetTextColour(PrintedDateColour(day));
    canvas.DrawText(g.UnitRect(side, 0, 0, g.UnitsAcross, plan.HeaderLines),
                    PrintedDateWithWeekday(page.Date, page.Print.PDateType, page.Print.PZerotoru),
                    TextSingleLine | TextCenter | TextVCenter | TextFitWidth);
    canvas.SetTextColour(TextColours::Black);
    SelectBodyFont(canvas, page.Print.PFontSize);
}

} // namespace

RecordSheetPlan PlanRecordSheet(const PrintedPage& page)
{
    const PageGeometry& g = page.Geometry;
    const ViewPrintState& print = page.Print;
    RecordSheetPlan plan;
    if (print.PKirokuDate) {
        page.Surface.SetFont(PlannerFace, RecordSheetPointSize(print));
        plan.HeaderLines = std::max(plan.HeaderLines, CeilDiv(page.Surface.GetLineMetrics().Height, g.LH));
        SelectBodyFont(page.Surface, print.PFontSize);
    }
    plan.NextDayMemo = print.PKirokuTomorrow;
    plan.ClassHourCount = print.Keisannsuru;
    if (plan.ClassHourCount)
        plan.ClassLines =
            1 + static_cast<int>(std::count_if(print.ClassNames.begin(), print.ClassNames.end(),
                                               [](const std::string& name) { return !name.empty(); }));
    const int lowerLines = std::max(plan.NextDayMemo ? NextDayMemoLines : 0, plan.ClassLines);
    plan.LowerTop = std::max(plan.HeaderLines, g.LinesDown - lowerLines);
    plan.CentreUnitsX = print.PKirokuCenterline ? CentreOffset(page) : 0;
    return plan;
}

int DrawRecordSheet(const PrintedPage& page, PageSide side)
{
    const PageGeometry& g = page.Geometry;
    const ViewPrintState& print = page.Print;
    const RecordSheetPlan plan = PlanRecordSheet(page);
    Canvas& canvas = page.Surface;

    SelectRulePen(canvas, print);
    // No ruled line runs through the date.
    if (print.PKirokuDate) {
        DrawRuledLines(page, side, 0, 0);
        DrawRuledLines(page, side, plan.HeaderLines, g.LinesDown);
    } else {
        DrawRuledLines(page, side, 0, g.LinesDown);
    }
    if (plan.CentreUnitsX > 0)
        DrawCentreLine(page, side, plan.CentreUnitsX, plan.HeaderLines, plan.LowerTop);
    DrawClassificationMarks(page, side);

    canvas.SetOpaqueBackground(false);
    canvas.SetTextColour(TextColours::Black);
    if (print.PKirokuDate)
        DrawDate(page, side, plan);

    // The picture and the ToDo list share the ruled part: the list right of the centre line, or below the
    // picture when there is no centre line.
    const int leftColumnWidth = plan.CentreUnitsX > 0 ? plan.CentreUnitsX : g.UnitsAcross * g.LH;
    const int pictureLines = print.PRoutineWork
                                 ? DrawRoutineWork(page, side, plan.HeaderLines, plan.LowerTop,
                                                   std::min(RoutineWorkUnits * g.LH, leftColumnWidth))
                                 : 0;
    if (print.PKirokuTodo && !print.PDayTodo) {
        const std::vector<std::string> lines = PrintedToDoLines(page.Document, print.PRoutineWork);
        if (plan.CentreUnitsX > 0)
            DrawRuledTextLines(page, side, CeilDiv(plan.CentreUnitsX, g.LH), g.UnitsAcross, plan.HeaderLines,
                               plan.LowerTop, lines);
        else
            DrawRuledTextLines(page, side, 0, g.UnitsAcross, plan.HeaderLines + pictureLines, plan.LowerTop,
                               lines);
    }

    const int countUnits = plan.NextDayMemo ? g.UnitsAcross / 2 : 0;
    if (plan.NextDayMemo) {
        const int memoRight = plan.ClassHourCount ? countUnits : g.UnitsAcross;
        // Written on the ruled lines: inset across only, so each text line sits between two rules.
        Rect memo = g.UnitRect(side, 0, plan.LowerTop, memoRight, g.LinesDown);
        memo.Left += g.HL;
        memo.Right -= g.HL;
        canvas.DrawText(memo, NextDayMemoText(page), TextWordBreak);
    }
    if (plan.ClassHourCount)
        DrawRuledTextLines(page, side, countUnits, g.UnitsAcross, plan.LowerTop, g.LinesDown,
                           ClassHourLines(page, page.Date));
    return g.LineY(side, g.LinesDown);
}

int DrawMemoSheet(const PrintedPage& page, PageSide side)
{
    const PageGeometry& g = page.Geometry;
    page.Cells.assign(1, g.UnitRect(side, 0, 0, g.UnitsAcross, g.LinesDown));
    SelectRulePen(page.Surface, page.Print);
    DrawRuledLines(page, side, 0, g.LinesDown);
    if (page.Print.PKirokuCenterline)
        DrawCentreLine(page, side, CentreOffset(page), 0, g.LinesDown);
    DrawClassificationMarks(page, side);
    return g.LineY(side, g.LinesDown);
}

} // namespace planova
