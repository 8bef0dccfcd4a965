#include "print/PrintOptionLimits.h"

#include <array>

namespace planova {

namespace {

constexpr std::array<OptionRange, 13> Ranges{{
    {"PrintType", 0, 5},
    {"P_VL_Type", 0, 1},
    {"PYearType", 0, 4},
    {"PYoushiType", 0, 1},
    {"PPaperType", 0, 3},
    {"PPageType", 0, 3},
    {"PFontSize", 1, 50},
    {"PKeisenFutosa", 1, 10},
    {"PKeisenIro", 0, 0xFFFFFF},
    {"PIdouMigi", -50, 50},
    {"PIdouSita", -50, 50},
    {"PStartWeekday", 0, 1},
    {"PDateType", 0, 2},
}};

} // namespace

std::optional<OptionRange> PrintOptionRange(std::string_view tag)
{
    for (const OptionRange& range : Ranges) {
        if (range.Tag == tag)
            return range;
    }
    return std::nullopt;
}

} // namespace planova
