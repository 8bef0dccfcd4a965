#include "model/DataFileArchive.h"

#include "model/Cp932Codec.h"
#include "model/DataFile.h"

#include <cstdint>
#include <iconv.h>
#include <limits>
#include <stdexcept>

namespace planova {
namespace {

/// Reads little-endian numbers from the front of the bytes; running past the end is the end-of-file error.
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes) : Bytes(bytes) {}

    std::uint64_t Read(std::size_t width)
    {
        Require(width);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= std::uint64_t{static_cast<unsigned char>(Bytes[Position + i])} << (8 * i);
        Position += width;
        return value;
    }

    std::size_t Left() const { return Bytes.size() - Position; }

    std::string_view Take(std::uint64_t length)
    {
        Require(length);
        const std::string_view taken = Bytes.substr(Position, static_cast<std::size_t>(length));
        Position += static_cast<std::size_t>(length);
        return taken;
    }

private:
    void Require(std::uint64_t length) const
    {
        if (length > Bytes.size() - Position)
            throw DataFileError("ファイルが途中で終わっています (" + std::to_string(Position + length) +
                                " バイト目までが必要ですが、ファイルは " + std::to_string(Bytes.size()) +
                                " バイトです)。");
    }

    std::string_view Bytes;
    std::size_t Position = 0;
};

/// What ReadLength returns for the UTF-16 mark.
constexpr std::uint64_t Utf16Mark = std::numeric_limits<std::uint64_t>::max();

/// A length in one, three or seven bytes; 0xFF 0xFE 0xFF is the UTF-16 mark where it is allowed.
std::uint64_t ReadLength(ByteReader& reader, bool allowUtf16Mark)
{
    const std::uint64_t byte = reader.Read(1);
    if (byte < 0xFF)
        return byte;
    const std::uint64_t word = reader.Read(2);
    if (word == 0xFFFE && allowUtf16Mark)
        return Utf16Mark;
    if (word < 0xFFFF)
        return word;
    const std::uint64_t dword = reader.Read(4);
    if (dword < 0xFFFFFFFF)
        return dword;
    throw DataFileError("ファイルの長さの記録が大きすぎます (64 ビットの長さには対応していません)。");
}

/// UTF-16LE code units to UTF-8 through iconv, which refuses unpaired surrogates.
std::string Utf16ToUtf8(std::string_view units)
{
    const iconv_t converter = iconv_open("UTF-8", "UTF-16LE");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert UTF-16LE to UTF-8");
    std::string utf8(units.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(units.data());
    std::size_t inLeft = units.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        throw DataFileError("UTF-16 の文字列が壊れています (" +
                            std::to_string((units.size() - inLeft) / 2 + 1) + " 文字目)。");
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

std::string Utf16ToCp932(std::string_view units)
{
    try {
        return Utf8ToCp932(Utf16ToUtf8(units));
    } catch (const EncodingError& error) {
        throw DataFileError(error.what());
    }
}

/// Nothing follows the text of a data file.
void RequireEnd(const ByteReader& reader)
{
    if (reader.Left() != 0)
        throw DataFileError("文書のあとに余分なデータが " + std::to_string(reader.Left()) +
                            " バイトあります。Planova のデータファイルではないか、壊れています。");
}

} // namespace

std::string LengthPrefix(std::size_t length)
{
    std::string prefix;
    const auto append = [&](std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            prefix += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    if (length < 0xFF) {
        append(length, 1);
    } else if (length < 0xFFFE) {
        append(0xFF, 1);
        append(length, 2);
    } else {
        if (length >= 0xFFFFFFFF)
            throw std::length_error("a data file text of 4 GB or more cannot be written");
        append(0xFFFFFF, 3);
        append(length, 4);
    }
    return prefix;
}

std::string_view ReadArchiveText(std::string_view bytes, std::string& converted)
{
    ByteReader reader(bytes);
    const std::uint64_t length = ReadLength(reader, true);
    if (length != Utf16Mark) {
        const std::string_view text = reader.Take(length);
        RequireEnd(reader);
        return text;
    }
    const std::uint64_t characters = ReadLength(reader, false);
    const std::string_view units = reader.Take(characters * 2);
    RequireEnd(reader);
    converted = Utf16ToCp932(units);
    return converted;
}

std::string ReadArchiveString(std::string_view bytes)
{
    std::string converted;
    const std::string_view text = ReadArchiveText(bytes, converted);
    return text.data() == converted.data() ? std::move(converted) : std::string(text);
}

} // namespace planova
