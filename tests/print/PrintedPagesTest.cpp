#include "print/DayPlannerPage.h"
#include "print/PageLayouts.h"
#include "print/PrintJob.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "print/RuledSheet.h"
#include "support/CalendarTestDays.h"
#include "support/PrintedPageFixture.h"
#include "view/ViewSky.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {
namespace {

using test::CanvasOp;
using test::Date;
using test::Sj;
using namespace test::a4spread;

class PrintedPagesTest : public test::PrintedPageFixture
{
protected:
    PrintedPagesTest()
    {
        Doc.BirthdayYear = 1980;
        Doc.BirthdayMonth = 5;
        Doc.BirthdayDay = 5;
        Print = CopyPrintSettings(Doc);
        Print.PrintStartDate = Date(2024, 4, 8); // a Monday
        Print.PrintEndDate = Date(2024, 4, 14);
        Environment.RoutineWorkFile = "/no/such/folder/routine.bmp";
        Canvas.Images[BuiltInRoutineWork] = Size{350, 150};
    }

    void AddToDo(const char* importance, const char* subject)
    {
        CToDo item;
        item.SetJyuuyoudo(Sj(importance));
        item.SetKennmei(Sj(subject));
        Doc.AppendToDo(item);
    }

    /// Lines drawn between two x positions (both ends inside).
    std::vector<CanvasOp> LinesWithin(int left, int right) const
    {
        std::vector<CanvasOp> found;
        for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line)) {
            if (op.From.X >= left && op.To.X <= right)
                found.push_back(op);
        }
        return found;
    }

    std::vector<CanvasOp> VerticalLinesAt(int x) const
    {
        std::vector<CanvasOp> found;
        for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line)) {
            if (op.From.X == x && op.To.X == x)
                found.push_back(op);
        }
        return found;
    }
};

TEST_F(PrintedPagesTest, DayPlannerCellSpans)
{
    struct Case
    {
        const char* Name;
        int Column;
        int Row;
        int U0;
        int N0;
        int U1;
        int N1;
    };
    const Case cases[] = {
        {"date over the full width", 0, 0, 0, 0, Units, 3},
        {"event right of the rows", 1, 0, 20, 1, Units, 3},
        {"time-table kind right of the rows", 2, 0, 20, 0, Units, 2},
        {"first period label", 0, 1, 0, 3, 3, 7},
        {"first plan", 1, 1, 3, 3, 9, 7},
        {"first content", 2, 1, 9, 3, 20, 7},
        {"fifth plan", 1, 5, 3, 3 + 4 * 4, 9, 3 + 4 * 5},
        {"tenth content", 2, 10, 9, 39, 20, 43},
        {"memo down to the last line", 0, 11, 0, 43, Units, Lines},
    };
    const std::vector<Rect> cells = Draw();
    ASSERT_EQ(cells.size(), 36u);
    for (const Case& c : cases)
        EXPECT_EQ(cells[c.Column * 12 + c.Row], (Rect{X(c.U0), Y(c.N0), X(c.U1), Y(c.N1)})) << c.Name;
    EXPECT_EQ(cells[1 * 12 + 11], Rect{}); // the memo row has one cell
}

TEST_F(PrintedPagesTest, NarrowPagesKeepTheCellsOnTheirPage)
{
    // Mini upright as a spread: 307 pixels per page, 8 units of 37.
    Print.PPaperType = PaperType::Mini;
    Print.PYoushiType = Orientation::Portrait;
    const PageGeometry g = ComputePageGeometry(Print, {300, 300, Lh});
    ASSERT_EQ(g.UnitsAcross, 8);
    const std::vector<Rect> cells = DayPlannerCells(g, PageSide::Left);
    for (const Rect& cell : cells)
        EXPECT_LE(cell.Right, g.UnitX(PageSide::Left, 8));
    EXPECT_EQ(cells[2 * 12 + 1].Right, g.UnitX(PageSide::Left, 8)); // content cut at the page's edge
}

TEST_F(PrintedPagesTest, DateTextForms)
{
    struct Case
    {
        int DateType;
        bool Strip;
        const char* Text;
    };
    const Case cases[] = {
        {0, false, "20240408"},      {0, true, "20240408"}, // the digits stay as they are
        {1, false, "2024/04/08"},    {1, true, "2024/ 4/ 8"}, {2, false, "2024年04月08日"},
        {2, true, "2024年 4月 8日"}, {7, false, "20240408"}, // an unknown form prints digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintedDateText(Date(2024, 4, 8), c.DateType, c.Strip), Sj(c.Text))
            << c.DateType << c.Strip;
    EXPECT_EQ(PrintedDateText(Date(2024, 11, 10), 1, true), "2024/11/10");
    EXPECT_EQ(PrintedDateWithWeekday(Date(2024, 4, 8), 1, false), Sj("2024/04/08（月）"));
}

TEST_F(PrintedPagesTest, DateTextsTrimmedPerPrintType)
{
    struct Case
    {
        int DateType;
        bool Strip;
        const char* MonthDay;  // week planner, ToDo table
        const char* Day;       // month and year planners
        const char* YearMonth; // the month planner's left title
    };
    const Case cases[] = {
        {0, false, "0408", "08", "202404"},           {0, true, "0408", "08", "202404"},
        {1, false, "04/08", "08", "2024/04"},         {1, true, " 4/ 8", " 8", "2024/ 4"},
        {2, false, "04月08日", "08日", "2024年04月"}, {2, true, " 4月 8日", " 8日", "2024年 4月"},
    };
    const DateTime date = Date(2024, 4, 8);
    for (const Case& c : cases) {
        EXPECT_EQ(PrintedMonthDay(date, c.DateType, c.Strip), Sj(c.MonthDay)) << c.DateType << c.Strip;
        EXPECT_EQ(PrintedDayOfMonth(date, c.DateType, c.Strip), Sj(c.Day)) << c.DateType << c.Strip;
        EXPECT_EQ(PrintedYearMonth(date, c.DateType, c.Strip), Sj(c.YearMonth)) << c.DateType << c.Strip;
    }
    EXPECT_EQ(WithWeekdayInBrackets(Sj("04/08"), date), Sj("04/08（月）"));
    EXPECT_EQ(WithWeekdayLetter(Sj("08"), date), Sj("08月"));
}

TEST_F(PrintedPagesTest, PageTitleSitsOnTheFirstRowAtLeast3MmBelowThePaperEdge)
{
    struct Case
    {
        const char* Name;
        int NudgeDownMm; // PIdouSita: moves the layout and its paper edge down
        int Line;        // the first row's top line
        double PointSize;
        int Em; // trunc(points × 300 ÷ 72): the title's height on the recording canvas
    };
    // The layout's top edge is at y = 59 with a nudge of 5 mm (5 × 11.81), else 0; 3 mm is 35 pixels.
    const Case cases[] = {
        // Y(3) = 193: 158 pixels above the row hold the header font (22.5 points, 93 pixels).
        {"room for the header font", 0, 3, 22.5, 93},
        // Y(1) = 119: 84 pixels; 22.5 × 84 ÷ 93 = 20.3, in half points 20 (83 pixels).
        {"a line below the margin", 0, 1, 20, 83},
        // Y(0) = 82, the 7 mm top margin: 47 pixels; 22.5 × 47 ÷ 93 = 11.4 → 11 (45 pixels).
        {"on the top margin", 0, 0, 11, 45},
        // Y(0) = 59 + 82 = 141: the same 47 pixels below the nudged edge.
        {"nudged down", 5, 0, 11, 45},
    };
    for (const Case& c : cases) {
        Print.PIdouSita = c.NudgeDownMm;
        std::vector<Rect> cells;
        const PageGeometry geometry = ComputePageGeometry(Print, PrintDevice{300, 300, Lh});
        const PrintedPage page{Doc, Print, geometry, Environment, Date(2024, 4, 8), Canvas, cells};
        const int top = geometry.LineY(PageSide::Left, c.Line);
        const Rect column{X(0), top, X(10), top + 6 * Lh};
        Canvas.Ops.clear();
        DrawPageTitle(page, column, "left", false);
        DrawPageTitle(page, column, "right", true);
        const CanvasOp left = Canvas.TextOp("left");
        EXPECT_EQ(left.PointSize, c.PointSize) << c.Name;
        EXPECT_EQ(left.Area, (Rect{X(0), top - c.Em, X(10), top})) << c.Name;
        EXPECT_GE(left.Area.Top, geometry.Y0 + 35) << c.Name;
        EXPECT_EQ(left.Flags & TextRight, 0u);
        EXPECT_NE(Canvas.TextOp("right").Flags & TextRight, 0u);
        EXPECT_EQ(Canvas.PointSize, Print.PFontSize); // the body font again
    }
}

TEST_F(PrintedPagesTest, DateColoursOnThePlannerPage)
{
    for (const test::DateColourCase& c : test::DateColourCases()) {
        Store(DayOf(c.Date, c.Jitei));
        Print.PrintStartDate = c.Date;
        Draw();
        const CanvasOp date = Canvas.TextOp(PrintedDateWithWeekday(c.Date, 0, false));
        EXPECT_EQ(date.TextColour, c.Colour) << c.Name;
        EXPECT_EQ(date.Area.Left, X(0) + Hl) << c.Name;
    }
}

TEST_F(PrintedPagesTest, DayTextsInTheirCells)
{
    Store(DayWithEveryText(Date(2024, 4, 8)));
    const std::vector<Rect> cells = Draw();

    EXPECT_EQ(Canvas.TextOp(Sj("休日")).Area, cells[2 * 12].Shrunk(Hl));
    EXPECT_EQ(Canvas.TextOp(Sj("休日")).TextColour, TextColours::Red);
    EXPECT_EQ(Canvas.TextOp(Sj("入学式")).Area, cells[1 * 12].Shrunk(Hl));
    EXPECT_EQ(Canvas.TextOp(Sj("朝")).Area, (Rect{X(0) + Hl, Y(3) + Hl, X(3) - Hl, Y(7) - Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("職員朝会")).Area, (Rect{X(3) + Hl, Y(3) + Hl, X(9) - Hl, Y(7) - Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("連絡")).Area, (Rect{X(9) + Hl, Y(3) + Hl, X(20) - Hl, Y(7) - Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("部活動")).Area, (Rect{X(3) + Hl, Y(39) + Hl, X(9) - Hl, Y(43) - Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("メモ")).Area, (Rect{X(0) + Hl, Y(43) + Hl, X(Units) - Hl, Y(Lines) - Hl}));
    for (const CanvasOp& op : Canvas.Texts())
        EXPECT_FALSE(op.Opaque) << op.Bytes;
}

TEST_F(PrintedPagesTest, GridLinesWithTheRulePen)
{
    Print.PKeisenFutosa = 3;
    Print.PKeisenIro = 0x00FF8000; // blue 255, green 128, red 0
    Draw();
    const std::vector<CanvasOp> planner = LinesWithin(LeftX, X(Units));
    ASSERT_FALSE(planner.empty());
    for (const CanvasOp& op : planner) {
        EXPECT_EQ(op.Pen, (Rgb{0, 128, 255}));
        EXPECT_EQ(op.PenWidth, 3);
    }
    // Row lines across the page, column lines at 3, 9 and 20 units through the period rows.
    for (int n = 3; n <= 43; n += 4)
        EXPECT_TRUE(std::any_of(planner.begin(), planner.end(), [&](const CanvasOp& op) {
            return op.From == Point{X(0), Y(n)} && op.To == Point{X(Units), Y(n)};
        })) << n;
    for (const int u : {3, 9, 20}) {
        const std::vector<CanvasOp> column = VerticalLinesAt(X(u));
        ASSERT_EQ(column.size(), 1u) << u;
        EXPECT_EQ(column[0].From.Y, Y(3));
        EXPECT_EQ(column[0].To.Y, Y(43));
    }
    const std::vector<CanvasOp> outlines = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_EQ(outlines.size(), 1u); // no frame unless asked for
    EXPECT_EQ(outlines[0].Area, (Rect{X(0), Y(0), X(Units), Y(Lines)}));
    EXPECT_TRUE(outlines[0].Hollow);

    Print.PWaku = true;
    Draw();
    EXPECT_EQ(Canvas.OfKind(CanvasOp::Rectangle).front().Area, (Rect{0, 0, 3507, 2480}));
}

TEST_F(PrintedPagesTest, ColouredRowsAreFilledOnlyWhenAsked)
{
    CDayData day = DayOf(Date(2024, 4, 8));
    day.SetIro(2, 4);
    day.SetYotei(2, Sj("理科"));
    Store(day);
    Print.WakunaiNuritubushi = false;
    Draw();
    EXPECT_TRUE(Canvas.OfKind(CanvasOp::Fill).empty());

    Print.WakunaiNuritubushi = true;
    Draw();
    const std::vector<CanvasOp> fills = Canvas.OfKind(CanvasOp::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Area, (Rect{X(0), Y(11), X(20), Y(15)})); // the third period row, label to content
    EXPECT_EQ(fills[0].Brush, CellColours[4].Colour);
}

TEST_F(PrintedPagesTest, NoBiorhythmCoversEveryPageOfTheJob)
{
    const auto markersOn = [&](const DateTime& date) {
        const RhythmMarkers markers = RhythmMarkersOn(Doc, date);
        const CanvasOp dateOp = Canvas.TextOp(PrintedDateWithWeekday(date, 0, false));
        const std::vector<CanvasOp> texts = Canvas.Texts();
        const auto at = std::find_if(texts.begin(), texts.end(),
                                     [&](const CanvasOp& op) { return op.Bytes == dateOp.Bytes; });
        return at + 1 != texts.end() && (at + 1)->Bytes == markers.Text[0] &&
               (at + 1)->Area.Left == dateOp.Area.Right;
    };
    Draw(1);
    EXPECT_TRUE(markersOn(Date(2024, 4, 8)));
    Print.Biorhythm = true;
    for (const int page : {1, 2, 7}) {
        Draw(page);
        EXPECT_FALSE(markersOn(PrintPageDate(Print, page))) << page;
    }
}

TEST_F(PrintedPagesTest, PagesDrawnOutOfOrderShowTheirOwnDates)
{
    for (const int page : {3, 1, 7, 3}) {
        Draw(page);
        EXPECT_TRUE(Canvas.HasText(PrintedDateWithWeekday(Date(2024, 4, 7 + page), 0, false))) << page;
    }
    EXPECT_EQ(PrintPageCount(Print), 7);
}

TEST_F(PrintedPagesTest, RecordSheetCentreLineAtAHalfOrTwoThirds)
{
    struct Case
    {
        const char* Name;
        bool Third;
        bool Tomorrow;
        int X;
        int EndLine;
    };
    const Case cases[] = {
        {"half, above the next day's memo", false, true, RightX + 1480 / 2, Lines - NextDayMemoLines},
        {"two thirds", true, true, RightX + 1480 * 2 / 3, Lines - NextDayMemoLines},
        {"half, down to the last line", false, false, RightX + 740, Lines},
    };
    for (const Case& c : cases) {
        Print.PKirokuCenterline1by3 = c.Third;
        Print.PKirokuTomorrow = c.Tomorrow;
        Draw();
        const std::vector<CanvasOp> centre = VerticalLinesAt(c.X);
        ASSERT_EQ(centre.size(), 1u) << c.Name;
        EXPECT_EQ(centre[0].From.Y, Y(2)) << c.Name; // below the date
        EXPECT_EQ(centre[0].To.Y, Y(c.EndLine)) << c.Name;
    }
    Print.PKirokuCenterline = false;
    Draw();
    for (const CanvasOp& op : LinesWithin(RightX, RightX + Units * Lh))
        EXPECT_NE(op.From.X, op.To.X); // only ruled lines
}

TEST_F(PrintedPagesTest, RecordSheetRuledLinesAndDate)
{
    Draw();
    std::vector<int> ruled;
    for (const CanvasOp& op : LinesWithin(RightX, RightX + Units * Lh)) {
        if (op.From.Y == op.To.Y) {
            EXPECT_EQ(op.From.X, RightX);
            EXPECT_EQ(op.To.X, RightX + Units * Lh);
            ruled.push_back((op.From.Y - Top) / Lh);
        }
    }
    std::vector<int> expected{0};
    for (int n = 2; n <= Lines; ++n)
        expected.push_back(n); // none through the date
    EXPECT_EQ(ruled, expected);

    const CanvasOp date = Canvas.TextOps(PrintedDateWithWeekday(Date(2024, 4, 8), 0, false)).back();
    EXPECT_EQ(date.Area, (Rect{RightX, Y(0), RightX + Units * Lh, Y(2)}));
    EXPECT_EQ(date.Flags, unsigned(TextSingleLine | TextCenter | TextVCenter |
                                   TextFitWidth)); // condensed on a narrow page
    EXPECT_EQ(date.PointSize, 16);                 // the record-sheet size of A4

    Print.PKirokuDate = false;
    Draw();
    EXPECT_EQ(Canvas.TextOps(PrintedDateWithWeekday(Date(2024, 4, 8), 0, false)).size(), 1u); // the planner's
}

TEST_F(PrintedPagesTest, ToDoListWithAndWithoutRoutineWork)
{
    AddToDo("A1", "会議資料");
    AddToDo("R1", "週案提出");
    AddToDo("", "掃除");
    // Right of the centre line, from below the date.
    Draw();
    const int listLeft = RightX + 20 * Lh + Hl;
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Area, (Rect{listLeft, Y(2), RightX + Units * Lh - Hl, Y(3)}));
    // Between two rules and clear of both: 37 − 2 × (37 ÷ 8) = 29 pixels hold 7 points (an em of 29),
    // centred in the line with 4 pixels above and below; cut at the sheet's edge less half a line.
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).PointSize, 7);
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Flags, unsigned(TextSingleLine | TextVCenter));
    EXPECT_EQ(Canvas.TextOp(Sj("R1　週案提出")).Area.Top, Y(3));
    EXPECT_EQ(Canvas.TextOp(Sj("□　掃除")).Area.Top, Y(4));
    EXPECT_TRUE(Canvas.OfKind(CanvasOp::Bitmap).empty());

    // The routine-work picture takes the routine items ("R…") off the list.
    Print.PRoutineWork = true;
    Draw();
    EXPECT_FALSE(Canvas.HasText(Sj("R1　週案提出")));
    EXPECT_EQ(Canvas.TextOp(Sj("□　掃除")).Area.Top, Y(3));

    // On the planner page instead: beside the period rows.
    Print.PRoutineWork = false;
    Print.PDayTodo = true;
    Draw();
    ASSERT_EQ(Canvas.TextOps(Sj("A1　会議資料")).size(), 1u);
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Area, (Rect{X(20) + Hl, Y(3), X(Units) - Hl, Y(4)}));
}

TEST_F(PrintedPagesTest, RoutineWorkPicture)
{
    Print.PRoutineWork = true;
    Print.PKirokuCenterline = false;
    AddToDo("A1", "会議資料");

    // Missing beside the program: the built-in picture, 20 units wide for its 350 pixels.
    Draw();
    std::vector<CanvasOp> bitmaps = Canvas.OfKind(CanvasOp::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].Bytes, BuiltInRoutineWork);
    EXPECT_EQ(bitmaps[0].Source, (Rect{0, 0, 350, 150}));
    EXPECT_EQ(bitmaps[0].Area, (Rect{RightX, Y(2), RightX + 740, Y(2) + 150 * 740 / 350}));
    // The list goes below the picture (317 pixels: 9 lines).
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Area.Top, Y(2 + 9));

    // The user's picture, stretched to 20 units across.
    Canvas.Images["/home/t/ルーチンワーク.bmp"] = Size{700, 100};
    Environment.RoutineWorkFile = "/home/t/ルーチンワーク.bmp";
    Draw();
    bitmaps = Canvas.OfKind(CanvasOp::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].Bytes, Environment.RoutineWorkFile);
    EXPECT_EQ(bitmaps[0].Area, (Rect{RightX, Y(2), RightX + 740, Y(2) + 105}));

    // No picture at all: the sheet is printed without it.
    Canvas.Images.clear();
    Draw();
    EXPECT_TRUE(Canvas.OfKind(CanvasOp::Bitmap).empty());
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Area.Top, Y(2));
}

TEST_F(PrintedPagesTest, NextDayMemoAndClassHourCount)
{
    CDayData next = DayOf(Date(2024, 4, 9));
    next.SetMemo(Sj("保護者会"));
    Store(next);
    for (const DateTime& date : {Date(2024, 4, 1), Date(2024, 4, 8), Date(2024, 4, 10)}) {
        CDayData day = DayOf(date);
        day.SetYotei(0, Sj("1組"));
        day.SetYotei(1, Sj("2組"));
        Store(day);
    }
    Print.ClassNames[0] = Sj("1組"); // the names the view counts with
    Print.ClassNames[3] = Sj("2組");
    Doc.HajimeYear = 2024;
    Doc.HajimeMonth = 4;
    Doc.HajimeDay = 1;

    Draw();
    const CanvasOp memo = Canvas.TextOp(Sj("20240409(火)\r\n保護者会"));
    EXPECT_EQ(memo.Area, (Rect{RightX + Hl, Y(56), RightX + Units * Lh - Hl, Y(Lines)}));
    EXPECT_TRUE(memo.Flags & TextWordBreak);

    Print.Keisannsuru = true;
    Draw();
    // Counted from 1 April to the page's day, 8 April; beside the memo.
    EXPECT_EQ(Canvas.TextOp(Sj("授業時数のカウント")).Area.Left, RightX + 20 * Lh + Hl);
    EXPECT_EQ(Canvas.TextOp(Sj("授業時数のカウント")).Area.Top, Y(56));
    EXPECT_EQ(Canvas.TextOp(Sj("1組 = 2")).Area.Top, Y(57));
    EXPECT_EQ(Canvas.TextOp(Sj("2組 = 2")).Area.Top, Y(58));
    EXPECT_EQ(Canvas.TextOp(Sj("2組 = 2")).PointSize, 7); // clear of the rules as the ToDo list
    EXPECT_EQ(Canvas.PointSize, Print.PFontSize);
    EXPECT_EQ(Canvas.TextOp(Sj("20240409(火)\r\n保護者会")).Area.Right, RightX + 20 * Lh - Hl);
}

TEST_F(PrintedPagesTest, ClassificationMarksOnA4AndA5Only)
{
    struct Case
    {
        int Paper;
        int Marks;
    };
    // Eight marks need 119 mm; a page of an A5 spread (83 mm usable) takes the five that fit on it.
    const Case cases[] = {
        {PaperType::A4, 8}, {PaperType::A5, 5}, {PaperType::Bible, 0}, {PaperType::Mini, 0}};
    for (const int type : {PrintType::Day, PrintType::Memo}) {
        for (const Case& c : cases) {
            Print.PrintType = type;
            Print.PPaperType = c.Paper;
            Print.PKirokuBunnrui = true;
            Draw();
            const PageGeometry g = ComputePageGeometry(Print, {300, 300, Lh});
            // The record sheet is the right page; the memo sheet is on both.
            const std::vector<PageSide> sides = type == PrintType::Memo
                                                    ? std::vector<PageSide>{PageSide::Left, PageSide::Right}
                                                    : std::vector<PageSide>{PageSide::Right};
            int total = 0;
            for (const PageSide side : sides) {
                const Rect& area = g.Area(side);
                std::vector<int> xs;
                for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line)) {
                    // 5 mm down from the top of the paper
                    if (op.From.Y == 0 && op.To.Y == 59 && op.From.X == op.To.X && op.From.X >= area.Left &&
                        op.From.X <= area.Right)
                        xs.push_back(op.From.X);
                }
                total += static_cast<int>(xs.size());
                ASSERT_EQ(xs.size(), std::size_t(c.Marks)) << type << " " << c.Paper;
                if (c.Marks > 0) {
                    EXPECT_EQ(xs[0], area.Left);
                    EXPECT_EQ(xs[1] - xs[0], 200); // 17 mm
                    EXPECT_EQ(xs[4] - xs[0], 803); // 68 mm
                }
            }
            EXPECT_EQ(total, c.Marks * static_cast<int>(sides.size()));
        }
    }
}

TEST_F(PrintedPagesTest, MemoSheetIsOneRuledAreaPerPage)
{
    Print.PrintType = PrintType::Memo;
    Print.PrintEndDate = Date(2025, 3, 31);
    EXPECT_EQ(PrintPageCount(Print), 1);
    const std::vector<Rect> cells = Draw();
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], (Rect{RightX, Y(0), RightX + Units * Lh, Y(Lines)}));
    for (const int left : {LeftX, RightX}) {
        int ruled = 0;
        for (const CanvasOp& op : LinesWithin(left, left + Units * Lh))
            ruled += op.From.Y == op.To.Y ? 1 : 0;
        EXPECT_EQ(ruled, Lines + 1) << left;
        const std::vector<CanvasOp> centre = VerticalLinesAt(left + 740);
        ASSERT_EQ(centre.size(), 1u);
        EXPECT_EQ(centre[0].From.Y, Y(0));
        EXPECT_EQ(centre[0].To.Y, Y(Lines));
    }
    EXPECT_TRUE(Canvas.Texts().empty()); // no footer, no texts
}

TEST_F(PrintedPagesTest, FooterBelowTheLeftPage)
{
    Print.PZerotoru = true;
    Draw();
    const CanvasOp footer = Canvas.TextOp("2024/ 4/ 1  9:05");
    EXPECT_EQ(footer.PointSize, 5);
    EXPECT_EQ(footer.Area, (Rect{LeftX, Y(Lines), LeftX + 1494, Y(Lines) + 20}));
    EXPECT_EQ(footer.Flags, unsigned(TextSingleLine));
    EXPECT_EQ(Canvas.TextOps("2024/ 4/ 1  9:05").size(), 1u); // not below the record sheet

    Print.PPageType = PageType::Right;
    Draw();
    EXPECT_TRUE(Canvas.TextOps("2024/ 4/ 1  9:05").empty());
}

TEST_F(PrintedPagesTest, PageSidesByPageType)
{
    struct Case
    {
        const char* Name;
        int PageType;
        bool Planner;
        bool RecordSheet;
    };
    const Case cases[] = {
        {"spread", PageType::Spread, true, true},
        {"left page", PageType::Left, true, false},
        {"right page", PageType::Right, false, true},
        {"one page", PageType::One, true, false},
    };
    const std::string recordDate = PrintedDateWithWeekday(Date(2024, 4, 8), 0, false);
    for (const Case& c : cases) {
        Print.PPageType = c.PageType;
        Draw();
        const std::vector<CanvasOp> dates = Canvas.TextOps(recordDate);
        const bool planner =
            std::any_of(dates.begin(), dates.end(), [](const CanvasOp& op) { return op.PointSize == 9; });
        const bool sheet =
            std::any_of(dates.begin(), dates.end(), [](const CanvasOp& op) { return op.PointSize == 16; });
        EXPECT_EQ(planner, c.Planner) << c.Name;
        EXPECT_EQ(sheet, c.RecordSheet) << c.Name;
    }
    Print.PPageType = PageType::Spread;
    Print.PDayKiroku = false;
    Draw();
    EXPECT_EQ(Canvas.TextOps(recordDate).size(), 1u);
}

TEST_F(PrintedPagesTest, UnknownPrintTypesHaveNoLayout)
{
    EXPECT_EQ(PageLayoutOf(PrintType::Day)->Step, PageStep::Day);
    EXPECT_EQ(PageLayoutOf(PrintType::Memo)->Step, PageStep::None);
    for (const int type : {-1, PrintType::Count, 9}) {
        Print.PrintType = type;
        EXPECT_FALSE(CanPrint(Print)) << type;
        EXPECT_EQ(PrintPageCount(Print), 0) << type;
        EXPECT_TRUE(Draw().empty()) << type;
        EXPECT_TRUE(Canvas.Ops.empty()) << type;
    }
}

TEST(PrintedPageColoursTest, StoredColourValues)
{
    EXPECT_EQ(RgbOfColourValue(0x00336699), (Rgb{0x99, 0x66, 0x33}));
    EXPECT_EQ(ColourValueOf(Rgb{0x99, 0x66, 0x33}), 0x00336699u);
    EXPECT_EQ(BlankLeadingZerosOfNumbers("2024/04/01 09:05"), "2024/ 4/ 1  9: 5");
    EXPECT_EQ(BlankLeadingZerosOfNumbers("0"), "0");
}

} // namespace
} // namespace planova
