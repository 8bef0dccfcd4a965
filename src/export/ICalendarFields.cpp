#include "export/ICalendarFields.h"

#include "model/TextFunctions.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace planova {
namespace {

struct ImportancePriority
{
    std::string_view Code;
    int Priority;
};

constexpr std::array<ImportancePriority, 9> Priorities{{
    {"A1", 1},
    {"A2", 2},
    {"A3", 3},
    {"B1", 5},
    {"B2", 5},
    {"B3", 5},
    {"C1", 7},
    {"C2", 8},
    {"C3", 9},
}};

std::uint64_t Fnv1a64(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace

int ICalendarPriority(std::string_view importance)
{
    for (const ImportancePriority& entry : Priorities) {
        if (entry.Code == importance)
            return entry.Priority;
    }
    return 0;
}

std::optional<int> ClockHourOfLabel(std::string_view label)
{
    if (label.size() != 2 || label[0] < '0' || label[0] > '9' || label[1] < '0' || label[1] > '9')
        return std::nullopt;
    const int hour = (label[0] - '0') * 10 + (label[1] - '0');
    if (hour > 23)
        return std::nullopt;
    return hour;
}

std::string TextFingerprint(std::string_view text)
{
    std::array<char, 17> hash{};
    std::snprintf(hash.data(), hash.size(), "%016llx", static_cast<unsigned long long>(Fnv1a64(text)));
    return hash.data();
}

std::string ICalendarUid(const DateTime& date, std::string_view part, std::string_view text, int repeat)
{
    std::string uid = date.IsValid() ? FormatDate(date, static_cast<int>(DateForm::Digits)) : "nodate";
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "-" + std::string.
    uid.append("-").append(part).append("-").append(TextFingerprint(text));
    if (repeat > 1)
        uid.append("-").append(std::to_string(repeat));
    return uid + "@planova";
}

} // namespace planova
