#pragma once

#include <string>

namespace planova {

class CPlanovaDoc;
class CToDo;

/// The sort keys of the ToDo list.
enum ToDoSortKind : int
{
    SortByImportance = 0, ///< the importance text
    SortByDeadline = 1,   ///< the deadline as "YYYY/MM/DD"
};

/// The text an item is sorted by (code page 932 bytes).
std::string ToDoSortKey(const CToDo& item, int sortKind);

/**
 * SortToDo: sorts the list in place, ascending by key, compared byte by byte. Items exchange their
 * places in an exchange sort (SwapToDoItems), so items with equal keys end in the order
 * that sort gives; every write marks the document modified and nothing is recorded for undo.
 * Returns true when the list had an item (and so was written).
 */
bool SortToDo(CPlanovaDoc& document, int sortKind);

} // namespace planova
