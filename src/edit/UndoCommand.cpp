#include "edit/UndoCommand.h"

#include "model/CPlanovaDoc.h"

#include <variant>

namespace planova {

namespace {

void RemoveAddedToDo(CPlanovaDoc& document, const CToDo& added)
{
    const auto& items = document.ToDoList();
    for (int n = static_cast<int>(items.size()) - 1; n >= 0; --n) {
        if (items[static_cast<std::size_t>(n)] == added) {
            document.RemoveToDo(n);
            return;
        }
    }
}

} // namespace

bool CanUndo(const CPlanovaDoc& document)
{
    return document.CanUndo();
}

bool UndoLast(CPlanovaDoc& document)
{
    if (!CanUndo(document))
        return false;
    const UndoEntry entry = document.TakeUndo();
    // A kind whose snapshot is not of its type restores nothing, like an empty entry.
    const auto* day = std::get_if<CDayData>(&entry.Snapshot);
    const auto* item = std::get_if<CToDo>(&entry.Snapshot);
    if (entry.Kind == UndoDay && day)
        document.PutDay(*day);
    else if (entry.Kind == UndoToDo && item)
        document.AppendToDo(*item);
    else if (entry.Kind == UndoAddedToDo && item)
        RemoveAddedToDo(document, *item);
    document.SetModified();
    return true;
}

} // namespace planova
