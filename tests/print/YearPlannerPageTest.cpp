#include "print/PrintTypes.h"
#include "print/YearPlannerPage.h"
#include "support/PrintedPageFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {
namespace {

using test::CanvasOp;
using test::Sj;

// 6 points at 300 dpi: LH 25. A4 landscape, one page: 133 units × 92 lines from (82, 82).
constexpr int Lh = 25;
constexpr test::UnitGrid Page{Lh, 82, 82};

class YearPlannerPageTest : public test::PrintedPageFixture
{
protected:
    YearPlannerPageTest()
    {
        Print.PrintType = PrintType::Year;
        Print.PPageType = PageType::One;
        Print.PFontSize = 6;
        Print.PYearType = 4; // six months
        Print.PrintStartDate = Date(2024, 11, 15);
        Print.PrintEndDate = Date(2025, 3, 31);
    }

    /// The texts drawn in the body font (not the titles and the footer).
    std::vector<CanvasOp> BodyTexts() const
    {
        std::vector<CanvasOp> found;
        for (const CanvasOp& op : Canvas.Texts()) {
            if (op.PointSize == Print.PFontSize)
                found.push_back(op);
        }
        return found;
    }
};

TEST_F(YearPlannerPageTest, CellsOfSixMonthsOnA4)
{
    // C = trunc(133 ÷ 6) = 22 units, R = trunc(92 ÷ 32) = 2 lines.
    const test::CellCase cases[] = {
        {"first month's title", 0, 0, {Page.X(0), Page.Y(0), Page.X(22), Page.Y(2)}},
        {"its 1st", 0, 1, {Page.X(0), Page.Y(2), Page.X(22), Page.Y(4)}},
        {"its 31st", 0, 31, {Page.X(0), Page.Y(62), Page.X(22), Page.Y(64)}},
        {"sixth month's title", 5, 0, {Page.X(110), Page.Y(0), Page.X(132), Page.Y(2)}},
        {"sixth month's 15th", 5, 15, {Page.X(110), Page.Y(30), Page.X(132), Page.Y(32)}},
    };
    const std::vector<Rect> cells = Draw();
    ASSERT_EQ(cells.size(), 6u * 32u);
    for (const test::CellCase& c : cases)
        EXPECT_EQ(cells[static_cast<std::size_t>(c.Column * 32 + c.Row)], c.Cell) << c.Name;
}

TEST_F(YearPlannerPageTest, CellSpansFollowTheGridForEveryMonthCountAndPaper)
{
    const int monthsOf[] = {1, 2, 3, 4, 6};
    for (int type = 0; type < 5; ++type) {
        for (int paper = 0; paper < PaperType::Count; ++paper) {
            for (const int orientation : {Orientation::Landscape, Orientation::Portrait}) {
                Print.PYearType = type;
                Print.PPaperType = paper;
                Print.PYoushiType = orientation;
                const int months = monthsOf[type];
                EXPECT_EQ(YearPlannerMonths(Print), months);
                const std::vector<Rect> cells = Draw();
                ASSERT_EQ(cells.size(), static_cast<std::size_t>(32 * months));
                const PageGeometry g = Geometry();
                const int c = g.UnitsAcross / months;
                // Bible and Mini's small top margin (4 mm) leaves no line for the titles 3 mm below the
                // paper's edge: the grid starts a line lower.
                const int t = TitleRoomLines(g);
                EXPECT_EQ(t, paper == PaperType::Bible || paper == PaperType::Mini ? 1 : 0);
                // The month's title row is not taken off; a day keeps at least a line.
                const int r = std::max((g.LinesDown - t) / 32, g.LinesDown >= 32 ? 1 : 0);
                for (int k = 0; k < months; ++k) {
                    EXPECT_EQ(cells[k * 32], g.UnitRect(PageSide::Whole, k * c, t, (k + 1) * c, t + 2));
                    for (int day = 1; day < 32; ++day)
                        EXPECT_EQ(cells[k * 32 + day],
                                  g.UnitRect(PageSide::Whole, k * c, t + 2 + (day - 1) * r, (k + 1) * c,
                                             t + 2 + day * r))
                            << type << " " << paper << " " << orientation << " " << k << " " << day;
                }
            }
        }
    }
    Print.PYearType = 9; // out of range: as the nearest choice
    EXPECT_EQ(YearPlannerMonths(Print), 6);
}

TEST_F(YearPlannerPageTest, LastDayRowsMayReachBelowTheUsableArea)
{
    // Mini landscape at 6 points: 32 lines, R = 1, and a line left above the grid for the titles (the
    // 4 mm top margin is too low for them 3 mm below the edge); the 31st ends on line 1 + 33, two lines
    // below the area.
    Print.PPaperType = PaperType::Mini;
    Print.PYearType = 0;
    const PageGeometry g = Geometry();
    ASSERT_EQ(g.LinesDown, 32);
    ASSERT_EQ(TitleRoomLines(g), 1);
    const std::vector<Rect> cells = Draw();
    EXPECT_EQ(cells[31].Bottom, g.LineY(PageSide::Whole, 34));
    EXPECT_GT(cells[31].Bottom, g.LeftArea.Bottom);
    EXPECT_LE(cells[31].Bottom, g.H); // still on the paper
    // The footer follows the last row.
    EXPECT_EQ(Canvas.TextOp("2024/04/01  9:05").Area.Top, cells[31].Bottom);
    // One line per day: the date is still printed.
    EXPECT_TRUE(Canvas.HasText(Sj("30土")));
}

TEST_F(YearPlannerPageTest, MonthsRunPastDecemberWithTheirTitles)
{
    const std::vector<Rect> cells = Draw();
    const char* titles[] = {"202411", "202412", "202501", "202502", "202503", "202504"};
    for (int k = 0; k < 6; ++k) {
        const CanvasOp title = Canvas.TextOp(titles[k]);
        const Rect& cell = cells[k * 32];
        EXPECT_EQ(title.Area,
                  (Rect{cell.Left + Lh / 2, cell.Top + Lh / 2, cell.Right - Lh / 2, cell.Top + Lh / 2 + Lh}))
            << k; // one line, centred in the two
        EXPECT_NE(title.Flags & TextCenter, 0u) << k;
    }
    // The page titles: the first and the last day of the page, above the first and the last column.
    const CanvasOp left = Canvas.TextOp("20241101");
    const CanvasOp right = Canvas.TextOp("20250430");
    EXPECT_EQ(left.PointSize, 11); // what the 7 mm top margin holds 3 mm below the paper's edge
    EXPECT_EQ(left.Area.Left, cells[0].Left);
    EXPECT_EQ(left.Area.Bottom, cells[0].Top);
    EXPECT_EQ(right.Area.Right, cells[5 * 32].Right);
    EXPECT_NE(right.Flags & TextRight, 0u);
    // One page whatever the range.
    EXPECT_EQ(PrintPageCount(Print), 1);
}

TEST_F(YearPlannerPageTest, DaysOnOneLineWithTheirWeekdayLetter)
{
    Store(DayOf(Date(2024, 11, 1), "50分時程", "文化祭"));
    Store(DayOf(Date(2024, 11, 4), "振替休業日"));
    Store(DayOf(Date(2024, 11, 9), "", "土曜参観"));
    const std::vector<Rect> cells = Draw();

    struct Case
    {
        const char* Text;
        int Row;
        Rgb Colour;
    };
    const Case cases[] = {
        {"01金", 1, TextColours::Black},
        {"03日", 3, TextColours::Red},
        {"04月", 4, TextColours::Red}, // a substitute day off
        {"09土", 9, TextColours::Blue},
    };
    for (const Case& c : cases) {
        const CanvasOp date = Canvas.TextOp(Sj(c.Text));
        EXPECT_EQ(date.TextColour, c.Colour) << c.Text;
        EXPECT_EQ(date.Area.Left, cells[c.Row].Left + Lh / 2) << c.Text;
        // A cell of two lines holds one line of text, centred.
        EXPECT_EQ(date.Area.Top, cells[c.Row].Top + Lh / 2) << c.Text;
        EXPECT_EQ(date.Area.Bottom, cells[c.Row].Top + Lh / 2 + Lh) << c.Text;
    }
    const CanvasOp kind = Canvas.TextOp(Sj("50分時程"));
    const CanvasOp event = Canvas.TextOp(Sj("文化祭"));
    EXPECT_EQ(kind.Area.Top, cells[1].Top + Lh / 2);
    EXPECT_EQ(event.Area.Top, kind.Area.Top);
    EXPECT_GT(event.Area.Left, kind.Area.Right);
    EXPECT_EQ(event.Area.Right, cells[1].Right - Lh / 2);
    EXPECT_EQ(event.Flags, unsigned(TextSingleLine));
    // Without a kind the event follows the date.
    EXPECT_LT(Canvas.TextOp(Sj("土曜参観")).Area.Left, kind.Area.Left + 2 * Lh);

    // November has 30 days, February 28: the rows after the last day stay empty.
    const auto textsIn = [&](const Rect& cell) {
        const std::vector<CanvasOp> texts = BodyTexts();
        return std::count_if(texts.begin(), texts.end(), [&](const CanvasOp& op) {
            return op.Area.Left >= cell.Left && op.Area.Right <= cell.Right && op.Area.Top >= cell.Top &&
                   op.Area.Bottom <= cell.Bottom;
        });
    };
    EXPECT_GT(textsIn(cells[30]), 0);
    EXPECT_EQ(textsIn(cells[31]), 0);
    EXPECT_GT(textsIn(cells[3 * 32 + 28]), 0);
    for (const int row : {29, 30, 31})
        EXPECT_EQ(textsIn(cells[static_cast<std::size_t>(3 * 32 + row)]), 0) << row;
}

TEST_F(YearPlannerPageTest, GridOfMonthsWithTheRulePen)
{
    Print.PYearType = 1; // two months
    Draw();
    const std::vector<CanvasOp> outlines = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].Area, (Rect{Page.X(0), Page.Y(0), Page.X(132), Page.Y(64)}));
    int columnLines = 0;
    int rowLines = 0;
    for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line)) {
        columnLines += op.From.X == op.To.X ? 1 : 0;
        rowLines += op.From.Y == op.To.Y ? 1 : 0;
    }
    EXPECT_EQ(columnLines, 1);
    EXPECT_EQ(rowLines, 31);
}

} // namespace
} // namespace planova
