#include "edit/RowOperations.h"

#include "model/CDayData.h"
#include "model/CPlanovaDoc.h"

#include <algorithm>
#include <string>

namespace planova {

namespace {

/// The four fields of one period row.
struct PeriodRow
{
    std::string Label;
    std::string Plan;
    std::string Content;
    int Colour = 0;
};

PeriodRow ReadRow(const CDayData& day, int row)
{
    return {day.GetJigenn(row), day.GetYotei(row), day.GetNaiyou(row), day.GetIro(row)};
}

void WriteRow(CDayData& day, int row, PeriodRow values)
{
    day.SetJigenn(row, std::move(values.Label));
    day.SetYotei(row, std::move(values.Plan));
    day.SetNaiyou(row, std::move(values.Content));
    day.SetIro(row, values.Colour);
}

constexpr int LastRow = CDayData::RowCount - 1;

} // namespace

void ShiftPeriodRowsDown(CDayData& day, int from)
{
    for (int k = LastRow - 1; k >= from; --k)
        WriteRow(day, k + 1, ReadRow(day, k));
}

void RemovePeriodRow(CDayData& day, int row)
{
    for (int k = row; k < LastRow; ++k)
        WriteRow(day, k, ReadRow(day, k + 1));
    WriteRow(day, LastRow, PeriodRow{});
}

void SwapPeriodRows(CDayData& day, int a, int b)
{
    PeriodRow first = ReadRow(day, a);
    WriteRow(day, a, ReadRow(day, b));
    WriteRow(day, b, std::move(first));
}

void InsertToDoItem(CPlanovaDoc& document, int n, const CToDo& item)
{
    document.InsertToDo(std::min(n, document.ToDoCount()), item);
}

void SwapToDoItems(CPlanovaDoc& document, int a, int b)
{
    CToDo first = document.ToDo(a);
    document.ReplaceToDo(a, document.ToDo(b));
    document.ReplaceToDo(b, std::move(first));
}

} // namespace planova
