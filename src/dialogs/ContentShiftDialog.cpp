#include "dialogs/ContentShiftDialog.h"

#include "model/CPlanovaDoc.h"

#include <array>

namespace planova {
namespace {

constexpr std::array DirectionButtons{
    ShiftDirectionButton{1178, ShiftDirection::Earlier, "繰り上げ（前倒し）"},
    ShiftDirectionButton{1179, ShiftDirection::Later, "繰り下げ（先送り）"},
};

} // namespace

std::span<const ShiftDirectionButton> ShiftDirectionButtons()
{
    return DirectionButtons;
}

ContentShiftValues ContentShiftDefaults(const DateTime& shownDay)
{
    ContentShiftValues values;
    values.Start = shownDay.DateOnly();
    values.End = values.Start;
    return values;
}

std::string ContentShiftRefusal(const ContentShiftValues& values)
{
    return ShiftRefusal(values.Start, values.End, values.ClassName);
}

} // namespace planova
