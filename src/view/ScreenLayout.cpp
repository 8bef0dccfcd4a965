#include "view/ScreenLayout.h"

#include <algorithm>

namespace planova {

namespace {

constexpr int DayViewPoints = 9;
constexpr int MonthViewPoints = 7;
constexpr int HeaderLines = 2; // the date row, and the month view's weekday header

int ColumnsOf(ViewMode mode)
{
    return mode == ViewMode::Day ? 1 : WeekDays;
}

int DayRowsOf(ViewMode mode)
{
    return mode == ViewMode::Month ? MonthWeekRows : 1;
}

/// Width of the ToDo pane in units before the planner's columns are rounded.
int ToDoShareOf(ViewMode mode, int widthUnits)
{
    return mode == ViewMode::Day ? widthUnits / 2 - 1 : widthUnits / 4 - 1;
}

/// Top of a day-column row in lines below the planner's top.
int DayRowTopLines(int row, const DayRowAllocation& rows)
{
    if (row == DayRow::Date)
        return 0;
    return HeaderLines + (rows.I + 1) * (row - 1);
}

int DayRowLines(int row, const DayRowAllocation& rows)
{
    if (row == DayRow::Date)
        return HeaderLines;
    if (row == DayRow::Memo)
        return rows.MemoLines;
    return rows.I + 1;
}

void AddDayColumnCells(ScreenLayout& layout)
{
    const int top = ScreenOrigin::Top;
    for (int column = 0; column < layout.Columns; ++column) {
        const int left = layout.ColumnLeft(column);
        const int right = layout.ColumnLeft(column + 1);
        for (int row = 0; row < DayRow::Count; ++row) {
            const int rowTop = top + DayRowTopLines(row, layout.Rows) * layout.L;
            layout.Cells[CellIndexOf(layout.Mode, column, row)] =
                Rect{left, rowTop, right, rowTop + DayRowLines(row, layout.Rows) * layout.L};
        }
    }
}

void AddMonthCells(ScreenLayout& layout)
{
    const int top = ScreenOrigin::Top;
    for (int column = 0; column < layout.Columns; ++column) {
        const int left = layout.ColumnLeft(column);
        const int right = layout.ColumnLeft(column + 1);
        for (int week = 0; week < MonthWeekRows; ++week) {
            layout.Cells[CellIndexOf(layout.Mode, column, week)] =
                Rect{left, top + (HeaderLines + week * layout.WeekRowLines) * layout.L, right,
                     top + (HeaderLines + (week + 1) * layout.WeekRowLines) * layout.L};
        }
    }
}

} // namespace

ViewMode ViewModeOf(int dspType)
{
    switch (dspType) {
    case 1:
        return ViewMode::Week;
    case 2:
        return ViewMode::Month;
    default:
        return ViewMode::Day;
    }
}

int PlannerPointSize(ViewMode mode)
{
    return mode == ViewMode::Month ? MonthViewPoints : DayViewPoints;
}

int LineHeightOf(int pointSize, int dpiX)
{
    return std::max(1, pointSize * dpiX / 72);
}

int UnitsOf(int pixels, int lineHeight)
{
    int units = pixels / lineHeight;
    if (pixels % lineHeight < ScreenOrigin::Margin)
        --units;
    return units;
}

DayRowAllocation AllocateDayRows(int lines)
{
    constexpr int LinesPerStep = 11; // rows 1–11 each give up one line
    DayRowAllocation rows;
    rows.MemoLines = lines - (HeaderLines + LinesPerStep * (rows.I + 1));
    while (rows.MemoLines < rows.I && rows.I > 1) {
        rows.MemoLines += LinesPerStep;
        --rows.I;
    }
    if (rows.MemoLines <= 0)
        rows.MemoLines = 2;
    return rows;
}

int MonthWeekRowLines(int clientHeight, int lineHeight)
{
    int lines = ((clientHeight - ScreenOrigin::Top) / lineHeight - HeaderLines) / MonthWeekRows;
    if (clientHeight - (MonthWeekRows * lines + HeaderLines) * lineHeight - ScreenOrigin::Top <
        ScreenOrigin::Margin)
        --lines;
    return lines;
}

int CellIndexOf(ViewMode mode, int column, int row)
{
    switch (mode) {
    case ViewMode::Week:
        return column * DayRow::Count + row;
    case ViewMode::Month:
        return column * MonthWeekRows + row;
    case ViewMode::Day:
        break;
    }
    return row;
}

int ScreenLayout::ColumnLeft(int column) const
{
    return ScreenOrigin::PlannerLeft + column * ColumnUnits * L;
}

ScreenLayout ComputeScreenLayout(const ScreenLayoutInput& input)
{
    ScreenLayout layout;
    layout.Mode = input.Mode;
    layout.PointSize = PlannerPointSize(input.Mode);
    layout.L = LineHeightOf(layout.PointSize, input.DpiX);
    layout.H = layout.L / 2;
    layout.Columns = ColumnsOf(input.Mode);
    layout.DayRows = DayRowsOf(input.Mode);

    layout.WidthUnits = UnitsOf(input.ClientWidth - ScreenOrigin::PlannerLeft, layout.L);
    layout.HeightUnits = UnitsOf(input.ClientHeight - ScreenOrigin::Top, layout.L);

    int plannerUnits = layout.WidthUnits;
    if (input.ToDoView) {
        layout.ToDoUnits = ToDoShareOf(input.Mode, layout.WidthUnits);
        plannerUnits = layout.WidthUnits - layout.ToDoUnits - 1;
    }
    layout.ColumnUnits = plannerUnits / layout.Columns;
    layout.PlannerUnits = layout.ColumnUnits * layout.Columns;
    if (layout.ToDoUnits > 0)
        layout.ToDoUnits = layout.WidthUnits - layout.PlannerUnits;

    layout.ToDoRowCount = std::max(0, layout.HeightUnits / 2);

    int frameLines = 0;
    if (input.Mode == ViewMode::Month) {
        layout.WeekRowLines = MonthWeekRowLines(input.ClientHeight, layout.L);
        frameLines = MonthWeekRows * layout.WeekRowLines + HeaderLines;
    } else {
        layout.Rows = AllocateDayRows(layout.HeightUnits);
        frameLines = layout.HeightUnits;
    }
    layout.Frame = Rect{ScreenOrigin::PlannerLeft, ScreenOrigin::Top,
                        ScreenOrigin::PlannerLeft + layout.PlannerUnits * layout.L,
                        ScreenOrigin::Top + frameLines * layout.L};

    const int cellCount =
        input.Mode == ViewMode::Month ? WeekDays * MonthWeekRows : layout.Columns * DayRow::Count;
    layout.Cells.assign(cellCount, Rect{});
    if (input.Mode == ViewMode::Month)
        AddMonthCells(layout);
    else
        AddDayColumnCells(layout);
    return layout;
}

} // namespace planova
