#include "print/CalendarGrid.h"
#include "print/MonthPlannerPage.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "support/PrintedPageFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {
namespace {

using test::CanvasOp;
using test::Sj;

// 5 points at 300 dpi: LH 20. A4 landscape spread: pages of 74 units × 115 lines from (82, 82) and
// (1930, 82); one page: 167 units from x 82.
constexpr int Lh = 20;
constexpr int LeftX = 82;
constexpr int RightX = 1930;
constexpr test::UnitGrid Left{Lh, LeftX, 82};
constexpr test::UnitGrid Right{Lh, RightX, 82};

class MonthPlannerPageTest : public test::PrintedPageFixture
{
protected:
    MonthPlannerPageTest()
    {
        Print.PrintType = PrintType::Month;
        Print.PFontSize = 5;
        Print.PrintStartDate = Date(2024, 6, 12); // June 2024 begins on a Saturday and has 30 days
        Print.PrintEndDate = Date(2024, 6, 12);
    }

    /// The text operations drawn inside a rectangle.
    std::vector<CanvasOp> TextsIn(const Rect& cell) const
    {
        std::vector<CanvasOp> found;
        for (const CanvasOp& op : Canvas.Texts()) {
            if (op.Area.Left >= cell.Left && op.Area.Right <= cell.Right && op.Area.Top >= cell.Top &&
                op.Area.Bottom <= cell.Bottom)
                found.push_back(op);
        }
        return found;
    }

    bool HasTextIn(const Rect& cell, const std::string& text) const
    {
        const std::vector<CanvasOp> texts = TextsIn(cell);
        return std::any_of(texts.begin(), texts.end(), [&](const CanvasOp& op) { return op.Bytes == text; });
    }
};

TEST_F(MonthPlannerPageTest, VerticalCellsOfTheDefaultSpread)
{
    // C = trunc(74 ÷ 4) = 18 units, R = trunc((115 − 2) ÷ 6) = 18 lines.
    const test::CellCase cases[] = {
        {"Sunday's header", 0, 0, {Left.X(0), Left.Y(0), Left.X(18), Left.Y(2)}},
        {"first week, Sunday", 0, 1, {Left.X(0), Left.Y(2), Left.X(18), Left.Y(20)}},
        {"sixth week, Wednesday", 3, 6, {Left.X(54), Left.Y(92), Left.X(72), Left.Y(110)}},
        {"Thursday's header on the right page", 4, 0, {Right.X(0), Left.Y(0), Right.X(18), Left.Y(2)}},
        {"sixth week, Saturday", 6, 6, {Right.X(36), Left.Y(92), Right.X(54), Left.Y(110)}},
    };
    const std::vector<Rect> cells = Draw();
    ASSERT_EQ(cells.size(), 56u);
    for (const test::CellCase& c : cases)
        EXPECT_EQ(cells[static_cast<std::size_t>(c.Column * 7 + c.Row)], c.Cell) << c.Name;
    for (std::size_t i = 49; i < cells.size(); ++i)
        EXPECT_EQ(cells[i], Rect{}) << i; // room for an eighth column, never used
}

TEST_F(MonthPlannerPageTest, CellSpansFollowTheGridOnEveryPaperAndPageType)
{
    struct Case
    {
        const char* Name;
        int Layout;
        int PageType;
    };
    const Case cases[] = {
        {"vertical spread", 0, PageType::Spread},    {"vertical left page", 0, PageType::Left},
        {"vertical right page", 0, PageType::Right}, {"vertical one page", 0, PageType::One},
        {"list spread", 1, PageType::Spread},        {"list left page", 1, PageType::Left},
        {"list right page", 1, PageType::Right},     {"list one page", 1, PageType::One},
    };
    for (const Case& c : cases) {
        for (int paper = 0; paper < PaperType::Count; ++paper) {
            for (const int orientation : {Orientation::Landscape, Orientation::Portrait}) {
                Print.P_VL_Type = c.Layout;
                Print.PPageType = c.PageType;
                Print.PPaperType = paper;
                Print.PYoushiType = orientation;
                const std::vector<Rect> cells = Draw();
                const PageGeometry g = Geometry();
                // Where the top margin cannot hold the titles 3 mm below the paper's edge (the small margin
                // of Bible and Mini: 4 mm), the grid starts that many lines lower.
                const int t = TitleRoomLines(g);
                EXPECT_EQ(t, paper == PaperType::Bible || paper == PaperType::Mini ? 1 : 0);
                const auto cellAt = [&](PageSide side, int u0, int n0, int u1, int n1) {
                    return g.UnitRect(side, u0, t + n0, u1, t + n1);
                };
                const bool one = c.PageType == PageType::One;
                const std::string name = std::string(c.Name) + " paper " + std::to_string(paper) +
                                         " orientation " + std::to_string(orientation);
                if (c.Layout == 0) {
                    ASSERT_EQ(cells.size(), 56u);
                    const int perPage = one ? 7 : 4;
                    const int cu = g.UnitsAcross / perPage;
                    const int r = (g.LinesDown - t - 2) / 6;
                    for (int column = 0; column < 7; ++column) {
                        const bool right = !one && column >= 4;
                        if ((c.PageType == PageType::Left && right) ||
                            (c.PageType == PageType::Right && !right))
                            continue;
                        const PageSide side = one     ? PageSide::Whole
                                              : right ? PageSide::Right
                                                      : PageSide::Left;
                        const int k = right ? column - 4 : column;
                        EXPECT_EQ(cells[column * 7], cellAt(side, k * cu, 0, (k + 1) * cu, 2)) << name;
                        for (int row = 1; row <= 6; ++row)
                            EXPECT_EQ(cells[column * 7 + row],
                                      cellAt(side, k * cu, 2 + (row - 1) * r, (k + 1) * cu, 2 + row * r))
                                << name << " " << column << " " << row;
                    }
                } else {
                    ASSERT_EQ(cells.size(), 99u);
                    const int perPage = one ? 31 : 16;
                    const int r = (g.LinesDown - t) / perPage;
                    for (int row = 0; row < 32; ++row) {
                        const bool right = !one && row >= 16;
                        if ((one && row == 31) || (c.PageType == PageType::Left && right) ||
                            (c.PageType == PageType::Right && !right)) {
                            EXPECT_EQ(cells[row], Rect{}) << name << " " << row;
                            continue;
                        }
                        const PageSide side = one     ? PageSide::Whole
                                              : right ? PageSide::Right
                                                      : PageSide::Left;
                        const int position = right ? row - 16 : row;
                        EXPECT_EQ(cells[row],
                                  cellAt(side, 0, position * r, g.UnitsAcross, (position + 1) * r))
                            << name << " " << row;
                    }
                }
            }
        }
    }
}

TEST_F(MonthPlannerPageTest, VerticalGridStartsOnTheStartWeekday)
{
    struct Case
    {
        const char* Name;
        int StartWeekday;
        int FirstColumn; // the column of 1 June, a Saturday
        const char* Header;
        DateTime GridStart;
    };
    const Case cases[] = {
        {"Sunday start", 0, 6, "日", Date(2024, 5, 26)},
        {"Monday start", 1, 5, "月", Date(2024, 5, 27)},
    };
    for (const Case& c : cases) {
        Print.PStartWeekday = c.StartWeekday;
        EXPECT_EQ(MonthGridStart(Date(2024, 6, 12), c.StartWeekday), c.GridStart) << c.Name;
        const std::vector<Rect> cells = Draw();
        EXPECT_TRUE(HasTextIn(cells[0], Sj(c.Header))) << c.Name;
        const Rect first = cells[static_cast<std::size_t>(c.FirstColumn * 7 + 1)];
        ASSERT_TRUE(HasTextIn(first, "01")) << c.Name;
        EXPECT_EQ(TextsIn(first).front().Area.Left, first.Left + Lh / 2) << c.Name;
        EXPECT_EQ(TextsIn(first).front().TextColour, TextColours::Blue) << c.Name; // a Saturday
    }
    // A month beginning on the start weekday fills the first row from the first column.
    Print.PStartWeekday = 0;
    Print.PrintStartDate = Print.PrintEndDate = Date(2024, 9, 1); // a Sunday
    EXPECT_TRUE(HasTextIn(Draw()[1], "01"));
}

TEST_F(MonthPlannerPageTest, WeekdayHeaderColours)
{
    const std::vector<Rect> cells = Draw();
    const Rgb expected[] = {TextColours::Red,   TextColours::Black, TextColours::Black, TextColours::Black,
                            TextColours::Black, TextColours::Black, TextColours::Blue};
    for (int column = 0; column < 7; ++column) {
        const std::vector<CanvasOp> header = TextsIn(cells[static_cast<std::size_t>(column * 7)]);
        ASSERT_EQ(header.size(), 1u) << column;
        EXPECT_EQ(header[0].TextColour, expected[column]) << column;
        EXPECT_NE(header[0].Flags & TextCenter, 0u);
    }
}

TEST_F(MonthPlannerPageTest, NeighbouringMonthsShowOnlyTheirDateInGrey)
{
    CDayData may = DayOf(Date(2024, 5, 31), "50分時程", "前月の行事");
    Store(may);
    const std::vector<Rect> cells = Draw();
    const std::vector<CanvasOp> last = TextsIn(cells[5 * 7 + 1]); // Friday 31 May
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].Bytes, "31");
    EXPECT_EQ(last[0].TextColour, (Rgb{160, 160, 160}));
    EXPECT_FALSE(Canvas.HasText(Sj("前月の行事")));
    // July 1–6 close the sixth week.
    EXPECT_EQ(TextsIn(cells[1 * 7 + 6]).front().TextColour, (Rgb{160, 160, 160}));
}

TEST_F(MonthPlannerPageTest, VerticalDayTextsLineByLine)
{
    CDayData day = DayOf(Date(2024, 6, 12), "50分時程", "避難訓練");
    day.SetJigenn(0, Sj("1"));
    day.SetYotei(0, Sj("1組"));
    day.SetNaiyou(0, Sj("光合成"));
    day.SetJigenn(1, Sj("2")); // a label alone is not shown
    day.SetJigenn(2, Sj("3"));
    day.SetNaiyou(2, Sj("実験"));
    day.SetIro(2, 4);
    day.SetMemo(Sj("職員会議"));
    Store(day);
    Print.WakunaiNuritubushi = true;
    const std::vector<Rect> cells = Draw();
    const Rect cell = cells[3 * 7 + 3]; // Wednesday of the third week
    const int left = cell.Left + Lh / 2;
    const int top = cell.Top + Lh / 2;
    const auto line = [&](int n) { return top + n * Lh; };

    EXPECT_EQ(Canvas.TextOp("12").Area.Top, line(0));
    EXPECT_EQ(Canvas.TextOp(Sj("50分時程")).Area.Top, line(0));
    EXPECT_GT(Canvas.TextOp(Sj("50分時程")).Area.Left, Canvas.TextOp("12").Area.Right); // after the markers
    EXPECT_EQ(Canvas.TextOp(Sj("避難訓練")).Area, (Rect{left, line(1), cell.Right - Lh / 2, line(2)}));
    EXPECT_EQ(Canvas.TextOp(Sj("避難訓練")).Flags, unsigned(TextSingleLine));
    EXPECT_EQ(Canvas.TextOp(Sj("1組")).Area.Top, line(2));
    EXPECT_EQ(Canvas.TextOp(Sj("光合成")).Area.Top, line(2));
    EXPECT_EQ(Canvas.TextOp(Sj("実験")).Area.Top, line(3));
    EXPECT_FALSE(Canvas.HasText(Sj("2")));
    const CanvasOp memo = Canvas.TextOp(Sj("職員会議"));
    EXPECT_EQ(memo.Area.Top, line(4));
    EXPECT_EQ(memo.Area.Bottom, line(17)); // 17 whole lines in 18 − 1
    EXPECT_NE(memo.Flags & TextWordBreak, 0u);

    const std::vector<CanvasOp> fills = Canvas.OfKind(CanvasOp::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Area, (Rect{left, line(3), cell.Right - Lh / 2, line(4)}));
    EXPECT_EQ(fills[0].Brush, CellColours[4].Colour);
    // The fill comes before the texts of its row.
    const auto fill = std::find_if(Canvas.Ops.begin(), Canvas.Ops.end(),
                                   [](const CanvasOp& op) { return op.What == CanvasOp::Fill; });
    const auto text = std::find_if(Canvas.Ops.begin(), Canvas.Ops.end(),
                                   [&](const CanvasOp& op) { return op.Bytes == Sj("実験"); });
    EXPECT_LT(fill, text);

    Print.WakunaiNuritubushi = false;
    Draw();
    EXPECT_TRUE(Canvas.OfKind(CanvasOp::Fill).empty());
}

TEST_F(MonthPlannerPageTest, WhatDoesNotFitIsLeftOutAndNothingLeavesItsCell)
{
    // 9 points on a Bible spread: week rows of 4 lines hold three lines of text: the date, the event and
    // one period row.
    Print.PPaperType = PaperType::Bible;
    Print.PFontSize = 9;
    CDayData day = DayOf(Date(2024, 6, 12), "50分時程", "避難訓練");
    for (int m = 0; m < 10; ++m)
        day.SetYotei(m, Sj("授業") + std::to_string(m));
    day.SetMemo(Sj("メモ"));
    Store(day);
    for (const int layout : {0, 1}) {
        Print.P_VL_Type = layout;
        const std::vector<Rect> cells = Draw();
        const Rect& cell = cells[layout == 0 ? 3 * 7 + 3 : 11];
        const std::vector<CanvasOp> texts = TextsIn(cell);
        EXPECT_FALSE(texts.empty()) << layout;
        for (const CanvasOp& op : Canvas.Texts()) {
            const bool title = op.PointSize != Print.PFontSize;
            const bool inside = std::any_of(cells.begin(), cells.end(), [&](const Rect& c) {
                return op.Area.Left >= c.Left && op.Area.Right <= c.Right && op.Area.Top >= c.Top &&
                       op.Area.Bottom <= c.Bottom;
            });
            EXPECT_TRUE(title || inside) << layout << " " << op.Bytes;
            EXPECT_FALSE(op.Flags & TextNoClip && !title) << op.Bytes;
        }
    }
    Print.P_VL_Type = 0;
    Draw();
    EXPECT_TRUE(Canvas.HasText(Sj("授業0")));
    EXPECT_FALSE(Canvas.HasText(Sj("授業1")));
    EXPECT_FALSE(Canvas.HasText(Sj("メモ")));
}

TEST_F(MonthPlannerPageTest, TitlesOfTheMonth)
{
    struct Case
    {
        const char* Name;
        int PageType;
        int DateType;
        bool Strip;
        const char* Left;  // nullptr: not printed
        const char* Right; // nullptr: not printed
    };
    const Case cases[] = {
        {"spread", PageType::Spread, 1, false, "2024/06", "2024/06/30"},
        {"one page, third form without zeros", PageType::One, 2, true, "2024年 6月", "2024年 6月30日"},
        {"left page", PageType::Left, 0, false, "202406", nullptr},
        {"right page", PageType::Right, 0, false, nullptr, "20240630"},
    };
    for (const int layout : {0, 1}) {
        for (const Case& c : cases) {
            Print.P_VL_Type = layout;
            Print.PPageType = c.PageType;
            Print.PDateType = c.DateType;
            Print.PZerotoru = c.Strip;
            const std::vector<Rect> cells = Draw();
            const std::vector<CanvasOp> titles = [&] {
                std::vector<CanvasOp> found;
                // The 7 mm top margin leaves 47 pixels above the grid for titles 3 mm (35 pixels) below
                // the paper's edge: 11 points (an em of 45 pixels).
                for (const CanvasOp& op : Canvas.Texts())
                    if (op.PointSize == 11)
                        found.push_back(op);
                return found;
            }();
            ASSERT_EQ(titles.size(), std::size_t(c.Left ? 1 : 0) + std::size_t(c.Right ? 1 : 0)) << c.Name;
            const Rect& firstColumn = cells[0];
            const Rect& lastColumn = layout == 0 ? cells[6 * 7] : cells[c.PageType == PageType::One ? 0 : 16];
            if (c.Left) {
                EXPECT_EQ(titles.front().Bytes, Sj(c.Left)) << c.Name;
                EXPECT_EQ(titles.front().Area.Left, firstColumn.Left) << c.Name;
                EXPECT_EQ(titles.front().Area.Bottom, firstColumn.Top) << c.Name;
                EXPECT_EQ(titles.front().Flags & TextRight, 0u) << c.Name;
            }
            if (c.Right) {
                EXPECT_EQ(titles.back().Bytes, Sj(c.Right)) << c.Name;
                EXPECT_EQ(titles.back().Area.Right, lastColumn.Right) << c.Name << " layout " << layout;
                EXPECT_EQ(titles.back().Area.Bottom, lastColumn.Top) << c.Name;
                EXPECT_NE(titles.back().Flags & TextRight, 0u) << c.Name;
            }
        }
    }
}

TEST_F(MonthPlannerPageTest, ListDaysInTheirRows)
{
    Print.P_VL_Type = 1;
    CDayData day = DayOf(Date(2024, 6, 17), "休日", "とても長い行事の名前が折り返される");
    day.SetYotei(0, Sj("1組"));
    day.SetMemo(Sj("メモ"));
    Store(day);
    Store(DayOf(Date(2024, 6, 1), "50分時程"));
    const std::vector<Rect> cells = Draw();
    // R = trunc(115 ÷ 16) = 7 lines; day 17 is the first row of the right page.
    EXPECT_EQ(cells[16], (Rect{RightX, Left.Y(0), Right.X(74), Left.Y(7)}));
    EXPECT_EQ(cells[15], (Rect{LeftX, Left.Y(105), Left.X(74), Left.Y(112)}));
    EXPECT_EQ(cells[31], (Rect{RightX, Left.Y(105), Right.X(74), Left.Y(112)}));

    const CanvasOp date = Canvas.TextOp(Sj("17（月）"));
    EXPECT_EQ(date.Area.Left, RightX + Lh / 2);
    EXPECT_EQ(date.Area.Top, Left.Y(0) + Lh / 2);
    const CanvasOp kind = Canvas.TextOp(Sj("休日"));
    EXPECT_EQ(kind.Area.Top, Left.Y(1) + Lh / 2); // below the date
    EXPECT_EQ(kind.TextColour, TextColours::Red);
    const CanvasOp event = Canvas.TextOp(Sj("とても長い行事の名前が折り返される"));
    EXPECT_NE(event.Flags & TextWordBreak, 0u);
    EXPECT_EQ(event.Area.Bottom, Left.Y(6) + Lh / 2); // six whole lines
    EXPECT_LT(event.Area.Right, Canvas.TextOp(Sj("1組")).Area.Left);
    EXPECT_LT(Canvas.TextOp(Sj("1組")).Area.Right, Canvas.TextOp(Sj("メモ")).Area.Left);
    // A school Saturday prints black.
    EXPECT_EQ(Canvas.TextOp(Sj("01（土）")).TextColour, TextColours::Black);

    // June has 30 days: the rows of the 31st are empty.
    EXPECT_TRUE(Canvas.HasText(Sj("30（日）")));
    EXPECT_TRUE(TextsIn(cells[30]).empty());
    EXPECT_TRUE(TextsIn(cells[31]).empty());
}

TEST_F(MonthPlannerPageTest, ListRowOfOneLineKeepsTheKindBesideTheDate)
{
    // One page of 31 rows at 9 points on A4 landscape: 62 lines, R = 2, one line of text per row.
    Print.P_VL_Type = 1;
    Print.PPageType = PageType::One;
    Print.PFontSize = 9;
    Store(DayOf(Date(2024, 6, 3), "50分時程", "避難訓練"));
    const std::vector<Rect> cells = Draw();
    EXPECT_EQ(cells[2].Height(), 2 * 37);
    const CanvasOp date = Canvas.TextOp(Sj("03（月）"));
    const CanvasOp kind = Canvas.TextOp(Sj("50分時程"));
    const CanvasOp event = Canvas.TextOp(Sj("避難訓練"));
    EXPECT_EQ(kind.Area.Top, date.Area.Top);
    EXPECT_GT(kind.Area.Left, date.Area.Left);
    EXPECT_GT(event.Area.Left, kind.Area.Right);
    EXPECT_EQ(Canvas.TextOps(Sj("31（月）")).size(), 0u);
}

TEST_F(MonthPlannerPageTest, PagesFollowTheMonths)
{
    Print.PrintStartDate = Date(2024, 1, 31);
    Print.PrintEndDate = Date(2024, 2, 1);
    ASSERT_EQ(PrintPageCount(Print), 2);
    struct Case
    {
        int Page;
        const char* Title;
        const char* LastDay;
    };
    for (const Case& c : {Case{2, "202402", "20240229"}, Case{1, "202401", "20240131"}}) {
        Draw(c.Page);
        EXPECT_TRUE(Canvas.HasText(c.Title)) << c.Page;
        EXPECT_TRUE(Canvas.HasText(c.LastDay)) << c.Page;
    }
    // Both footers: below the left page and, right-aligned, below the right page.
    Draw();
    const std::vector<CanvasOp> footers = Canvas.TextOps("2024/04/01  9:05");
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(footers[0].Area.Top, Left.Y(110));
    EXPECT_NE(footers[1].Flags & TextRight, 0u);
}

TEST_F(MonthPlannerPageTest, GridLinesWithTheRulePen)
{
    Print.PKeisenFutosa = 2;
    Print.PKeisenIro = 0x000000FF; // red
    Draw();
    const std::vector<CanvasOp> outlines = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].Area, (Rect{Left.X(0), Left.Y(0), Left.X(72), Left.Y(110)}));
    EXPECT_EQ(outlines[1].Area, (Rect{RightX, Left.Y(0), Right.X(54), Left.Y(110)}));
    int columnLines = 0;
    int rowLines = 0;
    for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line)) {
        EXPECT_EQ(op.Pen, (Rgb{255, 0, 0}));
        EXPECT_EQ(op.PenWidth, 2);
        columnLines += op.From.X == op.To.X ? 1 : 0;
        rowLines += op.From.Y == op.To.Y ? 1 : 0;
    }
    EXPECT_EQ(columnLines, 3 + 2);
    EXPECT_EQ(rowLines, 6 + 6);
}

TEST(CalendarGridTest, MonthsAndTheirLengths)
{
    struct Case
    {
        DateTime Date;
        int MonthsLater;
        DateTime First;
        int Days;
    };
    const Case cases[] = {
        {DateTime::FromDate(2024, 2, 15), 0, DateTime::FromDate(2024, 2, 1), 29},
        {DateTime::FromDate(2023, 2, 28), 0, DateTime::FromDate(2023, 2, 1), 28},
        {DateTime::FromDate(2024, 11, 30), 2, DateTime::FromDate(2025, 1, 1), 31},
        {DateTime::FromDate(2024, 8, 31), 1, DateTime::FromDate(2024, 9, 1), 30},
    };
    for (const Case& c : cases) {
        const DateTime first = FirstOfMonth(c.Date, c.MonthsLater);
        EXPECT_EQ(first, c.First);
        EXPECT_EQ(DaysInMonth(first), c.Days);
    }
    EXPECT_FALSE(FirstOfMonth(DateTime::Invalid()).IsValid());
    EXPECT_EQ(DaysInMonth(DateTime::Invalid()), 0);
}

} // namespace
} // namespace planova
