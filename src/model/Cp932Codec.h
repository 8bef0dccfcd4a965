#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

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
 * Converts UTF-8 text to code page 932 bytes, losing nothing.
 *
 * JIS-style code points that Linux input methods produce (〜 − — ‖ ¢ £ ¬ ¥) are first mapped
 * to their code page 932 twins, and every encoding is decoded again and compared, so a
 * character is never replaced silently. A character code page 932 cannot hold (𠮷, 🎉, ...) is
 * written as its escape "&#x20BB7;", and an "&" that would otherwise be read back as the start of
 * an escape as "&#x26;" (see docs/data-file.md). Throws EncodingError only when the input is not
 * UTF-8.
 */
std::string Utf8ToCp932(std::string_view utf8);

/// The escape that stands for a character in code page 932 text: "&#x20BB7;".
std::string CharacterEscape(char32_t codePoint);

/// The length of the escape that starts at `offset` of a code page 932 (or UTF-8) text, 0 when
/// none does there. An escape is one character: searches neither start nor end inside it.
std::size_t EscapeLengthAt(std::string_view text, std::size_t offset);

/// Converts code page 932 bytes to UTF-8, escapes to their characters; throws EncodingError at a byte
/// sequence that is not code page 932.
std::string Cp932ToUtf8(std::string_view cp932);

/// Like Cp932ToUtf8, but each undecodable byte becomes U+FFFD (for display of damaged texts only).
std::string Cp932ToUtf8Lenient(std::string_view cp932);

/// The character and its code point for messages: "「😀」(U+1F600)" (UTF-8).
std::string DescribeCharacter(char32_t codePoint);

/// The JIS-style code point mapped to its code page 932 twin, or the code point unchanged.
char32_t MapToCp932Twin(char32_t codePoint);

} // namespace planova
