#pragma once

#include "model/CDayData.h"
#include "model/CToDo.h"
#include "model/DateTime.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace planova {

class CPlanovaDoc;

/// One day a step changed: the record of its date before and after (none: no record was stored).
struct DayChange
{
    DateTime Date;
    std::optional<CDayData> Before;
    std::optional<CDayData> After;
};

/// Something of the document that one step replaced whole, as it was before and after.
template <typename Value> struct WholeChange
{
    Value Before;
    Value After;
};

/**
 * One change the user made (a command, a dialog's OK), undone and redone as a whole. It keeps only
 * what it changed: the days it touched, the ToDo list when it touched an item, and the settings
 * when the command writes them (a copy of the document without its days and items).
 */
struct UndoStep
{
    std::string Name;
    std::vector<DayChange> Days;
    std::optional<WholeChange<std::vector<CToDo>>> ToDos;
    std::optional<WholeChange<std::shared_ptr<const CPlanovaDoc>>> Settings;

    bool Empty() const { return Days.empty() && !ToDos && !Settings; }
    /// About how many bytes the step holds (its texts and records), what the history's budget counts.
    std::size_t Bytes() const;
};

/**
 * The steps that can be undone (newest last) and those that can be redone after an undo. A new
 * step clears the redo list. The history keeps at most MaxSteps steps and about MaxBytes bytes:
 * past either, the oldest steps are dropped (the newest one is always kept).
 */
class UndoHistory
{
public:
    static constexpr std::size_t MaxSteps = 1000;
    static constexpr std::size_t MaxBytes = std::size_t{64} * 1024 * 1024;

    /// Drops every step.
    void Clear();
    /// Adds a new step (an empty one is not kept) and clears the redo list.
    void Record(UndoStep step);
    /// Removes the newest step to undo and returns it; nullopt when there is none.
    std::optional<UndoStep> TakeUndo();
    /// Removes the newest step to redo and returns it; nullopt when there is none.
    std::optional<UndoStep> TakeRedo();
    /// Puts an undone step on the redo list.
    void PushRedo(UndoStep step);
    /// Puts a redone step back on the undo list, keeping the rest of the redo list.
    void PushUndo(UndoStep step);

    int UndoCount() const { return static_cast<int>(Undos.size()); }
    int RedoCount() const { return static_cast<int>(Redos.size()); }
    /// The step the next undo (redo) takes back; only while UndoCount (RedoCount) is not 0.
    const UndoStep& NextUndo() const { return Undos.back(); }
    const UndoStep& NextRedo() const { return Redos.back(); }
    /// About how many bytes every kept step holds.
    std::size_t Bytes() const { return Held; }

private:
    void Trim();

    std::deque<UndoStep> Undos;
    std::deque<UndoStep> Redos;
    std::size_t Held = 0;
};

} // namespace planova
