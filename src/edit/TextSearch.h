#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace planova {

/// Where a search text was found in a model text.
struct TextMatch
{
    bool Found = false;
    std::size_t Offset = 0; ///< byte offset of the match in the text
    int Line = -1;          ///< CR LF pairs before the match
    int Column = -1; ///< bytes from the start of its line: half-width steps, a double-byte character counts 2
};

/**
 * The first place where the search text's bytes stand in the text, tried at the character
 * boundaries of code page 932 only: a search never starts on the trail byte of a double-byte
 * character, nor between the CR and the LF of a line break. The comparison is exact (case,
 * half-width and full-width all differ). An empty search text matches at the start of every text,
 * an empty one too.
 */
TextMatch MatchText(std::string_view text, std::string_view search);

/// The text with its first match (as MatchText finds it) replaced; unchanged without a match.
std::string ReplaceFirst(std::string_view text, std::string_view search, std::string_view replacement);

} // namespace planova
