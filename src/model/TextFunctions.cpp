#include "model/TextFunctions.h"

#include "model/FixedTexts.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace planova {
namespace {

std::string Tag(std::string_view name, bool closing)
{
    std::string tag;
    tag.reserve(name.size() + 3);
    tag += closing ? "</" : "<";
    tag += name;
    tag += '>';
    return tag;
}

} // namespace

std::string OpeningTag(std::string_view name)
{
    return Tag(name, false);
}

std::string ClosingTag(std::string_view name)
{
    return Tag(name, true);
}

std::size_t FindBytes(std::string_view source, std::string_view pattern, std::size_t from)
{
    if (from > source.size() || source.size() - from < pattern.size())
        return std::string_view::npos;
    const void* found = memmem(source.data() + from, source.size() - from, pattern.data(), pattern.size());
    return found == nullptr ? std::string_view::npos : static_cast<const char*>(found) - source.data();
}

std::string MakeElement(std::string_view name, std::string_view value)
{
    std::string element;
    element.reserve(2 * name.size() + value.size() + 5);
    element += Tag(name, false);
    element += value;
    element += Tag(name, true);
    return element;
}

std::string_view FindElement(std::string_view source, std::string_view name, std::size_t n)
{
    const std::string open = Tag(name, false);
    const std::string close = Tag(name, true);
    // Opening tags cannot overlap one another (each holds a single "<"), so the next one is
    // searched after the end of the previous one.
    std::size_t position = FindBytes(source, open, 0);
    for (std::size_t count = 0; count < n && position != std::string_view::npos; ++count)
        position = FindBytes(source, open, position + open.size());
    if (position == std::string_view::npos)
        return {};
    const std::size_t valueStart = position + open.size();
    const std::size_t valueEnd = FindBytes(source, close, valueStart);
    if (valueEnd == std::string_view::npos)
        return {};
    return source.substr(valueStart, valueEnd - valueStart);
}

std::string NumberText(double value)
{
    if (!(value >= 1.0) || !std::isfinite(value))
        return {};
    char digits[400];
    // Below 2^53 every whole value is an exact integer: its digits without the floating-point
    // formatting of printf, which dates (three numbers each) would otherwise pay for every time.
    if (value < 0x1p53) {
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(value)).ptr;
        return std::string(digits, end);
    }
    std::snprintf(digits, sizeof digits, "%.0f", std::floor(value));
    return digits;
}

double ParseNumber(std::string_view text)
{
    // Horner's form of the sum of digit × 10^(L − 1 − p): every byte shifts the digits before it.
    double result = 0.0;
    for (const char byte : text)
        result = result * 10.0 + (byte >= '0' && byte <= '9' ? byte - '0' : 0);
    return result;
}

std::int32_t ParseInteger(std::string_view text)
{
    const double value = ParseNumber(text);
    constexpr double Max = std::numeric_limits<std::int32_t>::max();
    return value >= Max ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(value);
}

std::uint32_t ParseUnsigned(std::string_view text)
{
    const double value = ParseNumber(text);
    constexpr double Max = std::numeric_limits<std::uint32_t>::max();
    return value >= Max ? std::numeric_limits<std::uint32_t>::max() : static_cast<std::uint32_t>(value);
}

std::string PadLeft(std::size_t width, std::string_view text)
{
    std::string padded;
    if (text.size() < width)
        padded.assign(width - text.size(), '0');
    padded += text;
    return padded;
}

std::string FormatDate(const DateTime& date, int form)
{
    // An invalid date gives -1 for each part, whose number text is empty, so it zero-fills to zeros.
    int parts[3] = {-1, -1, -1};
    if (date.IsValid()) {
        const std::chrono::year_month_day civil = date.ToYearMonthDay(); // worked out once for all three
        parts[0] = static_cast<int>(civil.year());
        parts[1] = static_cast<int>(static_cast<unsigned>(civil.month()));
        parts[2] = static_cast<int>(static_cast<unsigned>(civil.day()));
    }
    const std::string year = PadLeft(4, NumberText(parts[0]));
    const std::string month = PadLeft(2, NumberText(parts[1]));
    const std::string day = PadLeft(2, NumberText(parts[2]));
    switch (static_cast<DateForm>(form)) {
    case DateForm::Digits:
        return year + month + day;
    case DateForm::Slashes:
        return year + "/" + month + "/" + day;
    case DateForm::Kanji:
        return year + Text(FixedText::YearMark) + month + Text(FixedText::MonthMark) + day +
               Text(FixedText::DayMark);
    }
    return {};
}

std::string BlankLeadingZero(std::string_view text)
{
    std::string result(text);
    if (!result.empty() && result[0] == '0')
        result[0] = ' ';
    return result;
}

} // namespace planova
