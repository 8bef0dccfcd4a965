#include "cli/CliDates.h"

#include <regex>
#include <vector>

namespace planova::cli {
namespace {

/// The numbers matched by a pattern of digit groups; empty when the text does not match.
std::vector<int> DigitGroups(const std::string& text, const std::regex& pattern)
{
    std::smatch parts;
    if (!std::regex_match(text, parts, pattern))
        return {};
    std::vector<int> numbers;
    for (std::size_t i = 1; i < parts.size(); ++i)
        numbers.push_back(std::stoi(parts[i].str()));
    return numbers;
}

std::optional<DateTime> ValidOrNothing(const DateTime& value)
{
    return value.IsValid() ? std::optional(value) : std::nullopt;
}

} // namespace

std::optional<DateTime> ParseIsoDate(const std::string& text)
{
    static const std::regex form(R"((\d{4})-(\d{2})-(\d{2}))");
    const std::vector<int> n = DigitGroups(text, form);
    return n.empty() ? std::nullopt : ValidOrNothing(DateTime::FromDate(n[0], n[1], n[2]));
}

std::optional<DateTime> ParseIsoDateTime(const std::string& text)
{
    static const std::regex form(R"((\d{4})-(\d{2})-(\d{2}) (\d{2}):(\d{2}):(\d{2}))");
    const std::vector<int> n = DigitGroups(text, form);
    return n.empty() ? std::nullopt
                     : ValidOrNothing(DateTime::FromDateTime(n[0], n[1], n[2], n[3], n[4], n[5]));
}

} // namespace planova::cli
