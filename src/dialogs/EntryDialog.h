#pragma once

#include "model/Clock.h"
#include "model/DateTime.h"

#include <string>

namespace planova {

class CDayData;
class CPlanovaDoc;
class CToDo;
class ViewServices;

/// What the cell edit dialog edits.
enum EntryEditMode : int
{
    EditKindAndEvent = 0, ///< time-table kind and event of a day
    EditPeriodRow = 1,    ///< one period row: label, plan, content, colour
    EditMemo = 2,         ///< the memo of a day
    EditToDo = 3,         ///< one ToDo item: subject, deadline, importance, memo
};

/// The members the caller exchanges with the cell edit dialog. Texts are code page 932 bytes.
struct EntryDialogValues
{
    int EditMode = EditKindAndEvent;
    std::string TitlePrefix;
    std::string ComboText;
    std::string Text1;
    std::string Text2;
    std::string Text3;
    DateTime DateValue = Now();
    int ColorIndex = 0;
};

/// What the dialog does with its values when it starts: a ToDo item without importance shows "A1".
void ApplyStartRule(EntryDialogValues& values);

/// "2012年 4月 1日": four-digit year, then month and day with a leading zero blanked (code page 932).
std::string DayTitlePrefix(const DateTime& day);

/// The cell row of a day that names period row 0 (rows 2–11 are period rows 0–9).
constexpr int FirstPeriodCellRow = 2;

/**
 * Period row `row` (0–9) of the day := label Text1, plan Text2, content Text3 and colour
 * ColorIndex (outside 0–7 stored as 0).
 */
void WritePeriodRow(const EntryDialogValues& values, CDayData& day, int row);

/**
 * Subject := Text1, deadline := the calendar date of DateValue (00:00, as the data file keeps it;
 * an invalid value gives an invalid deadline), importance := ComboText, memo := Text2.
 */
void WriteToDoValues(const EntryDialogValues& values, CToDo& item);

/**
 * The deadline an importance code sets, counted from now: "R0" 1000 days before, "R1"–"R3" and
 * "PJ" 1000 days after (calendar date, 00:00). Any other code, lower case included, leaves the
 * deadline as it is.
 */
void ApplyImportanceDeadline(CToDo& item, const DateTime& now);

/**
 * Edits an entry of the day of the date with the edit dialog: cell row 1 the kind and event,
 * rows 2–11 period row (row − 2), row 12 the memo. On OK the day is read again, an undo
 * snapshot recorded, the values written and the day stored. Returns true on OK.
 * Other rows do nothing and return false.
 */
bool EditDayEntry(CPlanovaDoc& document, const DateTime& date, int cellRow, ViewServices& dialogs);

/**
 * Edits ToDo item n, or enters a new item appended at the end when n ≥ ToDoCount. On OK the
 * item is read again and recorded for undo (UndoToDo: undo appends the former version), the
 * values written (with the "R0" / "R1"–"R3" / "PJ" deadline rule against Now()) and the item
 * stored. A new item is recorded as it was entered (UndoAddedToDo: undo removes it again).
 * Returns the item number edited or appended, or −1 on cancel.
 */
int EditToDoItem(CPlanovaDoc& document, int n, ViewServices& dialogs);

} // namespace planova
