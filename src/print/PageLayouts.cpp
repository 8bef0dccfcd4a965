#include "print/PageLayouts.h"

#include "print/DayPlannerPage.h"
#include "print/PrintTypes.h"
#include "print/RuledSheet.h"

#include <array>

namespace planova {

namespace {

const std::array<PageLayout, 2> Layouts{{
    {PrintType::Day, PageStep::Day, [](const PrintSettings&) { return DayPlannerCell::Count; },
     DrawDayPlannerSide, true, false},
    {PrintType::Memo, PageStep::None, [](const PrintSettings&) { return 1; }, DrawMemoSheet, false, false},
}};

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
