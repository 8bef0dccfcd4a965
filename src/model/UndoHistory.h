#pragma once

#include "model/CDayData.h"
#include "model/CToDo.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace planova {

/// Kinds of undo entries.
enum UndoKind : std::uint16_t
{
    UndoEmpty = 0,
    UndoDay = 1,       ///< a day as it was before a change
    UndoToDo = 2,      ///< a ToDo item as it was before a change or a deletion
    UndoAddedToDo = 3, ///< a ToDo item as it was entered new; undoing it removes the item
};

/// One entry of the undo history: its kind and the record it keeps.
struct UndoEntry
{
    UndoKind Kind = UndoEmpty;
    std::variant<std::monostate, CDayData, CToDo> Snapshot;

    /// The day as it was before a change.
    static UndoEntry DayBefore(CDayData day) { return {UndoDay, std::move(day)}; }
    /// The item as it was before a change or a deletion.
    static UndoEntry ToDoBefore(CToDo item) { return {UndoToDo, std::move(item)}; }
    /// The item as it was entered new.
    static UndoEntry AddedToDo(CToDo item) { return {UndoAddedToDo, std::move(item)}; }
};

/**
 * The last changes, newest last, in a fixed number of slots: a full history drops its oldest
 * entry. A history of capacity 0 (no view has sized it yet) records nothing.
 */
class UndoHistory
{
public:
    /// Capacity slots, every one empty.
    void Reset(int capacity);
    void Record(UndoEntry entry);
    /// Removes the newest entry and returns it; an empty entry when the history holds none.
    UndoEntry TakeNewest();

    int Capacity() const { return static_cast<int>(Slots.size()); }
    /// Entries recorded and not taken (at most the capacity).
    int Count() const { return Used; }
    /// Entry i, 0 the oldest; an empty entry for a slot not in use.
    const UndoEntry& Entry(int i) const { return Slots[static_cast<std::size_t>(i)]; }

private:
    std::vector<UndoEntry> Slots;
    int Used = 0;
};

} // namespace planova
