#include "dialogs/TypedDate.h"

#include <array>
#include <regex>
#include <string>

namespace planova {

TypedDate ReadTypedDate(std::string_view text)
{
    static const std::regex separated(R"((\d{4})([/-])(\d{1,2})\2(\d{1,2}))");
    static const std::regex digits(R"((\d{4})(\d{2})(\d{2}))");
    const auto first = text.find_first_not_of(" \t");
    const std::string typed(first == std::string_view::npos
                                ? std::string_view()
                                : text.substr(first, text.find_last_not_of(" \t") + 1 - first));
    std::smatch parts;
    std::array<int, 3> ymd{};
    if (std::regex_match(typed, parts, separated))
        ymd = {std::stoi(parts[1].str()), std::stoi(parts[3].str()), std::stoi(parts[4].str())};
    else if (std::regex_match(typed, parts, digits))
        ymd = {std::stoi(parts[1].str()), std::stoi(parts[2].str()), std::stoi(parts[3].str())};
    else
        return {DateTime::Invalid(),
                "日付は「2026/12/15」「2026-12-15」「20261215」のいずれかの形で入力してください。"};
    const DateTime date = DateTime::FromDate(ymd[0], ymd[1], ymd[2]);
    if (!date.IsValid())
        return {date, "「" + typed + "」という日付はありません。"};
    return {date, {}};
}

} // namespace planova
