#include "print/PageLayouts.h"

#include "print/DayPlannerPage.h"
#include "print/MonthPlannerPage.h"
#include "print/PrintTypes.h"
#include "print/RuledSheet.h"
#include "print/WeekPlannerPage.h"
#include "print/YearPlannerPage.h"
#include "print/ToDoTablePage.h"

namespace planova {

namespace {

// One row per print type that can be printed.
const PageLayout Layouts[] = {
    {PrintType::Day, PageStep::Day, [](const PrintSettings&) { return DayPlannerCell::Count; },
     DrawDayPlannerSide, true, false},
    {PrintType::Week, PageStep::Week, [](const PrintSettings&) { return WeekPlannerCell::Count; },
     DrawWeekPlannerSide, true, true},
    {PrintType::Month, PageStep::Month, MonthPlannerCellCount, DrawMonthPlannerSide, true, true},
    {PrintType::Year, PageStep::None, YearPlannerCellCount, DrawYearPlannerSide, true, true},
    {PrintType::Memo, PageStep::None, [](const PrintSettings&) { return 1; }, DrawMemoSheet, false, false},
    {PrintType::ToDo, PageStep::None, [](const PrintSettings&) { return SixWeekCell::Count; },
     DrawToDoTableSide, true, true},
};

} // namespace

const PageLayout* PageLayoutOf(int printType)
{
    for (const PageLayout& layout : Layouts) {
        if (layout.PrintType == printType)
            return &layout;
    }
    return nullptr;
}

} // namespace planova
