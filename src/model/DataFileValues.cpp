#include "model/DataFileValues.h"

#include "model/TextFunctions.h"

#include <charconv>
#include <cstring>

namespace planova {
namespace {

constexpr char Protector = '\x7F';

/// Length of "/"? + name + ">" starting at position, or 0 when the bytes there do not end a tag.
std::size_t TagTailLength(std::string_view text, std::size_t position)
{
    std::size_t end = position;
    if (end < text.size() && text[end] == '/')
        ++end;
    const std::size_t nameStart = end;
    while (end < text.size() && IsNameByte(text[end]))
        ++end;
    if (end == nameStart || end >= text.size() || text[end] != '>')
        return 0;
    return end + 1 - position;
}

/// Number of protector bytes from position on.
std::size_t ProtectorsAt(std::string_view text, std::size_t position)
{
    std::size_t count = 0;
    while (position + count < text.size() && text[position + count] == Protector)
        ++count;
    return count;
}

void AppendDigits(std::string& out, unsigned long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

} // namespace

std::size_t TagLengthAt(std::string_view text, std::size_t position)
{
    if (position >= text.size() || text[position] != '<')
        return 0;
    const std::size_t tail = TagTailLength(text, position + 1);
    return tail == 0 ? 0 : tail + 1;
}

void AppendNumberValue(std::string& out, long long value, ValueForm form)
{
    if (value > 0) {
        AppendDigits(out, static_cast<unsigned long long>(value));
    } else if (value < 0 && form == ValueForm::SignedNumber) {
        out += '-';
        AppendDigits(out, 0ULL - static_cast<unsigned long long>(value));
    } else if (form != ValueForm::NumberZeroEmpty) {
        out += '0';
    }
}

int ReadNumberValue(std::string_view value, ValueForm form)
{
    if (form == ValueForm::SignedNumber && !value.empty() && value.front() == '-')
        return -ParseInteger(value.substr(1));
    return ParseInteger(value);
}

bool ReadFlagValue(std::string_view value)
{
    return ParseNumber(value) == 1.0;
}

void AppendTextValue(std::string& out, std::string_view text)
{
    std::size_t copied = 0;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const std::size_t protectors = ProtectorsAt(text, at + 1);
        if (TagTailLength(text, at + 1 + protectors) == 0)
            continue;
        out.append(text.substr(copied, at + 1 - copied));
        out += Protector;
        copied = at + 1;
    }
    out.append(text.substr(copied));
}

std::string ReadTextValue(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    std::size_t copied = 0;
    for (std::size_t at = value.find('<'); at != std::string_view::npos; at = value.find('<', at + 1)) {
        const std::size_t protectors = ProtectorsAt(value, at + 1);
        if (protectors == 0 || TagTailLength(value, at + 1 + protectors) == 0)
            continue;
        text.append(value.substr(copied, at + 1 - copied));
        copied = at + 2; // drop one protector
    }
    text.append(value.substr(copied));
    return text;
}

std::string DayDateValue(const DateTime& date)
{
    // Zero-filling the year changes nothing for the years 1000–9999 and keeps earlier years
    // readable, since the reader takes the year from the first four bytes.
    return date.IsValid() ? FormatDate(date, static_cast<int>(DateForm::Digits)) : "0000";
}

std::string PaddedDateValue(const DateTime& date)
{
    return FormatDate(date, static_cast<int>(DateForm::Digits));
}

DateTime ReadDateValue(std::string_view value)
{
    const auto part = [&](std::size_t offset, std::size_t length) {
        return offset < value.size() ? ParseInteger(value.substr(offset, length)) : 0;
    };
    return DateTime::FromDate(part(0, 4), part(4, 2), part(6, 2));
}

} // namespace planova
