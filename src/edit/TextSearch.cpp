#include "edit/TextSearch.h"

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
        } else if (IsCp932LeadByte(byte) && rest >= 2) {
            Position += 2;
        } else {
            ++Position;
        }
    }

    std::string_view Text;
};

} // namespace

TextMatch MatchText(std::string_view text, std::string_view search)
{
    if (search.empty())
        return {true, 0, 0, 0};
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
        if (walk.Position == offset)
            return {true, offset, walk.Line, static_cast<int>(offset - walk.LineStart)};
        // The match began inside a character; the next try starts at the boundary after it.
    }
    return {};
}

std::string ReplaceFirst(std::string_view text, std::string_view search, std::string_view replacement)
{
    const TextMatch match = MatchText(text, search);
    if (!match.Found)
        return std::string(text);
    std::string result;
    result.reserve(text.size() - search.size() + replacement.size());
    result.append(text.substr(0, match.Offset));
    result.append(replacement);
    result.append(text.substr(match.Offset + search.size()));
    return result;
}

} // namespace planova
