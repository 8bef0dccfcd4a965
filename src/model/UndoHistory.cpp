#include "model/UndoHistory.h"

#include <algorithm>
#include <utility>

namespace planova {

void UndoHistory::Reset(int capacity)
{
    Slots.assign(static_cast<std::size_t>(std::max(capacity, 0)), UndoEntry{});
    Used = 0;
}

void UndoHistory::Record(UndoEntry entry)
{
    if (Slots.empty())
        return;
    if (Used == Capacity()) {
        std::move(Slots.begin() + 1, Slots.end(), Slots.begin());
        --Used;
    }
    Slots[static_cast<std::size_t>(Used++)] = std::move(entry);
}

UndoEntry UndoHistory::TakeNewest()
{
    if (Used == 0)
        return {};
    return std::exchange(Slots[static_cast<std::size_t>(--Used)], UndoEntry{});
}

} // namespace planova
