#pragma once

#include "edit/TextFolding.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// Where a search text was found in a model text.
struct TextMatch
{
    bool Found = false;
    std::size_t Offset = 0; ///< byte offset of the match in the text
    int Line = -1;          ///< CR LF pairs before the match
    int Column = -1; ///< bytes from the start of its line: half-width steps, a double-byte character counts 2
    std::size_t Length = 0; ///< bytes of the text that match (differs from the search text's when folding)
};

/**
 * The first place where the search text's bytes stand in the text, tried at the character
 * boundaries of code page 932 only: a match neither starts nor ends on the trail byte of a
 * double-byte character, inside the escape of a character beyond the code page, or between the CR
 * and the LF of a line break. Without options the comparison is exact (case, half-width and
 * full-width all differ); the options fold both texts first (TextFolding.h). An empty search text
 * matches at the start of every text, an empty one too.
 */
TextMatch MatchText(std::string_view text, std::string_view search, const MatchOptions& options = {});

/// The text with its first match (as MatchText finds it) replaced; unchanged without a match.
std::string ReplaceFirst(std::string_view text, std::string_view search, std::string_view replacement,
                         const MatchOptions& options = {});

/// One search text under its options, folded once, for searching many texts.
class TextFinder
{
public:
    explicit TextFinder(std::string_view search, const MatchOptions& options = {});

    /// MatchText of this search text.
    TextMatch Match(std::string_view text) const;

    /// ReplaceFirst of this search text.
    std::string ReplaceFirst(std::string_view text, std::string_view replacement) const;

private:
    /// Whether the text holds one of FirstForms (true when there are none to look for).
    bool MayHold(std::string_view text) const;

    std::string Search; ///< folded under the options
    MatchOptions Options;
    /**
     * What every text holding a match holds: when folding, the texts of one character that fold to
     * the search text's first one; otherwise the first two bytes of a longer search text. A search
     * for two bytes passes over a short text much faster than one for the whole search text, and
     * most texts hold not even those.
     */
    std::vector<std::string> FirstForms;
};

} // namespace planova
