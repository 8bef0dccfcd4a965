#pragma once

#include "edit/CommandTable.h"

#include <string>

namespace planova {

class PlannerView;
class ViewServices;

// The editing commands of the view (menu "予定表", the cell context menu and undo): the enable
// rules and actions that their rows of the command table point to. An action runs only when its
// rule holds (RunViewCommand checks); the row and day commands record an undo snapshot of the day
// before they change it, as the undo history keeps days (ToDo items only when deleted); moving and
// inserting ToDo items keep none.

/// "編集": a cell of rows 1–12 outside the month view, or a pane row of an item.
bool CanEdit(const PlannerView& view);
/// "挿入": a period row outside the month view, or any pane row below the header.
bool CanInsert(const PlannerView& view);
/// "上に移動": a period row but the first, or an item but the first.
bool CanMoveUp(const PlannerView& view);
/// "下に移動": a period row but the last, or an item but the last.
bool CanMoveDown(const PlannerView& view);
/// "削除": a period row, or a pane row of an item.
bool CanDelete(const PlannerView& view);
/// The day fills: the day view, or the week view with a cell selected.
bool CanFillDay(const PlannerView& view);
/// "元に戻す" / "やり直し": the history holds a step to undo / to redo.
bool CanUndoNow(const PlannerView& view);
bool CanRedoNow(const PlannerView& view);

/// "編集": OpenEntry.
CommandOutcome RunEdit(PlannerView& view, ViewServices& dialogs);
/// "挿入": an empty period row (the dialog fills it) or a new item before the selected one.
CommandOutcome RunInsert(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunMoveUp(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunMoveDown(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunDelete(PlannerView& view, ViewServices& dialogs);
/// The day fills of the selected column (the shown day in the day view).
CommandOutcome RunStandardDay(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunSchoolDayRows(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunClockHourRows(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunClearDay(PlannerView& view, ViewServices& dialogs);
/// "表示始めの曜日の変更": Sunday ↔ Monday; the selection is cleared.
CommandOutcome RunFirstWeekday(PlannerView& view, ViewServices& dialogs);
/// "元に戻す": UndoLast; "やり直し": RedoLast.
CommandOutcome RunUndo(PlannerView& view, ViewServices& dialogs);
CommandOutcome RunRedo(PlannerView& view, ViewServices& dialogs);
/// The menu texts of "元に戻す" and "やり直し", naming the step they take back or bring again.
std::string UndoText(const PlannerView& view);
std::string RedoText(const PlannerView& view);

/// The menu text of "表示始めの曜日の変更": the weekday the views would start on after it.
std::string FirstWeekdayText(const PlannerView& view);

} // namespace planova
