#include "model/Cp932Codec.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <memory>
#include <utility>

namespace planova {
namespace {

struct TwinMapping
{
    char32_t From;
    char32_t To;
};

// Input methods on Linux produce the JIS X 0208 reading of these characters; code page 932
// holds the Windows twins. iconv would accept some of them as they are (and encode ¥ as a
// backslash), so they are mapped first.
constexpr std::array<TwinMapping, 8> Twins{{
    {U'\u301C', U'\uFF5E'}, // WAVE DASH → FULLWIDTH TILDE
    {U'\u2212', U'\uFF0D'}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    {U'\u2014', U'\u2015'}, // EM DASH → HORIZONTAL BAR
    {U'\u2016', U'\u2225'}, // DOUBLE VERTICAL LINE → PARALLEL TO
    {U'\u00A2', U'\uFFE0'}, // CENT SIGN → FULLWIDTH CENT SIGN
    {U'\u00A3', U'\uFFE1'}, // POUND SIGN → FULLWIDTH POUND SIGN
    {U'\u00AC', U'\uFFE2'}, // NOT SIGN → FULLWIDTH NOT SIGN
    {U'\u00A5', U'\uFFE5'}, // YEN SIGN → FULLWIDTH YEN SIGN
}};

class Iconv
{
public:
    Iconv(const char* to, const char* from) : Handle(iconv_open(to, from))
    {
        if (Handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(Handle); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    /// Converts the input; returns false and the offset of the first bad input byte on failure.
    bool Convert(std::string_view input, std::string& output, std::size_t& badOffset)
    {
        iconv(Handle, nullptr, nullptr, nullptr, nullptr);
        output.clear();
        std::string buffer(input.size() * 4 + 16, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(Handle, &in, &inLeft, &out, &outLeft);
        if (result == static_cast<std::size_t>(-1)) {
            badOffset = input.size() - inLeft;
            return false;
        }
        buffer.resize(buffer.size() - outLeft);
        output = std::move(buffer);
        return true;
    }

private:
    iconv_t Handle;
};

Iconv& Encoder()
{
    static Iconv encoder("CP932", "UTF-8");
    return encoder;
}

Iconv& Decoder()
{
    static Iconv decoder("UTF-8", "CP932");
    return decoder;
}

/// Decodes one UTF-8 sequence at offset; returns the code point and its length, or length 0 if malformed.
std::pair<char32_t, std::size_t> NextCodePoint(std::string_view text, std::size_t offset)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || offset + length > text.size())
        return {0, 0};
    char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {0, 0};
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    return {codePoint, length};
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string CodePointName(char32_t c)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

/// Encodes one character; empty result when code page 932 cannot hold it exactly.
std::string EncodeCharacter(std::string_view utf8Character)
{
    std::string bytes;
    std::size_t bad = 0;
    if (!Encoder().Convert(utf8Character, bytes, bad) || bytes.empty())
        return {};
    std::string back;
    if (!Decoder().Convert(bytes, back, bad) || back != utf8Character)
        return {};
    return bytes;
}

/// The characters from `begin` to `end` converted at once (twins mapped, checked by decoding them
/// again); false when some character cannot be held. Throws EncodingError for input that is not UTF-8.
bool EncodeWhole(std::string_view utf8, std::size_t begin, std::size_t end, std::string& bytes)
{
    std::string mapped;
    mapped.reserve(end - begin);
    for (std::size_t offset = begin; offset < end;) {
        const auto [codePoint, length] = NextCodePoint(utf8, offset);
        if (length == 0)
            throw EncodingError("文字コードが正しくありません (UTF-8 ではないバイト列)。", 0, offset);
        if (codePoint < 0x80)
            mapped += static_cast<char>(codePoint);
        else
            AppendUtf8(mapped, MapToCp932Twin(codePoint));
        offset += length;
    }
    std::string back;
    std::size_t bad = 0;
    return Encoder().Convert(mapped, bytes, bad) && Decoder().Convert(bytes, back, bad) && back == mapped;
}

/// What CharacterEscape writes in front of the code point, and after it.
constexpr std::string_view EscapeOpen = "&#x";
constexpr char EscapeClose = ';';
/// The largest code point has six hexadecimal digits.
constexpr std::size_t MaxEscapeDigits = 6;

/// Whether code page 932 holds the code point, directly or as its twin.
bool HoldsCodePoint(char32_t codePoint)
{
    std::string twin;
    AppendUtf8(twin, MapToCp932Twin(codePoint));
    return !EncodeCharacter(twin).empty();
}

/**
 * The code point of the escape that starts at `offset`, and the escape's length; length 0 when the
 * text there is no escape. Only the form CharacterEscape writes counts (upper-case digits without
 * leading zeros) and only for a character code page 932 cannot hold or for "&" itself, so that
 * "&#x41;" or "&#x03042;" typed in a file of an earlier version stay the text they were.
 */
std::pair<char32_t, std::size_t> EscapeAt(std::string_view text, std::size_t offset)
{
    if (text.substr(offset, EscapeOpen.size()) != EscapeOpen)
        return {0, 0};
    const std::size_t first = offset + EscapeOpen.size();
    std::size_t end = first;
    char32_t codePoint = 0;
    while (end < text.size() && end - first < MaxEscapeDigits) {
        const char c = text[end];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            break;
        codePoint = codePoint * 16 + static_cast<char32_t>(digit);
        ++end;
    }
    if (end == first || end >= text.size() || text[end] != EscapeClose || text[first] == '0')
        return {0, 0};
    const bool character = codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
    if (!character || (codePoint != U'&' && HoldsCodePoint(codePoint)))
        return {0, 0};
    return {codePoint, end + 1 - offset};
}

/// Whether some "&" from `begin` to `end` would be read back as the start of an escape.
bool HoldsEscapeLikeText(std::string_view text, std::size_t begin, std::size_t end)
{
    for (std::size_t at = text.find('&', begin); at < end; at = text.find('&', at + 1)) {
        if (EscapeAt(text, at).second != 0)
            return true;
    }
    return false;
}

/**
 * Converts the characters from `begin` to `end` one by one (the input is known to be UTF-8). A
 * character code page 932 cannot hold becomes its escape, and so does an "&" that would otherwise
 * be read back as the start of one.
 */
std::string EncodeEach(std::string_view utf8, std::size_t begin, std::size_t end)
{
    std::string bytes;
    for (std::size_t offset = begin; offset < end;) {
        const auto [codePoint, length] = NextCodePoint(utf8, offset);
        if (codePoint == U'&' && EscapeAt(utf8, offset).second != 0) {
            bytes += CharacterEscape(U'&');
        } else {
            std::string twin;
            AppendUtf8(twin, MapToCp932Twin(codePoint));
            const std::string encoded = EncodeCharacter(twin);
            bytes += encoded.empty() ? CharacterEscape(codePoint) : encoded;
        }
        offset += length;
    }
    return bytes;
}

/// Texts are converted in pieces of about this many bytes, so that one character code page 932
/// cannot hold sends only its piece through the character-by-character conversion.
constexpr std::size_t PieceBytes = 4096;

/// The end of the piece that starts at `offset`: about PieceBytes on, on a character boundary.
std::size_t PieceEnd(std::string_view utf8, std::size_t offset)
{
    std::size_t end = std::min(utf8.size(), offset + PieceBytes);
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

/// The UTF-8 text with every escape replaced by its character.
std::string DecodeEscapes(std::string utf8)
{
    if (utf8.find(EscapeOpen) == std::string::npos)
        return utf8;
    std::string decoded;
    decoded.reserve(utf8.size());
    for (std::size_t offset = 0; offset < utf8.size();) {
        const auto [codePoint, length] = EscapeAt(utf8, offset);
        if (length == 0) {
            decoded += utf8[offset++];
        } else {
            AppendUtf8(decoded, codePoint);
            offset += length;
        }
    }
    return decoded;
}

} // namespace

std::string DescribeCharacter(char32_t codePoint)
{
    std::string text = "「";
    AppendUtf8(text, codePoint);
    return text + "」(" + CodePointName(codePoint) + ")";
}

char32_t MapToCp932Twin(char32_t codePoint)
{
    for (const TwinMapping& twin : Twins) {
        if (twin.From == codePoint)
            return twin.To;
    }
    return codePoint;
}

std::string CharacterEscape(char32_t codePoint)
{
    char escape[16];
    std::snprintf(escape, sizeof escape, "&#x%X;", static_cast<unsigned>(codePoint));
    return escape;
}

std::size_t EscapeLengthAt(std::string_view text, std::size_t offset)
{
    return text[offset] == '&' ? EscapeAt(text, offset).second : 0;
}

std::string Utf8ToCp932(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t offset = 0; offset < utf8.size();) {
        const std::size_t end = PieceEnd(utf8, offset);
        std::string encoded;
        if (EncodeWhole(utf8, offset, end, encoded) && !HoldsEscapeLikeText(utf8, offset, end))
            bytes += encoded;
        else
            bytes += EncodeEach(utf8, offset, end);
        offset = end;
    }
    return bytes;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    std::string result;
    std::size_t bad = 0;
    if (!Decoder().Convert(cp932, result, bad)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(cp932[bad]));
        throw EncodingError(std::string("Shift_JIS (コードページ932) として読めないバイト ") + hex +
                                " があります (" + std::to_string(bad) + " バイト目)。",
                            0, bad);
    }
    return DecodeEscapes(std::move(result));
}

std::string Cp932ToUtf8Lenient(std::string_view cp932)
{
    std::string result;
    std::size_t offset = 0;
    while (offset < cp932.size()) {
        std::string part;
        std::size_t bad = 0;
        if (Decoder().Convert(cp932.substr(offset), part, bad)) {
            result += part;
            break;
        }
        if (bad > 0) {
            std::string good;
            std::size_t ignored = 0;
            Decoder().Convert(cp932.substr(offset, bad), good, ignored);
            result += good;
        }
        result += "\xEF\xBF\xBD";
        offset += bad + 1;
    }
    return DecodeEscapes(std::move(result));
}

} // namespace planova
