#pragma once

#include "model/DateTime.h"

#include <string>
#include <string_view>

namespace planova {

/// How a value is written between its tags in the data file.
enum class ValueForm
{
    Number,          ///< digits; 0 and below written "0"
    NumberZeroEmpty, ///< digits; 0 and below written as the empty value
    SignedNumber,    ///< digits with a leading "-" for a negative value; 0 written "0"
    Flag,            ///< "1" on, "0" off
    Text,            ///< the bytes of the text, tag-like sequences protected (see AppendTextValue)
};

/// Appends the number in the given number form (Number, NumberZeroEmpty or SignedNumber).
void AppendNumberValue(std::string& out, long long value, ValueForm form);
/// Reads a number value: ParseNumber truncated to 32 bits. SignedNumber also reads a leading "-".
int ReadNumberValue(std::string_view value, ValueForm form);
/// "1" for on, "0" for off.
inline std::string_view FlagValue(bool on)
{
    return on ? "1" : "0";
}
/// On exactly when the value reads as the number 1.
bool ReadFlagValue(std::string_view value);

/**
 * Appends a text so that no element boundary can be found inside it. Any sequence that looks
 * like a tag, "<" + optional "/" + name + ">", gets one DEL byte (0x7F) after its "<"; a "<"
 * already followed by DEL bytes before such a tag gets one more. Readers that search literal
 * tags therefore never stop inside a text, and ReadTextValue restores it exactly.
 */
void AppendTextValue(std::string& out, std::string_view text);
/// The text of a value: removes the one DEL byte AppendTextValue added to each protected tag.
std::string ReadTextValue(std::string_view value);

/// Date form of day records: year (at least four digits), month, day: "20140101"; invalid "0000".
std::string DayDateValue(const DateTime& date);
/// Date form of deadlines: FormatDate form 0; invalid "00000000".
std::string PaddedDateValue(const DateTime& date);
/// Year from the first four bytes, month from the next two, day from the next two (ParseNumber each).
DateTime ReadDateValue(std::string_view value);

/// Whether the byte may appear in an element name.
inline bool IsNameByte(char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '_';
}

/// The length of the tag ("<", optional "/", name bytes, ">") that starts at position, or 0.
std::size_t TagLengthAt(std::string_view text, std::size_t position);

} // namespace planova
