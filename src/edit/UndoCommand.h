#pragma once

namespace planova {

class CPlanovaDoc;

/// True when the document's undo history holds an entry ("元に戻す" is enabled).
bool CanUndo(const CPlanovaDoc& document);

/**
 * Applies the newest undo entry and removes it from the history:
 * - a day snapshot is stored, replacing the day of its date (or adding it);
 * - a ToDo snapshot is appended at the end of the ToDo list (not put back at its former place);
 * - an added-item entry removes the newest item that still equals the item as it was entered;
 *   when no item equals it any more (changed or gone since), nothing is removed;
 * - an empty entry restores nothing.
 * The document is then marked modified, even when the restored state equals the current one.
 * Returns false, changing nothing, when the history is empty.
 */
bool UndoLast(CPlanovaDoc& document);

} // namespace planova
