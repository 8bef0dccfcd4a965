#pragma once

#include "model/DateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace planova {

/// Position of the first occurrence of the pattern at or after from, or npos.
std::size_t FindBytes(std::string_view source, std::string_view pattern, std::size_t from = 0);

/// "<name>".
std::string OpeningTag(std::string_view name);
/// "</name>".
std::string ClosingTag(std::string_view name);

/// "<name>" + value + "</name>".
std::string MakeElement(std::string_view name, std::string_view value);

/**
 * The value of the n-th (0-based) element of that name in the source: the bytes after the n-th
 * literal opening tag up to the first closing tag of the same name that follows it. Nesting is not
 * tracked and nothing is unescaped. Empty when the n-th opening tag or its closing tag is missing.
 * The result points into the source.
 */
std::string_view FindElement(std::string_view source, std::string_view name, std::size_t n = 0);

/// Decimal digits of the whole part of a value of 1 or more, without sign or leading zeros; empty below 1.
std::string NumberText(double value);

/**
 * Reads a number the way the data file does: every byte is one decimal position, a digit adds
 * digit × 10^(positions to its right), any other byte adds nothing. "0012" is 12, "12 " is 120,
 * "-5" is 5 and the empty text is 0. Never negative; very long texts give infinity.
 */
double ParseNumber(std::string_view text);

/// ParseNumber truncated toward zero to a 32-bit integer; values past the range give INT32_MAX.
std::int32_t ParseInteger(std::string_view text);

/// ParseNumber truncated toward zero to an unsigned 32-bit integer; values past the range give UINT32_MAX.
std::uint32_t ParseUnsigned(std::string_view text);

/// Prefixes "0" until the text is at least width bytes long.
std::string PadLeft(std::size_t width, std::string_view text);

/// The date forms: 0 "20140101", 1 "2014/01/01", 2 "2014年01月01日".
enum class DateForm
{
    Digits = 0,
    Slashes = 1,
    Kanji = 2
};

/**
 * Year zero-filled to four digits, month and day to two, joined in the given form (an invalid date
 * gives zeros). Form 2 uses the code page 932 bytes of 年月日; any other form number gives the empty text.
 */
std::string FormatDate(const DateTime& date, int form);

/// The text with a leading "0" replaced by one space (" 5" for "05"); otherwise unchanged.
std::string BlankLeadingZero(std::string_view text);

/// Whether the byte starts a double-byte character of code page 932 (0x81–0x9F, 0xE0–0xFC).
constexpr bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace planova
