#pragma once

#include "model/Clock.h"
#include "model/DateTime.h"

#include <string>

namespace planova {

class CPlanovaDoc;

/// What the cell edit dialog edits.
enum EntryEditMode : int {
    EditKindAndEvent = 0, ///< time-table kind and event of a day
    EditPeriodRow = 1,    ///< one period row: label, plan, content, colour
    EditMemo = 2,         ///< the memo of a day
    EditToDoItem = 3,     ///< one ToDo item: subject, deadline, importance, memo
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

/**
 * The modal cell edit dialog as the editing commands see it. Run returns true on OK with the
 * values updated, and false on cancel with the values unchanged. The Qt dialog implements it;
 * tests answer it without a window.
 */
class EntryDialog
{
public:
    virtual ~EntryDialog() = default;
    virtual bool Run(EntryDialogValues& values) = 0;
};

/// "2012年 4月 1日": four-digit year, then month and day with a leading zero blanked (code page 932).
std::string DayTitlePrefix(const DateTime& day);

/**
 * Edits an entry of the day already loaded into WorkDay: cell row 1 the kind and event,
 * rows 2–11 period row (row − 2), row 12 the memo. On OK the day is loaded again, an undo
 * snapshot recorded, the values written and the day stored. Returns true on OK.
 * Other rows do nothing and return false.
 */
bool EditDayEntry(CPlanovaDoc& document, int cellRow, EntryDialog& dialog);

/**
 * Edits ToDo item n, or enters a new item appended at the end when n ≥ ToDoCount. On OK an undo
 * snapshot of WorkToDo is recorded, the values written (with the "R0" / "R1"–"R3" / "PJ"
 * deadline rule against now) and the item stored. Returns the item number edited, or −1 on cancel.
 */
int EditToDoItem(CPlanovaDoc& document, int n, EntryDialog& dialog);

} // namespace planova
