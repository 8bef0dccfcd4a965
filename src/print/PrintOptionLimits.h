#pragma once

#include <optional>
#include <string_view>

namespace planova {

/// The values a numeric print option may take, named by its data-file tag.
struct OptionRange
{
    std::string_view Tag;
    int Min;
    int Max;
};

/// The range of a numeric print option, or nothing for a tag that is no numeric print option.
std::optional<OptionRange> PrintOptionRange(std::string_view tag);

} // namespace planova
