#include "model/UndoHistory.h"

#include <utility>

namespace planova {

namespace {

std::size_t TextBytes(const std::string& text)
{
    return text.capacity() > sizeof(std::string) ? text.capacity() : 0;
}

std::size_t DayBytes(const std::optional<CDayData>& day)
{
    if (!day)
        return 0;
    std::size_t bytes = sizeof(CDayData) + TextBytes(day->GetJitei()) + TextBytes(day->GetGyouji()) +
                        TextBytes(day->GetMemo());
    for (int row = 0; row < CDayData::RowCount; ++row)
        bytes +=
            TextBytes(day->GetJigenn(row)) + TextBytes(day->GetYotei(row)) + TextBytes(day->GetNaiyou(row));
    return bytes;
}

std::size_t ToDoBytes(const std::vector<CToDo>& items)
{
    std::size_t bytes = items.capacity() * sizeof(CToDo);
    for (const CToDo& item : items)
        bytes += TextBytes(item.GetKennmei()) + TextBytes(item.GetJyuuyoudo()) + TextBytes(item.GetMemo());
    return bytes;
}

/// The settings copy holds the fixed members and the timetable texts: a few kilobytes.
constexpr std::size_t SettingsBytes = 8 * 1024;

} // namespace

std::size_t UndoStep::Bytes() const
{
    std::size_t bytes = sizeof(UndoStep) + Name.size() + Days.capacity() * sizeof(DayChange);
    for (const DayChange& change : Days)
        bytes += DayBytes(change.Before) + DayBytes(change.After);
    if (ToDos)
        bytes += ToDoBytes(ToDos->Before) + ToDoBytes(ToDos->After);
    if (Settings)
        bytes += 2 * SettingsBytes;
    return bytes;
}

void UndoHistory::Clear()
{
    Undos.clear();
    Redos.clear();
    Held = 0;
}

void UndoHistory::Record(UndoStep step)
{
    if (step.Empty())
        return;
    for (const UndoStep& dropped : Redos)
        Held -= dropped.Bytes();
    Redos.clear();
    PushUndo(std::move(step));
}

void UndoHistory::PushUndo(UndoStep step)
{
    Held += step.Bytes();
    Undos.push_back(std::move(step));
    Trim();
}

void UndoHistory::PushRedo(UndoStep step)
{
    Held += step.Bytes();
    Redos.push_back(std::move(step));
}

std::optional<UndoStep> UndoHistory::TakeUndo()
{
    if (Undos.empty())
        return std::nullopt;
    UndoStep step = std::move(Undos.back());
    Undos.pop_back();
    Held -= step.Bytes();
    return step;
}

std::optional<UndoStep> UndoHistory::TakeRedo()
{
    if (Redos.empty())
        return std::nullopt;
    UndoStep step = std::move(Redos.back());
    Redos.pop_back();
    Held -= step.Bytes();
    return step;
}

void UndoHistory::Trim()
{
    while (Undos.size() > 1 && (Undos.size() > MaxSteps || Held > MaxBytes)) {
        Held -= Undos.front().Bytes();
        Undos.pop_front();
    }
}

} // namespace planova
