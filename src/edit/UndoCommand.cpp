#include "edit/UndoCommand.h"

#include "model/CPlanovaDoc.h"

#include <variant>

namespace planova {

namespace {

void AppendToDo(CPlanovaDoc& document, const CToDo& item)
{
    // The snapshot itself joins the list; StoreToDo appends from WorkToDo, which is then given back
    // what it held, as undo loads no item.
    const CToDo working = document.WorkToDo;
    document.WorkToDo = item;
    document.StoreToDo(document.ToDoCount);
    document.WorkToDo = working;
}

void RemoveAddedToDo(CPlanovaDoc& document, const CToDo& added)
{
    const auto& items = document.ToDoList();
    for (int n = static_cast<int>(items.size()) - 1; n >= 0; --n) {
        if (items[static_cast<std::size_t>(n)] == added) {
            document.DeleteToDo(n);
            return;
        }
    }
}

} // namespace

bool CanUndo(const CPlanovaDoc& document)
{
    return document.UndoTop >= 0;
}

bool UndoLast(CPlanovaDoc& document)
{
    if (!CanUndo(document))
        return false;
    const auto top = static_cast<std::size_t>(document.UndoTop);
    CPlanovaDoc::UndoSnapshot snapshot = std::move(document.UndoSnapshots[top]);
    const auto kind = document.UndoKinds[top];
    document.UndoSnapshots[top] = std::monostate{};
    document.UndoKinds[top] = UndoEmpty;
    --document.UndoTop;

    // A kind whose snapshot is not of its type restores nothing, like an empty entry.
    const auto* day = std::get_if<CDayData>(&snapshot);
    const auto* item = std::get_if<CToDo>(&snapshot);
    if (kind == UndoDay && day) {
        document.WorkDay = *day;
        document.StoreDay();
    } else if (kind == UndoToDo && item) {
        AppendToDo(document, *item);
    } else if (kind == UndoAddedToDo && item) {
        RemoveAddedToDo(document, *item);
    }
    document.SetModified();
    return true;
}

} // namespace planova
