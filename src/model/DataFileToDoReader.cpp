#include "model/DataFileToDoReader.h"

#include "model/DataFile.h"
#include "model/DataFileTags.h"
#include "model/DataFileValues.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace planova {
namespace {

namespace Tags = DataFileTags;

constexpr std::size_t None = std::string_view::npos;

/// Positions of one name's opening and closing tags, in text order.
struct TagPositions
{
    std::string_view Name;
    std::vector<std::size_t> Opening;
    std::vector<std::size_t> Closing;
};

/// Walks a sorted list of positions forwards; the positions asked for never decrease.
class ForwardCursor
{
public:
    explicit ForwardCursor(const std::vector<std::size_t>& positions) : Positions(positions) {}

    /// The first position at or after the given one, or None.
    std::size_t AtOrAfter(std::size_t position)
    {
        while (Index < Positions.size() && Positions[Index] < position)
            ++Index;
        return Index < Positions.size() ? Positions[Index] : None;
    }

private:
    const std::vector<std::size_t>& Positions;
    std::size_t Index = 0;
};

/// Finds the first element of a name inside a range, for ranges whose start never decreases.
class FirstElementFinder
{
public:
    explicit FirstElementFinder(const TagPositions& tags)
        : Name(tags.Name), Opening(tags.Opening), Closing(tags.Closing)
    {
    }

    /// What FindElement(text.substr(begin, end - begin), name, 0) returns.
    std::string_view Find(std::string_view text, std::size_t begin, std::size_t end)
    {
        const std::size_t open = Opening.AtOrAfter(begin);
        if (open == None || open + Name.size() + 2 > end)
            return {};
        const std::size_t valueStart = open + Name.size() + 2;
        const std::size_t close = Closing.AtOrAfter(valueStart);
        if (close == None || close + Name.size() + 3 > end)
            return {};
        return text.substr(valueStart, close - valueStart);
    }

private:
    std::string_view Name;
    ForwardCursor Opening;
    ForwardCursor Closing;
};

/// Every tag of the given names in the text. Tags never overlap (each holds a single "<"), so each
/// literal occurrence of "<name>" or "</name>" is one tag found by this walk.
template <std::size_t N>
std::array<TagPositions, N> LocateTags(std::string_view text, const std::array<std::string_view, N>& names)
{
    std::array<TagPositions, N> tags;
    for (std::size_t i = 0; i < N; ++i)
        tags[i].Name = names[i];
    std::size_t at = 0;
    while (at < text.size()) {
        const void* found = std::memchr(text.data() + at, '<', text.size() - at);
        if (found == nullptr)
            break;
        at = static_cast<const char*>(found) - text.data();
        const std::size_t length = TagLengthAt(text, at);
        if (length == 0) {
            ++at;
            continue;
        }
        const bool closing = text[at + 1] == '/';
        const std::string_view name = text.substr(at + (closing ? 2 : 1), length - (closing ? 3 : 2));
        for (TagPositions& tag : tags) {
            if (tag.Name == name)
                (closing ? tag.Closing : tag.Opening).push_back(at);
        }
        at += length;
    }
    return tags;
}

} // namespace

std::vector<CToDo> ReadToDoItems(std::string_view toDoText, std::size_t count, const CToDo& blank)
{
    enum
    {
        Task,
        Kennmei,
        Kigenn,
        Jyuuyoudo,
        Memo
    };
    const auto tags =
        LocateTags<5>(toDoText, {Tags::Task, Tags::Kennmei, Tags::Kigenn, Tags::Jyuuyoudo, Tags::Memo});
    ForwardCursor taskClosing(tags[Task].Closing);
    FirstElementFinder kennmei(tags[Kennmei]);
    FirstElementFinder kigenn(tags[Kigenn]);
    FirstElementFinder jyuuyoudo(tags[Jyuuyoudo]);
    FirstElementFinder memo(tags[Memo]);

    const std::vector<std::size_t>& openings = tags[Task].Opening;
    const std::size_t openLength = Tags::Task.size() + 2;
    // A task element beyond the announced count would be dropped, and lost with the next save.
    if (openings.size() > count &&
        ForwardCursor(tags[Task].Closing).AtOrAfter(openings[count] + openLength) != None)
        throw DataFileError("ToDo の項目 (Task) が、記録された数 (datasuu) " + std::to_string(count) +
                            " より多くあります。");
    // Items are built for the task elements present only: the ones a larger count stands for would
    // have empty texts and an invalid deadline, and hold no data.
    const std::size_t built = std::min(count, openings.size());
    std::vector<CToDo> items;
    items.reserve(built);
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < built; ++i) {
        const std::size_t begin = openings[i] + openLength;
        const std::size_t close = taskClosing.AtOrAfter(begin);
        const std::size_t end = close == None ? begin : close;
        const std::string_view fields[] = {kennmei.Find(toDoText, begin, end),
                                           jyuuyoudo.Find(toDoText, begin, end),
                                           memo.Find(toDoText, begin, end)};
        // Tasks that share a closing tag overlap; each would copy the texts of the others, so a
        // small damaged file could ask for more memory than there is. Written files never overlap.
        for (const std::string_view field : fields)
            textBytes += field.size();
        if (textBytes > toDoText.size())
            throw DataFileError("ToDo の項目 (Task) が重なり合っていて、同じ内容を何度も読むことになります。"
                                "ファイルが壊れています。");
        CToDo item = blank;
        item.SetKennmei(ReadTextValue(fields[0]));
        const DateTime deadline = ReadDateValue(kigenn.Find(toDoText, begin, end));
        item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        item.SetJyuuyoudo(ReadTextValue(fields[1]));
        item.SetMemo(ReadTextValue(fields[2]));
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace planova
