#include "edit/TextSearch.h"

#include "edit/TextFolding.h"
#include "model/Cp932Codec.h"
#include "model/TextFunctions.h"

#include <cstring>

namespace planova {

namespace {

/// Walks the characters of a text from its start, counting lines and columns.
class CharacterWalk
{
public:
    explicit CharacterWalk(std::string_view text) : Text(text) {}

    /// Moves to the first character boundary at or after the offset.
    void AdvanceTo(std::size_t offset)
    {
        while (Position < offset)
            Step();
    }

    std::size_t Position = 0;
    int Line = 0;
    std::size_t LineStart = 0;

private:
    void Step()
    {
        const std::size_t rest = Text.size() - Position;
        const unsigned char byte = static_cast<unsigned char>(Text[Position]);
        if (byte == '\r' && rest >= 2 && Text[Position + 1] == '\n') {
            Position += 2;
            ++Line;
            LineStart = Position;
        } else if (const std::size_t escape = byte == '&' ? EscapeLengthAt(Text, Position) : 0; escape != 0) {
            Position += escape;
        } else if (IsCp932LeadByte(byte) && rest >= 2) {
            Position += 2;
        } else {
            ++Position;
        }
    }

    std::string_view Text;
};

/// Whether a match that starts where the walk stands ends on a character boundary too (not inside
/// an escape, nor between the CR and the LF of a line break).
bool EndsOnBoundary(CharacterWalk walk, std::size_t end)
{
    walk.AdvanceTo(end);
    return walk.Position == end;
}

/// The first match of the exact bytes of `search` on character boundaries.
TextMatch MatchBytes(std::string_view text, std::string_view search)
{
    // memmem finds the byte matches; only those that start on a character boundary count. No byte
    // match at all, the common case, costs no more than memmem.
    CharacterWalk walk(text);
    while (walk.Position + search.size() <= text.size()) {
        const void* found =
            memmem(text.data() + walk.Position, text.size() - walk.Position, search.data(), search.size());
        if (found == nullptr)
            break;
        const auto offset = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        walk.AdvanceTo(offset);
        if (walk.Position == offset && EndsOnBoundary(walk, offset + search.size()))
            return {true, offset, walk.Line, static_cast<int>(offset - walk.LineStart), search.size()};
        if (walk.Position == offset)
            walk.AdvanceTo(offset + 1);
        // The match began or ended inside a character; the next try starts at the boundary after
        // where it began.
    }
    return {};
}

/**
 * The first match of the folded search text in the folded text whose two ends fall on character
 * boundaries of the text itself.
 */
TextMatch MatchFolded(std::string_view text, std::string_view foldedSearch, const MatchOptions& options)
{
    thread_local std::string folded;
    folded.clear();
    AppendFoldedText(text, options, folded);
    for (std::size_t from = 0; from + foldedSearch.size() <= folded.size();) {
        const void* found =
            memmem(folded.data() + from, folded.size() - from, foldedSearch.data(), foldedSearch.size());
        if (found == nullptr)
            break;
        const auto foldedOffset = static_cast<std::size_t>(static_cast<const char*>(found) - folded.data());
        const std::size_t begin = FoldedToTextOffset(text, options, foldedOffset);
        const std::size_t end = FoldedToTextOffset(text, options, foldedOffset + foldedSearch.size());
        if (begin != std::string_view::npos && end != std::string_view::npos) {
            CharacterWalk walk(text);
            walk.AdvanceTo(begin);
            if (walk.Position == begin && EndsOnBoundary(walk, end))
                return {true, begin, walk.Line, static_cast<int>(begin - walk.LineStart), end - begin};
        }
        from = foldedOffset + 1;
    }
    return {};
}

} // namespace

TextFinder::TextFinder(std::string_view search, const MatchOptions& options)
    : Search(options.Folds() ? FoldText(search, options) : std::string(search)), Options(options),
      FirstForms(options.Folds()     ? FirstCharacterForms(Search, options)
                 : Search.size() > 2 ? std::vector<std::string>{Search.substr(0, 2)}
                                     : std::vector<std::string>{})
{
}

bool TextFinder::MayHold(std::string_view text) const
{
    if (FirstForms.empty())
        return true;
    for (const std::string& form : FirstForms) {
        if (memmem(text.data(), text.size(), form.data(), form.size()) != nullptr)
            return true;
    }
    return false;
}

TextMatch TextFinder::Match(std::string_view text) const
{
    if (Search.empty())
        return {true, 0, 0, 0, 0};
    // Most texts hold no form of the first character at all: a few short byte searches pass over them.
    if (!MayHold(text))
        return {};
    return Options.Folds() ? MatchFolded(text, Search, Options) : MatchBytes(text, Search);
}

std::string TextFinder::ReplaceFirst(std::string_view text, std::string_view replacement) const
{
    const TextMatch match = Match(text);
    if (!match.Found)
        return std::string(text);
    std::string result;
    result.reserve(text.size() - match.Length + replacement.size());
    result.append(text.substr(0, match.Offset));
    result.append(replacement);
    result.append(text.substr(match.Offset + match.Length));
    return result;
}

TextMatch MatchText(std::string_view text, std::string_view search, const MatchOptions& options)
{
    return TextFinder(search, options).Match(text);
}

std::string ReplaceFirst(std::string_view text, std::string_view search, std::string_view replacement,
                         const MatchOptions& options)
{
    return TextFinder(search, options).ReplaceFirst(text, replacement);
}

} // namespace planova
