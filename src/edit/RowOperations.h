#pragma once

namespace planova {

class CDayData;
class CPlanovaDoc;
class CToDo;

// A period row is its label, plan, content and colour, which always move together. A day has
// exactly ten rows, so inserting pushes the last row out and removing pulls an empty one in.

/// Rows from … 8 move down one place; the old row 9 is lost and row `from` keeps its contents.
void ShiftPeriodRowsDown(CDayData& day, int from);
/// Rows row + 1 … 9 move up one place; row 9 becomes empty with colour 0.
void RemovePeriodRow(CDayData& day, int row);
/// Rows a and b exchange all four fields.
void SwapPeriodRows(CDayData& day, int a, int b);

/**
 * Puts the item at place n of the ToDo list: items n … last move one place towards the end; n past
 * the end appends.
 */
void InsertToDoItem(CPlanovaDoc& document, int n, const CToDo& item);
/// Items a and b exchange their places.
void SwapToDoItems(CPlanovaDoc& document, int a, int b);

} // namespace planova
