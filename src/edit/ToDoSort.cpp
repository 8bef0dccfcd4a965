#include "edit/ToDoSort.h"

#include "model/CPlanovaDoc.h"
#include "model/TextFunctions.h"
#include "edit/RowOperations.h"

namespace planova {

std::string ToDoSortKey(const CToDo& item, int sortKind)
{
    if (sortKind == SortByDeadline)
        return FormatDate(item.GetKigenn(), static_cast<int>(DateForm::Slashes));
    return item.GetJyuuyoudo();
}

bool SortToDo(CPlanovaDoc& document, int sortKind)
{
    const int count = document.ToDoCount();
    const auto key = [&](int n) {
        return ToDoSortKey(document.ToDoList()[static_cast<std::size_t>(n)], sortKind);
    };
    // std::string compares its bytes as unsigned values, so code page 932 lead bytes sort after ASCII.
    for (int i = 0; i < count; ++i)
        for (int j = i; j < count; ++j)
            if (!(key(i) < key(j)))
                SwapToDoItems(document, i, j);
    return count > 0;
}

} // namespace planova
