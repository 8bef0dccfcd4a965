#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// Which differences find ignores. All off: the bytes must be equal.
struct MatchOptions
{
    /// "全角／半角を区別しない": ＡＢＣ finds ABC, ｶﾀｶﾅ (also ｶﾞ as ガ) finds カタカナ.
    bool IgnoreWidth = false;
    /// "ひらがな／カタカナを区別しない": がっこう finds ガッコウ.
    bool IgnoreKana = false;
    /// "大文字／小文字を区別しない": upper and lower case of Latin letters (full-width ones too).
    bool IgnoreCase = false;

    bool Folds() const { return IgnoreWidth || IgnoreKana || IgnoreCase; }
};

/**
 * The code page 932 text with every character replaced by the one it stands for under the options:
 * half-width forms by full-width katakana and ASCII, hiragana by katakana, capitals by small
 * letters. Two texts that find may not tell apart fold to the same bytes. The escape of a
 * character beyond the code page is copied as it is (it is one character, whatever the options).
 */
std::string FoldText(std::string_view text, const MatchOptions& options);

/// Appends the folded text to `folded`, which is not cleared (for reusing one buffer).
void AppendFoldedText(std::string_view text, const MatchOptions& options, std::string& folded);

/**
 * Every text of one character that folds to the first character of `folded` (a folded text): for
 * ガ with all options ガ, が and ｶﾞ. A text holding none of them cannot match `folded`, which lets
 * find pass over most fields at the cost of a byte search. Empty for an empty text.
 */
std::vector<std::string> FirstCharacterForms(std::string_view folded, const MatchOptions& options);

/**
 * The byte offset in `text` of the character whose folding begins at `foldedOffset` of the folded
 * text, or the text's size at its end; std::string_view::npos when `foldedOffset` falls inside the
 * folding of one character.
 */
std::size_t FoldedToTextOffset(std::string_view text, const MatchOptions& options, std::size_t foldedOffset);

} // namespace planova
