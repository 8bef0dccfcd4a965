#include "dialogs/IntegerField.h"

#include <array>
#include <cstdint>
#include <limits>

namespace planova {
namespace {

/// Full-width and typographic characters an input method types for a number, with their ASCII twins.
struct Twin
{
    std::string_view Utf8;
    char Ascii;
};

constexpr std::array Twins{
    Twin{"０", '0'}, Twin{"１", '1'}, Twin{"２", '2'}, Twin{"３", '3'}, Twin{"４", '4'},
    Twin{"５", '5'}, Twin{"６", '6'}, Twin{"７", '7'}, Twin{"８", '8'}, Twin{"９", '9'},
    Twin{"＋", '+'}, Twin{"－", '-'}, Twin{"−", '-'},  Twin{"　", ' '},
};

std::string AsciiTwins(std::string_view utf8)
{
    std::string ascii;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const Twin& twin : Twins) {
            if (utf8.substr(i, twin.Utf8.size()) == twin.Utf8) {
                ascii += twin.Ascii;
                i += twin.Utf8.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            ascii += utf8[i++];
    }
    return ascii;
}

std::optional<int> ParseWholeNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<int>::max()} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::string IntegerMessage()
{
    return "整数を入力してください。";
}

std::string IntegerRangeMessage(int min, int max)
{
    return std::to_string(min) + " から " + std::to_string(max) + " までの整数を入力してください。";
}

IntegerFieldValue ReadIntegerField(std::string_view utf8)
{
    const std::optional<int> value = ParseWholeNumber(AsciiTwins(utf8));
    if (!value)
        return {std::nullopt, IntegerMessage()};
    return {value, {}};
}

IntegerFieldValue ReadIntegerField(std::string_view utf8, int min, int max)
{
    IntegerFieldValue read = ReadIntegerField(utf8);
    if (read.Value && (*read.Value < min || *read.Value > max))
        return {std::nullopt, IntegerRangeMessage(min, max)};
    return read;
}

} // namespace planova
