#include "view/ScreenLayout.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

TEST(ScreenLayoutTest, LineHeightComesFromPointSizeAndHorizontalResolution)
{
    EXPECT_EQ(LineHeightOf(9, 96), 12);
    EXPECT_EQ(LineHeightOf(7, 96), 9); // 9.33 truncated
    EXPECT_EQ(LineHeightOf(9, 120), 15);
    EXPECT_EQ(LineHeightOf(9, 0), 1); // a device without a resolution still lays out
}

TEST(ScreenLayoutTest, UnitsGiveUpOneWhenTheRemainderIsBelowSeven)
{
    struct Case
    {
        int Pixels;
        int L;
        int Units;
    };
    const Case cases[] = {
        {127, 12, 10},                 // remainder 7 counts
        {126, 12, 9},                  // remainder 6 does not
        {120, 12, 9},                  // remainder 0 does not
        {1040, 12, 86}, {-10, 12, -1}, // narrower than the pane: no units
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnitsOf(c.Pixels, c.L), c.Units) << c.Pixels << " px";
}

TEST(ScreenLayoutTest, DayRowsShrinkBeforeTheMemoLosesItsLines)
{
    struct Case
    {
        int Lines;
        int I;
        int Memo;
    };
    const Case cases[] = {
        {60, 3, 14}, // period rows 4 lines, the rest is memo
        {49, 3, 3},  // memo keeps i lines
        {48, 2, 13}, // one line short: period rows shrink to 3 lines, 11 lines go to the memo
        {36, 1, 12}, // two steps
        {25, 1, 1},  // 1-line rows, one memo line left
        {24, 1, 2},  // nothing left: the memo is forced to 2 lines below the frame
        {5, 1, 2},
    };
    for (const Case& c : cases) {
        const DayRowAllocation rows = AllocateDayRows(c.Lines);
        EXPECT_EQ(rows.I, c.I) << c.Lines << " lines";
        EXPECT_EQ(rows.MemoLines, c.Memo) << c.Lines << " lines";
    }
}

TEST(ScreenLayoutTest, DayViewCellsWithToDoPane)
{
    const ScreenLayout layout = ComputeScreenLayout({ViewMode::Day, true, 1200, 800, 96});
    EXPECT_EQ(layout.L, 12);
    EXPECT_EQ(layout.H, 6);
    EXPECT_EQ(layout.WidthUnits, 86);
    EXPECT_EQ(layout.HeightUnits, 65);
    EXPECT_EQ(layout.ColumnUnits, 43); // 86 ÷ 2 − 1 = 42 for the pane, 43 for the planner
    EXPECT_EQ(layout.ToDoUnits, 43);   // the pane takes every unit the planner leaves
    EXPECT_EQ(layout.ToDoRowCount, 32);
    ASSERT_EQ(layout.CellCount(), 13);
    EXPECT_EQ(layout.Rows.I, 3);
    EXPECT_EQ(layout.Rows.MemoLines, 19);
    const int right = 160 + 43 * 12;
    EXPECT_EQ(layout.Cells[0], (Rect{160, 7, right, 7 + 24}));
    EXPECT_EQ(layout.Cells[1], (Rect{160, 31, right, 31 + 48}));
    EXPECT_EQ(layout.Cells[2], (Rect{160, 7 + 6 * 12, right, 7 + 10 * 12}));
    EXPECT_EQ(layout.Cells[11], (Rect{160, 7 + 42 * 12, right, 7 + 46 * 12}));
    EXPECT_EQ(layout.Cells[12], (Rect{160, 7 + 46 * 12, right, 7 + 65 * 12}));
    EXPECT_EQ(layout.Frame, (Rect{160, 7, right, 7 + 65 * 12}));
}

TEST(ScreenLayoutTest, WeekViewHasSevenColumnsOfThirteenCells)
{
    const ScreenLayout layout = ComputeScreenLayout({ViewMode::Week, false, 1920, 1080, 96});
    EXPECT_EQ(layout.WidthUnits, 146); // 1760 = 146 × 12 + 8
    EXPECT_EQ(layout.ColumnUnits, 20);
    EXPECT_EQ(layout.PlannerUnits, 140);
    ASSERT_EQ(layout.CellCount(), 91);
    for (int column = 0; column < 7; ++column) {
        const Rect& date = layout.Cells[CellIndexOf(ViewMode::Week, column, 0)];
        EXPECT_EQ(date.Left, 160 + column * 240);
        EXPECT_EQ(date.Right, 160 + (column + 1) * 240);
        EXPECT_EQ(layout.Cells[column * 13 + 12].Bottom, layout.Frame.Bottom);
    }
}

TEST(ScreenLayoutTest, WeekAndMonthToDoPaneTakesAQuarter)
{
    const ScreenLayout week = ComputeScreenLayout({ViewMode::Week, true, 1920, 1080, 96});
    // 146 ÷ 4 − 1 = 35 for the pane, (146 − 36) ÷ 7 = 15 per column, and the pane gets the rest.
    EXPECT_EQ(week.ColumnUnits, 15);
    EXPECT_EQ(week.ToDoUnits, 146 - 105);
    const ScreenLayout month = ComputeScreenLayout({ViewMode::Month, true, 1920, 1080, 96});
    EXPECT_EQ(month.L, 9);
    EXPECT_EQ(month.WidthUnits, 194); // 1760 = 195 × 9 + 5: the remainder is below 7
    EXPECT_EQ(month.ColumnUnits, 20); // (194 − 47 − 1) ÷ 7
}

TEST(ScreenLayoutTest, MonthGridIsSixWeekRowsBelowTheHeader)
{
    struct Case
    {
        int Height;
        int WeekRowLines;
    };
    const Case cases[] = {
        {720, 12},            // 713 ÷ 9 = 79 lines, (79 − 2) ÷ 6 = 12, 47 pixels spare
        {7 + 74 * 9 + 3, 11}, // only 3 pixels spare below 12-line rows: one line less
        {7 + 74 * 9 + 7, 12},
    };
    for (const Case& c : cases) {
        const ScreenLayout layout = ComputeScreenLayout({ViewMode::Month, false, 1280, c.Height, 96});
        ASSERT_EQ(layout.CellCount(), 42);
        EXPECT_EQ(layout.WeekRowLines, c.WeekRowLines) << c.Height;
        const int l = layout.L;
        const Rect& lastRowFirstColumn = layout.Cells[CellIndexOf(ViewMode::Month, 0, 5)];
        EXPECT_EQ(lastRowFirstColumn.Top, 7 + (2 + 5 * c.WeekRowLines) * l);
        EXPECT_EQ(layout.Frame.Bottom, 7 + (6 * c.WeekRowLines + 2) * l);
        const Rect& second = layout.Cells[CellIndexOf(ViewMode::Month, 1, 0)];
        EXPECT_EQ(second.Left, 160 + layout.ColumnUnits * l);
    }
}

TEST(ScreenLayoutTest, ANarrowWindowGivesNoCellAPositiveWidth)
{
    for (const ViewMode mode : {ViewMode::Day, ViewMode::Week, ViewMode::Month}) {
        for (const int width : {0, 100, 160, 170}) {
            const ScreenLayout layout = ComputeScreenLayout({mode, true, width, 300, 96});
            EXPECT_EQ(layout.Frame.Left, 160);
            for (const Rect& cell : layout.Cells)
                EXPECT_LE(cell.Width(), 0) << width;
        }
    }
}

TEST(ScreenLayoutTest, AnUnknownDisplayTypeShowsTheDayView)
{
    EXPECT_EQ(ViewModeOf(0), ViewMode::Day);
    EXPECT_EQ(ViewModeOf(1), ViewMode::Week);
    EXPECT_EQ(ViewModeOf(2), ViewMode::Month);
    EXPECT_EQ(ViewModeOf(7), ViewMode::Day);
    EXPECT_EQ(ViewModeOf(-1), ViewMode::Day);
}

} // namespace
} // namespace planova
