#pragma once

#include <string>
#include <string_view>

namespace planova {

/**
 * The container of the data file: one length-prefixed string. The prefix is one byte N below 255,
 * else 0xFF and N as 16 bits below 0xFFFE, else 0xFF 0xFF 0xFF and N as 32 bits (little-endian).
 */
std::string LengthPrefix(std::size_t length);

/**
 * The text of a container. Also accepts the UTF-16 form (0xFF 0xFE 0xFF, then a length prefix
 * counting 16-bit characters), converted to code page 932; a character code page 932 cannot hold
 * becomes its escape (Utf8ToCp932), so nothing is lost. Throws DataFileError when the bytes end before the
 * announced length, when bytes follow the text (nothing follows it in a data file: a file that goes on is
 * another program's file or a damaged one), when the length needs the 64-bit form, or when a UTF-16 text is
 * malformed.
 */
std::string ReadArchiveString(std::string_view bytes);

/**
 * The same text without a copy where none is needed: a view into `bytes` for a code page 932
 * text, or a view of `converted`, which receives the conversion of a UTF-16 text.
 */
std::string_view ReadArchiveText(std::string_view bytes, std::string& converted);

} // namespace planova
