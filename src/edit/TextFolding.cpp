#include "edit/TextFolding.h"

#include "model/Cp932Codec.h"
#include "model/TextFunctions.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace planova {

namespace {

/// The full-width forms of the half-width katakana U+FF61 … U+FF9F, in order.
constexpr std::u32string_view FullWidthKana =
    U"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモ"
    U"ヤユヨラリルレロワン゛゜";
constexpr char32_t FirstHalfWidthKana = 0xFF61;

/// Katakana that take the voiced mark ゛ (the voiced one follows each in Unicode) and the
/// semi-voiced mark ゜ (two places on).
constexpr std::u32string_view TakeVoicedMark = U"カキクケコサシスセソタチツテトハヒフヘホ";
constexpr std::u32string_view TakeSemiVoicedMark = U"ハヒフヘホ";

/// The half-width voiced and semi-voiced marks ﾞ ﾟ in code page 932.
constexpr unsigned char HalfWidthVoicedMark = 0xDE;
constexpr unsigned char HalfWidthSemiVoicedMark = 0xDF;

char32_t FoldCodePoint(char32_t c, const MatchOptions& options)
{
    if (options.IgnoreWidth) {
        if (c == U'\u3000')
            c = U' ';
        else if (c >= U'\uFF01' && c <= U'\uFF5E')
            c -= 0xFEE0;
        else if (c >= FirstHalfWidthKana && c < FirstHalfWidthKana + FullWidthKana.size())
            c = FullWidthKana[c - FirstHalfWidthKana];
    }
    if (options.IgnoreKana && ((c >= U'ぁ' && c <= U'ゖ') || c == U'ゝ' || c == U'ゞ'))
        c += 0x60; // the katakana block repeats the hiragana one 0x60 further on
    if (options.IgnoreCase && ((c >= U'A' && c <= U'Z') || (c >= U'Ａ' && c <= U'Ｚ')))
        c += 0x20;
    return c;
}

/// One code page 932 character as a number: the byte, or lead byte × 256 + trail byte.
using CharacterCode = std::uint16_t;

std::string CodeBytes(CharacterCode code)
{
    if (code < 0x100)
        return std::string(1, static_cast<char>(code));
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

CharacterCode BytesCode(std::string_view bytes)
{
    return bytes.size() == 1 ? static_cast<unsigned char>(bytes[0])
                             : static_cast<CharacterCode>(static_cast<unsigned char>(bytes[0]) << 8 |
                                                          static_cast<unsigned char>(bytes[1]));
}

std::u32string ToCodePoints(std::string_view utf8)
{
    std::u32string codePoints;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        codePoints += c;
        i += length;
    }
    return codePoints;
}

std::string FromCodePoint(char32_t c)
{
    std::string utf8;
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    return utf8;
}

/// The code of a character of the code page's basic plane.
CharacterCode EncodeCode(char32_t c)
{
    return BytesCode(Utf8ToCp932(FromCodePoint(c)));
}

/// What each character folds to under one set of options.
struct FoldTable
{
    std::array<CharacterCode, 0x10000> Codes{};
    /// The full-width katakana a half-width one followed by ﾞ or ﾟ folds to; 0 where there is none.
    std::array<CharacterCode, 0x100> Voiced{};
    std::array<CharacterCode, 0x100> SemiVoiced{};
    /// For each code that others fold to: the texts of those others.
    std::unordered_map<CharacterCode, std::vector<std::string>> Sources;
};

std::unique_ptr<FoldTable> BuildTable(const MatchOptions& options)
{
    auto table = std::make_unique<FoldTable>();
    const auto fold = [&](CharacterCode code) {
        const std::u32string text = ToCodePoints(Cp932ToUtf8Lenient(CodeBytes(code)));
        if (text.size() != 1 || text[0] == U'\uFFFD')
            return code;
        const char32_t folded = FoldCodePoint(text[0], options);
        return folded == text[0] ? code : EncodeCode(folded);
    };
    for (unsigned code = 0; code < 0x100; ++code)
        table->Codes[code] = IsCp932LeadByte(static_cast<unsigned char>(code)) ? code : fold(code);
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932LeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
            table->Codes[lead << 8 | trail] = fold(static_cast<CharacterCode>(lead << 8 | trail));
    }
    if (options.IgnoreWidth) {
        for (std::size_t i = 0; i < FullWidthKana.size(); ++i) {
            const char32_t kana = FullWidthKana[i];
            const unsigned byte = 0xA1 + static_cast<unsigned>(i);
            if (TakeVoicedMark.find(kana) != std::u32string_view::npos)
                table->Voiced[byte] = EncodeCode(kana + 1);
            if (kana == U'ウ')
                table->Voiced[byte] = EncodeCode(U'ヴ');
            if (TakeSemiVoicedMark.find(kana) != std::u32string_view::npos)
                table->SemiVoiced[byte] = EncodeCode(kana + 2);
        }
    }
    for (unsigned code = 0; code < table->Codes.size(); ++code) {
        const CharacterCode folded = table->Codes[code];
        if (folded != 0 && folded != code)
            table->Sources[folded].push_back(CodeBytes(static_cast<CharacterCode>(code)));
    }
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        for (const auto& [marks, mark] : {std::pair{&FoldTable::Voiced, HalfWidthVoicedMark},
                                          std::pair{&FoldTable::SemiVoiced, HalfWidthSemiVoicedMark}}) {
            if (const CharacterCode folded = ((*table).*marks)[byte]; folded != 0)
                table->Sources[folded].push_back({static_cast<char>(byte), static_cast<char>(mark)});
        }
    }
    return table;
}

const FoldTable& TableFor(const MatchOptions& options)
{
    static const std::array<std::unique_ptr<FoldTable>, 8> tables = [] {
        std::array<std::unique_ptr<FoldTable>, 8> built;
        for (unsigned i = 0; i < built.size(); ++i)
            built[i] = BuildTable({(i & 1) != 0, (i & 2) != 0, (i & 4) != 0});
        return built;
    }();
    return *tables[(options.IgnoreWidth ? 1 : 0) | (options.IgnoreKana ? 2 : 0) |
                   (options.IgnoreCase ? 4 : 0)];
}

/**
 * Walks the characters of the text, handing each to `emit` with its byte offset, its length and the
 * code it folds to (a code 0xFFFF… never occurs; an escape is handed with code 0 and copied).
 */
template <typename Emit> void WalkFolded(std::string_view text, const FoldTable& table, Emit emit)
{
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '&') {
            if (const std::size_t escape = EscapeLengthAt(text, i); escape != 0) {
                emit(i, escape, CharacterCode{0});
                i += escape;
                continue;
            }
        }
        if (IsCp932LeadByte(byte) && i + 1 < size) {
            emit(i, 2, table.Codes[byte << 8 | static_cast<unsigned char>(text[i + 1])]);
            i += 2;
            continue;
        }
        if (byte >= 0xA1 && i + 1 < size) {
            const auto mark = static_cast<unsigned char>(text[i + 1]);
            const CharacterCode composed = mark == HalfWidthVoicedMark       ? table.Voiced[byte]
                                           : mark == HalfWidthSemiVoicedMark ? table.SemiVoiced[byte]
                                                                             : 0;
            if (composed != 0) {
                emit(i, 2, composed);
                i += 2;
                continue;
            }
        }
        emit(i, 1, table.Codes[byte]);
        ++i;
    }
}

std::size_t FoldedLength(CharacterCode code, std::size_t length)
{
    return code == 0 && length > 1 ? length : code < 0x100 ? 1 : 2;
}

} // namespace

void AppendFoldedText(std::string_view text, const MatchOptions& options, std::string& folded)
{
    WalkFolded(text, TableFor(options), [&](std::size_t offset, std::size_t length, CharacterCode code) {
        if (code == 0 && length > 1) {
            folded.append(text.substr(offset, length));
        } else if (code < 0x100) {
            folded += static_cast<char>(code);
        } else {
            folded += static_cast<char>(code >> 8);
            folded += static_cast<char>(code & 0xFF);
        }
    });
}

std::string FoldText(std::string_view text, const MatchOptions& options)
{
    std::string folded;
    folded.reserve(text.size());
    AppendFoldedText(text, options, folded);
    return folded;
}

std::vector<std::string> FirstCharacterForms(std::string_view folded, const MatchOptions& options)
{
    if (folded.empty())
        return {};
    if (const std::size_t escape = EscapeLengthAt(folded, 0); escape != 0)
        return {std::string(folded.substr(0, escape))};
    const auto lead = static_cast<unsigned char>(folded[0]);
    const std::string first(folded.substr(0, IsCp932LeadByte(lead) && folded.size() > 1 ? 2 : 1));
    // A folded character folds to itself; the others that fold to it were noted with the table.
    std::vector<std::string> forms{first};
    const FoldTable& table = TableFor(options);
    if (const auto others = table.Sources.find(BytesCode(first)); others != table.Sources.end())
        forms.insert(forms.end(), others->second.begin(), others->second.end());
    return forms;
}

std::size_t FoldedToTextOffset(std::string_view text, const MatchOptions& options, std::size_t foldedOffset)
{
    std::size_t folded = 0;
    std::size_t result = std::string_view::npos;
    bool done = false;
    WalkFolded(text, TableFor(options), [&](std::size_t offset, std::size_t length, CharacterCode code) {
        if (done)
            return;
        if (folded >= foldedOffset) {
            result = folded == foldedOffset ? offset : std::string_view::npos;
            done = true;
            return;
        }
        folded += FoldedLength(code, length);
    });
    if (!done && folded == foldedOffset)
        result = text.size();
    return result;
}

} // namespace planova
