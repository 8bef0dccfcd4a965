#include "print/PageLayouts.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "print/WeekPlannerPage.h"
#include "support/CalendarTestDays.h"
#include "support/PrintedPageFixture.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {
namespace {

using test::CanvasOp;
using test::Date;
using test::Sj;
using namespace test::a4spread;

/// Lines n0–n1 of a vertical row, before they are cut at the page's last line.
std::pair<int, int> VerticalRow(int row)
{
    if (row == 0)
        return {1, 6};
    if (row == 11)
        return {56, 1000};
    return {1 + 5 * row, 6 + 5 * row};
}

class WeekPlannerPageTest : public test::PrintedPageFixture
{
protected:
    WeekPlannerPageTest()
    {
        Print.PrintType = PrintType::Week;
        Print.PrintStartDate = Date(2024, 4, 10); // a Wednesday
        Print.PrintEndDate = Date(2024, 4, 10);
    }
};

TEST_F(WeekPlannerPageTest, VerticalColumnsAndRowsPerPageType)
{
    struct Case
    {
        const char* Name;
        int Paper;
        int Orientation;
        int PageType;
        bool Count;
        int Left;  // left edge of the page's usable area
        int C;     // units per column
        int Lines; // lines down
        int First; // the slots on the page
        int End;
    };
    const Case cases[] = {
        // 40 units ÷ 4 columns.
        {"spread, left page", PaperType::A4, Orientation::Landscape, PageType::Spread, false, LeftX, 10,
         Lines, 0, 4},
        {"spread, right page", PaperType::A4, Orientation::Landscape, PageType::Spread, false, RightX, 10,
         Lines, 4, 8},
        // Two refills wide: 3507 − 177 − 82 = 3248 pixels, 87 units ÷ 4.
        {"left page type", PaperType::A4, Orientation::Landscape, PageType::Left, false, LeftX, 21, Lines, 0,
         4},
        {"right page type", PaperType::A4, Orientation::Landscape, PageType::Right, false, 3507 + 177, 21,
         Lines, 4, 8},
        // 3507 − 2 × 82 = 3343 pixels, 90 units ÷ 7, or ÷ 8 with the count.
        {"one page", PaperType::A4, Orientation::Landscape, PageType::One, false, LeftX, 12, Lines, 0, 7},
        {"one page with the count", PaperType::A4, Orientation::Landscape, PageType::One, true, LeftX, 11,
         Lines, 0, 8},
        // Bible upright: 1122 − 2 × 47 = 1028 pixels, 27 units ÷ 7; 2007 − 94 = 1913 pixels, 51 lines.
        {"Bible one page, fewer than 56 lines", PaperType::Bible, Orientation::Portrait, PageType::One, false,
         47, 3, 51, 0, 7},
    };
    Print.P_VL_Type = 0;
    for (const Case& c : cases) {
        Print.PPaperType = c.Paper;
        Print.PYoushiType = c.Orientation;
        Print.PPageType = c.PageType;
        Print.Keisannsuru = c.Count;
        const PageGeometry g = ComputePageGeometry(Print, {300, 300, Lh});
        const PageSide side = c.PageType == PageType::One ? PageSide::Whole
                              : c.First == 0              ? PageSide::Left
                                                          : PageSide::Right;
        const std::vector<Rect> cells = WeekPlannerCells(g, Print, side);
        ASSERT_EQ(cells.size(), 96u);
        ASSERT_EQ(g.LinesDown, c.Lines) << c.Name;
        const int top = g.Area(side).Top;
        for (int slot = 0; slot < 8; ++slot) {
            for (int row = 0; row < 12; ++row) {
                const Rect& cell = cells[static_cast<std::size_t>(slot * 12 + row)];
                if (slot < c.First || slot >= c.End) {
                    EXPECT_EQ(cell, Rect{}) << c.Name << " slot " << slot;
                    continue;
                }
                const int k = slot - c.First;
                const auto [n0, n1] = VerticalRow(row);
                const Rect expected{c.Left + k * c.C * Lh, top + std::min(n0, c.Lines) * Lh,
                                    c.Left + (k + 1) * c.C * Lh, top + std::min(n1, c.Lines) * Lh};
                EXPECT_EQ(cell, expected) << c.Name << " slot " << slot << " row " << row;
            }
        }
    }
}

TEST_F(WeekPlannerPageTest, ListRowsPerPageType)
{
    struct Case
    {
        const char* Name;
        int PageType;
        bool Count;
        bool LargeTopMargin;
        int Left;
        int Units;
        int R;
        int Lines;
        int First;
        int End;
    };
    const Case cases[] = {
        // 62 lines ÷ 4 rows.
        {"spread, left page", PageType::Spread, false, false, LeftX, Units, 15, Lines, 0, 4},
        {"spread, right page", PageType::Spread, false, false, RightX, Units, 15, Lines, 4, 8},
        // 62 ÷ 7, and ÷ 8 with the count; 90 units across.
        {"one page", PageType::One, false, false, LeftX, 90, 8, Lines, 0, 7},
        {"one page with the count", PageType::One, true, false, LeftX, 90, 7, Lines, 0, 8},
        // A top margin of 15 mm leaves 60 lines: rows of 15 from line 1 reach line 61, cut at 60.
        {"rows cut at the last line", PageType::Spread, false, true, LeftX, Units, 15, 60, 0, 4},
    };
    Print.P_VL_Type = 1;
    for (const Case& c : cases) {
        Print.PPageType = c.PageType;
        Print.Keisannsuru = c.Count;
        Print.PPageYohakuue = c.LargeTopMargin;
        const PageGeometry g = ComputePageGeometry(Print, {300, 300, Lh});
        ASSERT_EQ(g.LinesDown, c.Lines) << c.Name;
        const PageSide side = c.PageType == PageType::One ? PageSide::Whole
                              : c.First == 0              ? PageSide::Left
                                                          : PageSide::Right;
        const std::vector<Rect> cells = WeekPlannerCells(g, Print, side);
        const int top = g.Area(side).Top;
        for (int slot = 0; slot < 96; ++slot) {
            const Rect& cell = cells[static_cast<std::size_t>(slot)];
            if (slot < c.First || slot >= c.End) {
                EXPECT_EQ(cell, Rect{}) << c.Name << " slot " << slot;
                continue;
            }
            const int k = slot - c.First;
            const Rect expected{c.Left, top + (1 + k * c.R) * Lh, c.Left + c.Units * Lh,
                                top + std::min(1 + (k + 1) * c.R, c.Lines) * Lh};
            EXPECT_EQ(cell, expected) << c.Name << " slot " << slot;
        }
    }
}

TEST_F(WeekPlannerPageTest, PageCellsCoverBothPagesOfTheSpread)
{
    const std::vector<Rect> cells = Draw();
    ASSERT_EQ(cells.size(), 96u);
    EXPECT_EQ(cells[0].Left, LeftX);
    EXPECT_EQ(cells[4 * 12].Left, RightX);
    EXPECT_EQ(cells[7 * 12 + 11], (Rect{RightX + 30 * Lh, Y(56), RightX + Units * Lh, Y(Lines)}));
}

TEST_F(WeekPlannerPageTest, FirstDayFollowsTheStartWeekday)
{
    struct Case
    {
        DateTime PageDate;
        int StartWeekday;
        DateTime First;
    };
    const Case cases[] = {
        {Date(2024, 4, 10), 0, Date(2024, 4, 7)},  // Wednesday, Sunday start
        {Date(2024, 4, 10), 1, Date(2024, 4, 8)},  // Wednesday, Monday start
        {Date(2024, 4, 14), 0, Date(2024, 4, 14)}, // a Sunday starts its own week
        {Date(2024, 4, 14), 1, Date(2024, 4, 8)},  // and ends the Monday week
        {Date(2024, 4, 8), 1, Date(2024, 4, 8)},
        {Date(2025, 1, 1), 0, Date(2024, 12, 29)}, // across the year
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstDayOfWeekPage(c.PageDate, c.StartWeekday), c.First);
        Print.PrintStartDate = c.PageDate;
        Print.PStartWeekday = c.StartWeekday;
        for (const int layout : {0, 1}) {
            Print.P_VL_Type = layout;
            Draw();
            const std::string firstText = PrintedMonthDay(c.First, 0, false);
            const std::string lastText = PrintedMonthDay(c.First.AddDays(6), 0, false);
            EXPECT_TRUE(Canvas.HasText(layout == 0 ? WithWeekdayInBrackets(firstText, c.First) : firstText));
            EXPECT_TRUE(Canvas.HasText(PrintedDateText(c.First, 0, false)));            // left title
            EXPECT_TRUE(Canvas.HasText(PrintedDateText(c.First.AddDays(6), 0, false))); // right title
            EXPECT_TRUE(
                Canvas.HasText(layout == 0 ? WithWeekdayInBrackets(lastText, c.First.AddDays(6)) : lastText));
        }
    }
    // Page 2 is a week later, whichever page is drawn first.
    Print.PStartWeekday = 1;
    Print.PrintStartDate = Date(2024, 4, 10);
    Print.PrintEndDate = Date(2024, 4, 30);
    EXPECT_EQ(PrintPageCount(Print), 3);
    Draw(2);
    EXPECT_TRUE(Canvas.HasText(PrintedDateText(Date(2024, 4, 15), 0, false)));
    EXPECT_TRUE(Canvas.HasText(PrintedDateText(Date(2024, 4, 21), 0, false)));
}

TEST_F(WeekPlannerPageTest, DateTextsPerLayout)
{
    Print.PDateType = 2;
    Print.PZerotoru = true;
    Print.P_VL_Type = 0;
    Draw();
    const CanvasOp vertical = Canvas.TextOp(Sj(" 4月 7日（日）"));
    EXPECT_EQ(vertical.Area.Left, LeftX + Hl);
    EXPECT_EQ(vertical.Area.Top, Y(1) + Hl);
    EXPECT_EQ(vertical.Area.Bottom, Y(2) + Hl);
    Print.P_VL_Type = 1;
    Draw();
    EXPECT_EQ(Canvas.TextOp(Sj(" 4月 7日")).Area.Top, Y(1) + Hl); // no weekday in the list
    EXPECT_FALSE(Canvas.HasText(Sj(" 4月 7日（日）")));
}

TEST_F(WeekPlannerPageTest, DateColours)
{
    Print.PStartWeekday = 1;
    for (const int layout : {0, 1}) {
        Print.P_VL_Type = layout;
        for (const test::DateColourCase& c : test::DateColourCases()) {
            Store(DayOf(c.Date, c.Jitei));
            Print.PrintStartDate = c.Date;
            Draw();
            const std::string text = PrintedMonthDay(c.Date, 0, false);
            const CanvasOp date = Canvas.TextOp(layout == 0 ? WithWeekdayInBrackets(text, c.Date) : text);
            EXPECT_EQ(date.TextColour, c.Colour) << c.Name << " layout " << layout;
        }
    }
}

TEST_F(WeekPlannerPageTest, VerticalDayTextsInTheirCells)
{
    Store(DayWithEveryText(Date(2024, 4, 9)));
    Print.PStartWeekday = 1; // 9 April is the second column of the left page: units 10–20
    Draw();
    const int x0 = LeftX + 10 * Lh + Hl;
    const int x1 = LeftX + 20 * Lh - Hl;
    EXPECT_EQ(Canvas.TextOp(Sj("休日")).Area, (Rect{x0, Y(2) + Hl, x1, Y(3) + Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("休日")).TextColour, TextColours::Red);
    const CanvasOp event = Canvas.TextOp(Sj("入学式"));
    EXPECT_EQ(event.Area, (Rect{x0, Y(3) + Hl, x1, Y(4) + Hl}));
    EXPECT_EQ(event.Flags, unsigned(TextSingleLine));
    // First period row: lines 6–11; label and plan on its first line, the content below.
    EXPECT_EQ(Canvas.TextOp(Sj("朝")).Area, (Rect{x0, Y(6) + Hl, x0 + Lh + Hl, Y(7) + Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("職員朝会")).Area, (Rect{x0 + Lh + Hl, Y(6) + Hl, x1, Y(7) + Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("連絡")).Area, (Rect{x0, Y(7) + Hl, x1, Y(11) - Hl}));
    EXPECT_EQ(Canvas.TextOp(Sj("部活動")).Area.Top, Y(51) + Hl); // the tenth row, lines 51–56
    EXPECT_EQ(Canvas.TextOp(Sj("メモ")).Area, (Rect{x0, Y(56) + Hl, x1, Y(Lines) - Hl}));
}

TEST_F(WeekPlannerPageTest, ListDayTextsInTheirBlocks)
{
    CDayData day = DayOf(Date(2024, 4, 9), "50分時程");
    day.SetGyouji(Sj("全国学力・学習状況調査"));
    day.SetJigenn(0, Sj("朝"));
    day.SetYotei(0, Sj("職員朝会"));
    day.SetNaiyou(0, Sj("連絡"));
    day.SetJigenn(9, Sj("放"));
    day.SetMemo(Sj("メモ"));
    Store(day);
    Print.P_VL_Type = 1;
    Print.PStartWeekday = 1;
    Draw();
    // 9 April is the second row of the left page: lines 16–31. 40 units: the date block 8 units, the memo
    // 10 units, the period rows between (units 8–30), one a line.
    const int rowTop = Y(16);
    EXPECT_EQ(Canvas.TextOp(Sj("50分時程")).Area,
              (Rect{LeftX + Hl, rowTop + Hl + Lh, LeftX + 8 * Lh - Hl, rowTop + Hl + 2 * Lh}));
    const CanvasOp event = Canvas.TextOp(Sj("全国学力・学習状況調査"));
    EXPECT_EQ(event.Area, (Rect{LeftX + Hl, rowTop + Hl + 2 * Lh, LeftX + 8 * Lh - Hl, Y(31) - Hl}));
    EXPECT_TRUE(event.Flags & TextWordBreak);
    const int periodsLeft = LeftX + 8 * Lh + Hl;
    const int planLeft = periodsLeft + Lh + Hl;
    const int planRight = planLeft + (LeftX + 30 * Lh - Hl - planLeft) * 2 / 5;
    EXPECT_EQ(Canvas.TextOp(Sj("朝")).Area, (Rect{periodsLeft, rowTop + Hl, planLeft, rowTop + Hl + Lh}));
    EXPECT_EQ(Canvas.TextOp(Sj("職員朝会")).Area,
              (Rect{planLeft, rowTop + Hl, planRight - Hl, rowTop + Hl + Lh}));
    EXPECT_EQ(Canvas.TextOp(Sj("連絡")).Area,
              (Rect{planRight, rowTop + Hl, LeftX + 30 * Lh - 2 * Hl, rowTop + Hl + Lh}));
    EXPECT_EQ(Canvas.TextOp(Sj("放")).Area.Top, rowTop + Hl + 9 * Lh);
    EXPECT_EQ(Canvas.TextOp(Sj("メモ")).Area,
              (Rect{LeftX + 30 * Lh + Hl, rowTop + Hl, LeftX + Units * Lh - Hl, Y(31) - Hl}));
    // The block borders of every day row.
    const std::vector<CanvasOp> lines = Canvas.OfKind(CanvasOp::Line);
    for (const int u : {8, 30})
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const CanvasOp& op) {
            return op.From == Point{LeftX + u * Lh, rowTop} && op.To == Point{LeftX + u * Lh, Y(31)};
        })) << u;
}

TEST_F(WeekPlannerPageTest, ShortListRowsSpreadThePeriodsOverColumns)
{
    // One page with the count: rows of 7 lines leave 6 lines inside, so the ten periods take two columns.
    CDayData day = DayOf(Date(2024, 4, 8));
    for (int m = 0; m < 10; ++m)
        day.SetYotei(m, "P" + std::to_string(m));
    Store(day);
    Print.P_VL_Type = 1;
    Print.PPageType = PageType::One;
    Print.Keisannsuru = true;
    Print.PStartWeekday = 1;
    Draw();
    const CanvasOp p0 = Canvas.TextOp("P0");
    const CanvasOp p5 = Canvas.TextOp("P5");
    const CanvasOp p6 = Canvas.TextOp("P6");
    EXPECT_EQ(Canvas.TextOp("P5").Area.Top, p0.Area.Top + 5 * Lh);
    EXPECT_EQ(p6.Area.Top, p0.Area.Top);
    EXPECT_GT(p6.Area.Left, p5.Area.Right);
    for (const CanvasOp& op : Canvas.Texts()) {
        if (op.Bytes.starts_with('P')) {
            EXPECT_LE(op.Area.Bottom, Y(8) - Hl) << op.Bytes; // inside the first row (lines 1–8)
        }
    }
}

TEST_F(WeekPlannerPageTest, ColouredRowsAreFilledOnlyWhenAsked)
{
    CDayData day = DayOf(Date(2024, 4, 7));
    day.SetIro(2, 4);
    day.SetYotei(2, Sj("理科"));
    Store(day);
    struct Case
    {
        int Layout;
        Rect Fill;
    };
    const Case cases[] = {
        {0, Rect{LeftX, Y(16), LeftX + 10 * Lh, Y(21)}},                        // the third period cell
        {1, Rect{LeftX + 8 * Lh + Hl, Y(1) + Hl + 2 * Lh, LeftX + 30 * Lh - Hl, // its line in the list
                 Y(1) + Hl + 3 * Lh}},
    };
    for (const Case& c : cases) {
        Print.P_VL_Type = c.Layout;
        Print.WakunaiNuritubushi = false;
        Draw();
        EXPECT_TRUE(Canvas.OfKind(CanvasOp::Fill).empty());

        Print.WakunaiNuritubushi = true;
        Draw();
        const std::vector<CanvasOp> fills = Canvas.OfKind(CanvasOp::Fill);
        ASSERT_EQ(fills.size(), 1u) << c.Layout;
        EXPECT_EQ(fills[0].Area, c.Fill) << c.Layout;
        EXPECT_EQ(fills[0].Brush, CellColours[4].Colour);
        // Filled before the texts are drawn on it.
        const auto fill = std::find_if(Canvas.Ops.begin(), Canvas.Ops.end(),
                                       [](const CanvasOp& op) { return op.What == CanvasOp::Fill; });
        const auto text = std::find_if(Canvas.Ops.begin(), Canvas.Ops.end(),
                                       [&](const CanvasOp& op) { return op.Bytes == Sj("理科"); });
        EXPECT_LT(fill, text) << c.Layout;
    }
}

TEST_F(WeekPlannerPageTest, RowsBelowTheLastLineAreLeftEmpty)
{
    // Bible upright on one page at 9 points: 51 lines. The tenth period row (lines 51–56) and the memo
    // (from 56) have no room; the ninth (46–51) has.
    CDayData day = DayOf(Date(2024, 4, 7));
    day.SetYotei(8, Sj("帰りの会"));
    day.SetYotei(9, Sj("部活動"));
    day.SetMemo(Sj("メモ"));
    Store(day);
    Print.PPaperType = PaperType::Bible;
    Print.PYoushiType = Orientation::Portrait;
    Print.PPageType = PageType::One;
    Print.PFontSize = 9;
    Draw();
    EXPECT_TRUE(Canvas.HasText(Sj("帰りの会")));
    EXPECT_FALSE(Canvas.HasText(Sj("部活動")));
    EXPECT_FALSE(Canvas.HasText(Sj("メモ")));
    const int bottom = 47 + 51 * Lh;
    for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line))
        EXPECT_LE(std::max(op.From.Y, op.To.Y), bottom);
    for (const CanvasOp& op : Canvas.Texts())
        EXPECT_LE(op.Area.Bottom, bottom + 20) << op.Bytes; // the footer's line is the only one below
}

TEST_F(WeekPlannerPageTest, TitlesAboveTheFirstAndLastColumns)
{
    struct Case
    {
        const char* Name;
        int Layout;
        int PageType;
        bool Count;
        bool Left;      // the left title is drawn
        Rect LeftArea;  // above the first column of the left page
        bool Right;     // the right title is drawn
        Rect RightArea; // above the last column of the right page
    };
    // The titles' bottom is line 1 (y = 119), 84 pixels below the edge's 3 mm (35 pixels): 20 points,
    // an em of 83 pixels, where the header font (22.5 points, 93 pixels) would come closer to the edge.
    const int header = static_cast<int>(20 * 300 / 72);
    const int t = Y(1);
    const Case cases[] = {
        {"vertical spread", 0, PageType::Spread, false, true, Rect{LeftX, t - header, LeftX + 10 * Lh, t},
         true, Rect{RightX + 30 * Lh, t - header, RightX + 40 * Lh, t}},
        {"vertical left page", 0, PageType::Left, false, true, Rect{LeftX, t - header, LeftX + 21 * Lh, t},
         false, Rect{}},
        {"vertical right page", 0, PageType::Right, false, false, Rect{}, true,
         Rect{3684 + 63 * Lh, t - header, 3684 + 84 * Lh, t}},
        {"vertical one page", 0, PageType::One, false, true, Rect{LeftX, t - header, LeftX + 12 * Lh, t},
         true, Rect{LeftX + 72 * Lh, t - header, LeftX + 84 * Lh, t}},
        {"vertical one page with the count", 0, PageType::One, true, true,
         Rect{LeftX, t - header, LeftX + 11 * Lh, t}, true,
         Rect{LeftX + 77 * Lh, t - header, LeftX + 88 * Lh, t}},
        {"list spread", 1, PageType::Spread, false, true, Rect{LeftX, t - header, LeftX + Units * Lh, t},
         true, Rect{RightX, t - header, RightX + Units * Lh, t}},
        {"list one page", 1, PageType::One, false, true, Rect{LeftX, t - header, LeftX + 90 * Lh, t}, true,
         Rect{LeftX, t - header, LeftX + 90 * Lh, t}},
    };
    const std::string first = "20240407";
    const std::string last = "20240413";
    for (const Case& c : cases) {
        Print.P_VL_Type = c.Layout;
        Print.PPageType = c.PageType;
        Print.Keisannsuru = c.Count;
        Draw();
        EXPECT_EQ(Canvas.HasText(first), c.Left) << c.Name;
        EXPECT_EQ(Canvas.HasText(last), c.Right) << c.Name;
        if (c.Left) {
            EXPECT_EQ(Canvas.TextOp(first).Area, c.LeftArea) << c.Name;
            EXPECT_EQ(Canvas.TextOp(first).PointSize, 20);
            EXPECT_EQ(Canvas.TextOp(first).Flags & TextRight, 0u) << c.Name;
        }
        if (c.Right) {
            EXPECT_EQ(Canvas.TextOp(last).Area, c.RightArea) << c.Name;
            EXPECT_NE(Canvas.TextOp(last).Flags & TextRight, 0u) << c.Name;
        }
    }
}

TEST_F(WeekPlannerPageTest, ApprovalLineOnTheOnePageType)
{
    struct Case
    {
        const char* Name;
        int PageType;
        const char* User;
        const char* Title; // the right title
    };
    const Case cases[] = {
        {"with a name", PageType::One, "山田太郎",
         "校長　　印　　　副校長　　印　　　氏名：山田太郎　　印　　　　"},
        {"without a name", PageType::One, "",
         "校長　　印　　　副校長　　印　　　氏名：　　　　　　　印　　　　"},
        {"not on a spread", PageType::Spread, "山田太郎", "20240413"},
    };
    Print.PKenin = true;
    for (const Case& c : cases) {
        Print.PPageType = c.PageType;
        Print.Shiyousya = Sj(c.User);
        Draw();
        const CanvasOp title = Canvas.TextOp(Sj(c.Title));
        EXPECT_NE(title.Flags & TextRight, 0u) << c.Name;
        EXPECT_EQ(title.Area.Bottom, Y(1)) << c.Name;
        EXPECT_TRUE(Canvas.HasText("20240407")) << c.Name; // the left title stays
    }
}

TEST_F(WeekPlannerPageTest, ClassHourCountInTheExtraSlot)
{
    // The school year from 1 April 2024; counted from 1 April to the seventh day of the page's week.
    Doc = test::SchoolYearDocument(2024);
    Doc.HajimeYear = 2024;
    Doc.HajimeMonth = 4;
    Doc.HajimeDay = 1;
    Print.ClassNames = {};
    Print.ClassNames[0] = Sj("2-1 国語");
    Print.ClassNames[2] = Sj("1-2 書写");
    Print.ClassNames[5] = Sj("2-1 道徳");
    Print.PStartWeekday = 1;
    struct Case
    {
        const char* Name;
        int Layout;
        int PageType;
        DateTime PageDate;
        const char* Lines[4];
        Rect FirstLine; // where the title goes: half a line below the cell's top rule
        int Step;       // lines between two classes
    };
    // 5 April (Friday) is a school day before the first week; "2-1 国語" is taught four times a week,
    // "1-2 書写" and "2-1 道徳" once.
    const Case cases[] = {
        {"vertical spread, first week",
         0,
         PageType::Spread,
         Date(2024, 4, 8),
         {"授業時数のカウント", "2-1 国語 = 5", "1-2 書写 = 1", "2-1 道徳 = 1"},
         Rect{RightX + 30 * Lh + Hl, Y(1) + Hl, RightX + 40 * Lh - Hl, Y(2) + Hl},
         2},
        {"vertical one page, second week",
         0,
         PageType::One,
         Date(2024, 4, 17),
         {"授業時数のカウント", "2-1 国語 = 9", "1-2 書写 = 2", "2-1 道徳 = 2"},
         Rect{LeftX + 77 * Lh + Hl, Y(1) + Hl, LeftX + 88 * Lh - Hl, Y(2) + Hl},
         2},
        // One page with the count: rows of 7 lines, the eighth from line 50.
        {"list one page",
         1,
         PageType::One,
         Date(2024, 4, 8),
         {"授業時数のカウント", "2-1 国語 = 5", "1-2 書写 = 1", "2-1 道徳 = 1"},
         Rect{LeftX + Hl, Y(50) + Hl, LeftX + 12 * Lh - Hl, Y(51) + Hl},
         1},
    };
    Print.Keisannsuru = true;
    for (const Case& c : cases) {
        Print.P_VL_Type = c.Layout;
        Print.PPageType = c.PageType;
        Print.PrintStartDate = c.PageDate;
        Draw();
        const CanvasOp title = Canvas.TextOp(Sj(c.Lines[0]));
        EXPECT_EQ(title.Area, c.FirstLine) << c.Name;
        for (int i = 1; i < 4; ++i)
            EXPECT_EQ(Canvas.TextOp(Sj(c.Lines[i])).Area.Top, c.FirstLine.Top + i * c.Step * Lh) << c.Name;
    }
    // Without the count the extra column of the spread stays empty, and one page shows seven days.
    Print.Keisannsuru = false;
    Print.P_VL_Type = 0;
    Print.PPageType = PageType::Spread;
    Draw();
    EXPECT_FALSE(Canvas.HasText(Sj("授業時数のカウント")));
}

TEST_F(WeekPlannerPageTest, ListCountFlowsIntoColumns)
{
    // Ten classes and the title in a row of 7 lines from line 50: inset by half a line at its top and
    // bottom, 7 × 37 − 2 × 18 = 223 pixels hold 6 lines (the title and five classes); columns of 12 units.
    Print.P_VL_Type = 1;
    Print.PPageType = PageType::One;
    Print.Keisannsuru = true;
    for (int i = 0; i < 10; ++i)
        Print.ClassNames[static_cast<std::size_t>(i)] = "C" + std::to_string(i);
    Draw();
    EXPECT_EQ(Canvas.TextOp("C4 = 0").Area.Top, Y(55) + Hl);
    EXPECT_EQ(Canvas.TextOp("C5 = 0").Area,
              (Rect{LeftX + 12 * Lh + Hl, Y(50) + Hl, LeftX + 24 * Lh - Hl, Y(51) + Hl}));
    EXPECT_EQ(Canvas.TextOp("C9 = 0").Area.Top, Y(54) + Hl);
}

TEST_F(WeekPlannerPageTest, GridAndFooters)
{
    Print.PKeisenFutosa = 2;
    Draw();
    const std::vector<CanvasOp> outlines = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].Area, (Rect{LeftX, Y(1), LeftX + Units * Lh, Y(Lines)}));
    EXPECT_EQ(outlines[1].Area, (Rect{RightX, Y(1), RightX + Units * Lh, Y(Lines)}));
    for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line))
        EXPECT_EQ(op.PenWidth, 2);
    // Row lines at 6, 11, …, 56 across each page; column lines every 10 units.
    const std::vector<CanvasOp> lines = Canvas.OfKind(CanvasOp::Line);
    const auto hasLine = [&](Point from, Point to) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const CanvasOp& op) { return op.From == from && op.To == to; });
    };
    for (int n = 6; n <= 56; n += 5)
        EXPECT_TRUE(hasLine({RightX, Y(n)}, {RightX + Units * Lh, Y(n)})) << n;
    for (const int u : {10, 20, 30})
        EXPECT_TRUE(hasLine({LeftX + u * Lh, Y(1)}, {LeftX + u * Lh, Y(Lines)})) << u;
    // The footer below both pages, right-aligned on the right page.
    const std::vector<CanvasOp> footers = Canvas.TextOps("2024/04/01  9:05");
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(footers[0].Area.Top, Y(Lines));
    EXPECT_EQ(footers[0].Flags & TextRight, 0u);
    EXPECT_NE(footers[1].Flags & TextRight, 0u);
    EXPECT_EQ(PageLayoutOf(PrintType::Week)->Step, PageStep::Week);
}

TEST_F(WeekPlannerPageTest, NoBiorhythmMarkersWhenAskedOrWithoutRoom)
{
    Doc.BirthdayYear = 1980;
    Doc.BirthdayMonth = 5;
    Doc.BirthdayDay = 5;
    const std::string date =
        WithWeekdayInBrackets(PrintedMonthDay(Date(2024, 4, 7), 0, false), Date(2024, 4, 7));
    const auto markersAfterDate = [&] {
        const std::vector<CanvasOp> texts = Canvas.Texts();
        const auto at =
            std::find_if(texts.begin(), texts.end(), [&](const CanvasOp& op) { return op.Bytes == date; });
        return at + 1 != texts.end() && (at + 1)->Area.Left == at->Area.Right;
    };
    // A column of 12 units (one page) holds the date (10 bytes: 5 units), its gap and the three markers.
    Print.PPageType = PageType::One;
    Draw();
    EXPECT_TRUE(markersAfterDate());
    Print.Biorhythm = true;
    Draw();
    EXPECT_FALSE(markersAfterDate());
    // Bible upright one page at 9 points: columns of 3 units have no room for them.
    Print.Biorhythm = false;
    Print.PPaperType = PaperType::Bible;
    Print.PYoushiType = Orientation::Portrait;
    Draw();
    EXPECT_FALSE(markersAfterDate());
}

TEST_F(WeekPlannerPageTest, DateWiderThanItsColumnIsCutAtTheColumnEdge)
{
    // Bible upright one page at 9 points: vertical columns of 3 units (75 pixels), narrower than the
    // date "4/7(日)" itself. The date stays on its line inside the column instead of running into the next.
    Print.PPaperType = PaperType::Bible;
    Print.PYoushiType = Orientation::Portrait;
    Print.PPageType = PageType::One;
    const std::vector<Rect> cells = Draw();
    const std::string text =
        WithWeekdayInBrackets(PrintedMonthDay(Date(2024, 4, 7), 0, false), Date(2024, 4, 7));
    ASSERT_GT(Canvas.TextExtent(text).Width, cells[0].Width());
    const CanvasOp date = Canvas.TextOp(text);
    EXPECT_EQ(date.Area,
              (Rect{cells[0].Left + Hl, cells[0].Top + Hl, cells[0].Right - Hl, cells[0].Top + Hl + Lh}));
    EXPECT_NE(date.Flags & TextSingleLine, 0u);
    EXPECT_EQ(date.TextColour, TextColours::Red); // a Sunday
}

} // namespace
} // namespace planova
