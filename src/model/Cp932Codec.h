#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// A text that code page 932 cannot hold, or bytes that are not code page 932.
class EncodingError : public std::runtime_error
{
public:
    EncodingError(const std::string& message, char32_t codePoint, std::size_t offset)
        : std::runtime_error(message), CodePoint(codePoint), Offset(offset)
    {
    }

    /// The character that could not be encoded (0 for a decoding error).
    char32_t CodePoint;
    /// Byte offset of the offending character or byte in the input.
    std::size_t Offset;
};

/**
 * Converts UTF-8 text to code page 932 bytes.
 *
 * JIS-style code points that Linux input methods produce (〜 − — ‖ ¢ £ ¬ ¥) are first mapped
 * to their code page 932 twins, and every encoding is decoded again and compared, so a
 * character is never replaced silently. Throws EncodingError, whose Japanese message names
 * the character, when a character cannot be held (𠮷, emoji, ...) or the input is not UTF-8.
 */
std::string Utf8ToCp932(std::string_view utf8);

/// The code page 932 bytes of "〓", which stands for a character that cannot be held.
inline constexpr std::string_view Cp932Geta = "\x81\xAC";

/**
 * Like Utf8ToCp932, but each character code page 932 cannot hold becomes "〓" and is appended to
 * `replaced`. Throws EncodingError only for input that is not UTF-8.
 */
std::string Utf8ToCp932Replacing(std::string_view utf8, std::vector<char32_t>& replaced);

/// Converts code page 932 bytes to UTF-8; throws EncodingError at a byte sequence that is not code page 932.
std::string Cp932ToUtf8(std::string_view cp932);

/// Like Cp932ToUtf8, but each undecodable byte becomes U+FFFD (for display of damaged texts only).
std::string Cp932ToUtf8Lenient(std::string_view cp932);

/// The character and its code point for messages: "「😀」(U+1F600)" (UTF-8).
std::string DescribeCharacter(char32_t codePoint);

/**
 * The distinct characters of a list (those replaced by "〓"), each described as DescribeCharacter
 * does, joined with "、": the first ten, then " ほか N 種類".
 */
std::string DescribeCharacters(const std::vector<char32_t>& characters);

/// The JIS-style code point mapped to its code page 932 twin, or the code point unchanged.
char32_t MapToCp932Twin(char32_t codePoint);

} // namespace planova
