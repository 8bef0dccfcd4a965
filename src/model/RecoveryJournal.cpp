#include "model/RecoveryJournal.h"

#include "model/DataFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <exception>

namespace planova {
namespace {

constexpr std::string_view Magic = "PLANOVA-JOURNAL 1";
constexpr std::size_t FrameBytes = 8;

/// The numbers of a line of decimal numbers separated by single spaces; nullopt for anything else.
template <typename Number> std::optional<std::vector<Number>> NumbersOf(std::string_view line)
{
    std::vector<Number> numbers;
    const char* at = line.data();
    const char* const end = line.data() + line.size();
    while (at < end) {
        Number value{};
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc{} || (next != end && *next != ' '))
            return std::nullopt;
        numbers.push_back(value);
        at = next == end ? end : next + 1;
    }
    return numbers;
}

void PutUint32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t GetUint32(std::string_view bytes)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

/// The entry a payload holds: its first line is the ToDo flag, the count of removed dates and their
/// day numbers; the rest is a data file. nullopt when it is not one.
std::optional<JournalEntry> ReadPayload(std::string_view payload)
{
    const std::size_t lineEnd = payload.find('\n');
    if (lineEnd == std::string_view::npos)
        return std::nullopt;
    const auto numbers = NumbersOf<long long>(payload.substr(0, lineEnd));
    if (!numbers || numbers->size() < 2 || (*numbers)[0] < 0 || (*numbers)[0] > 1 ||
        (*numbers)[1] != static_cast<long long>(numbers->size() - 2))
        return std::nullopt;
    try {
        JournalEntry entry{ReadDataFile(payload.substr(lineEnd + 1)), {}, (*numbers)[0] == 1};
        for (std::size_t i = 2; i < numbers->size(); ++i)
            entry.Removed.push_back(DateTime::FromDayNumber(static_cast<double>((*numbers)[i])));
        return entry;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void Apply(const JournalEntry& entry, CPlanovaDoc& document)
{
    for (const DateTime& date : entry.Removed)
        document.RemoveDay(date);
    for (const CDayData& day : entry.Changes.DayList())
        document.PutDay(day);
    if (entry.ToDos) {
        while (document.ToDoCount() > 0)
            document.RemoveToDo(document.ToDoCount() - 1);
        for (const CToDo& item : entry.Changes.ToDoList())
            document.AppendToDo(item);
    }
    document.TakeSettings(entry.Changes);
}

} // namespace

std::uint32_t Crc32(std::string_view bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> values{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            values[n] = c;
        }
        return values;
    }();
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

std::optional<JournalEntry> TakeJournalEntry(CPlanovaDoc& document)
{
    const CPlanovaDoc::ContentChanges changes = document.TakeChanges();
    if (changes.Inexact)
        return std::nullopt;
    JournalEntry entry{document.SettingsOnlyCopy(), {}, changes.ToDos};
    for (const DateTime& date : changes.Days) {
        if (const CDayData* stored = document.FindStoredDay(date))
            entry.Changes.AppendDayUnsorted(*stored);
        else
            entry.Removed.push_back(date);
    }
    if (changes.ToDos) {
        for (const CToDo& item : document.ToDoList())
            entry.Changes.AppendToDo(item);
    }
    return entry;
}

std::string JournalHeader(const FileStamp& base)
{
    return std::string(Magic) + ' ' + std::to_string(base.Device) + ' ' + std::to_string(base.Inode) + ' ' +
           std::to_string(base.Size) + ' ' + std::to_string(base.ModifiedNanoseconds) + '\n';
}

std::string EncodeJournalEntry(const JournalEntry& entry)
{
    std::string payload = entry.ToDos ? "1 " : "0 ";
    payload += std::to_string(entry.Removed.size());
    for (const DateTime& date : entry.Removed)
        payload += ' ' + std::to_string(std::llround(date.DayNumber()));
    payload += '\n';
    payload += WriteDataFile(entry.Changes);
    std::string framed;
    framed.reserve(FrameBytes + payload.size());
    PutUint32(framed, static_cast<std::uint32_t>(payload.size()));
    PutUint32(framed, Crc32(payload));
    framed += payload;
    return framed;
}

JournalReplay ReplayJournal(std::string_view journal, const FileStamp& base, CPlanovaDoc& document)
{
    JournalReplay replay;
    const std::size_t headerEnd = journal.find('\n');
    if (headerEnd == std::string_view::npos || headerEnd <= Magic.size() || !journal.starts_with(Magic) ||
        journal[Magic.size()] != ' ')
        return replay;
    const auto stamp =
        NumbersOf<unsigned long long>(journal.substr(Magic.size() + 1, headerEnd - Magic.size() - 1));
    if (!stamp || stamp->size() != 4 || (*stamp)[0] != base.Device || (*stamp)[1] != base.Inode ||
        (*stamp)[2] != static_cast<unsigned long long>(base.Size) ||
        (*stamp)[3] != static_cast<unsigned long long>(base.ModifiedNanoseconds))
        return replay;
    replay.Matches = true;
    std::string_view rest = journal.substr(headerEnd + 1);
    while (rest.size() >= FrameBytes) {
        const std::size_t length = GetUint32(rest);
        if (length > rest.size() - FrameBytes)
            break; // cut short by a crash during the append
        const std::string_view payload = rest.substr(FrameBytes, length);
        const std::optional<JournalEntry> entry =
            Crc32(payload) == GetUint32(rest.substr(4)) ? ReadPayload(payload) : std::nullopt;
        rest.remove_prefix(FrameBytes + length);
        if (!entry) {
            replay.Damaged = !rest.empty();
            break;
        }
        Apply(*entry, document);
        ++replay.Applied;
    }
    return replay;
}

} // namespace planova
