#include "edit/EditCommands.h"

#include "dialogs/EntryDialog.h"
#include "dialogs/ViewServices.h"
#include "edit/OpenEntry.h"
#include "view/PlannerView.h"
#include "edit/RowOperations.h"
#include "edit/Selection.h"
#include "edit/UndoCommand.h"

#include <algorithm>

namespace planova {

namespace {

constexpr int LastPeriodRow = CDayData::RowCount - 1;

/// What the enable rules look at.
struct RuleInput
{
    int M = -1; ///< SelectedCell mod 13, −1 when no cell is selected
    bool NotMonth = false;
    int P = -1; ///< SelectedToDoRow
    int ToDoCount = 0;
    int ToDoRowCount = 0;
    int DspType = 0;
    int SelectedCell = -1;
};

RuleInput RuleInputOf(const PlannerView& view)
{
    const ViewState& state = view.State;
    RuleInput input;
    input.SelectedCell = state.SelectedCell;
    input.M = state.SelectedCell >= 0 ? state.SelectedCell % DayRow::Count : -1;
    input.NotMonth = view.Mode() != ViewMode::Month;
    input.P = state.SelectedToDoRow;
    input.ToDoCount = view.Document().ToDoCount();
    input.ToDoRowCount = state.ToDoRowCount;
    input.DspType = static_cast<int>(view.Mode());
    return input;
}

/// (not the month view and first ≤ m ≤ last) or the pane row test.
bool CellRowBetween(const RuleInput& in, int first, int last)
{
    return in.NotMonth && in.M >= first && in.M <= last;
}

CommandOutcome Changed(bool documentChanged)
{
    return documentChanged ? CommandOutcome::DocumentChanged : CommandOutcome::ViewChanged;
}

// ---- The selected period row --------------------------------------------------------------

/// The period row (0–9) of the selected cell, or −1 when the cell is no period row.
int SelectedPeriodRow(const PlannerView& view)
{
    const int row = SplitCell(view.Mode(), view.State.SelectedCell).Row - DayRow::FirstPeriod;
    return row >= 0 && row <= LastPeriodRow ? row : -1;
}

// ---- The selected ToDo row ----------------------------------------------------------------

bool SelectsCell(const ViewState& state)
{
    return state.SelectedCell > 0;
}

} // namespace

// ---- The enable rules ---------------------------------------------------------------------

bool CanEdit(const PlannerView& view)
{
    const RuleInput in = RuleInputOf(view);
    return CellRowBetween(in, DayRow::KindAndEvent, DayRow::Memo) || (in.P >= 1 && in.P <= in.ToDoCount);
}

bool CanInsert(const PlannerView& view)
{
    const RuleInput in = RuleInputOf(view);
    return CellRowBetween(in, DayRow::FirstPeriod, DayRow::Memo - 1) || (in.P >= 1 && in.P < in.ToDoRowCount);
}

bool CanMoveUp(const PlannerView& view)
{
    const RuleInput in = RuleInputOf(view);
    return CellRowBetween(in, DayRow::FirstPeriod + 1, DayRow::Memo - 1) ||
           (in.P >= 2 && in.P <= in.ToDoCount);
}

bool CanMoveDown(const PlannerView& view)
{
    const RuleInput in = RuleInputOf(view);
    return CellRowBetween(in, DayRow::FirstPeriod, DayRow::Memo - 2) || (in.P >= 1 && in.P < in.ToDoCount);
}

bool CanDelete(const PlannerView& view)
{
    const RuleInput in = RuleInputOf(view);
    return CellRowBetween(in, DayRow::FirstPeriod, DayRow::Memo - 1) || (in.P >= 1 && in.P <= in.ToDoCount);
}

bool CanFillDay(const PlannerView& view)
{
    const RuleInput in = RuleInputOf(view);
    return in.DspType == static_cast<int>(ViewMode::Day) ||
           (in.DspType == static_cast<int>(ViewMode::Week) && in.SelectedCell >= 0);
}

bool CanUndoNow(const PlannerView& view)
{
    return CanUndo(view.Document());
}

bool CanRedoNow(const PlannerView& view)
{
    return CanRedo(view.Document());
}

// ---- The commands -------------------------------------------------------------------------

namespace {

CommandOutcome InsertPeriodRow(PlannerView& view, ViewServices& dialogs)
{
    const DateTime day = SelectedColumnDay(view);
    const int row = SelectedPeriodRow(view);
    if (row < 0)
        return CommandOutcome::ViewChanged;
    EntryDialogValues values;
    values.EditMode = EditPeriodRow;
    if (!dialogs.EditEntry(values))
        return CommandOutcome::ViewChanged;
    view.Document().UpdateDay(day, [&](CDayData& work) {
        ShiftPeriodRowsDown(work, row);
        WritePeriodRow(values, work, row);
    });
    return CommandOutcome::DocumentChanged;
}

CommandOutcome InsertItem(PlannerView& view, ViewServices& dialogs)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    int n = SelectedItem(state);
    EntryDialogValues values;
    values.EditMode = EditToDo;
    const bool confirmed = dialogs.EditEntry(values);
    if (confirmed) {
        n = std::min(n, document.ToDoCount());
        CToDo item;
        WriteToDoValues(values, item);
        InsertToDoItem(document, n, item);
    }
    SelectPaneRow(state, n + 1 - state.ToDoScrollTop);
    return Changed(confirmed);
}

/// Moves the selected period row or item one place up (−1) or down (+1); the selection follows it.
CommandOutcome Move(PlannerView& view, int direction)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (SelectsCell(state)) {
        const DateTime day = SelectedColumnDay(view);
        const int row = SelectedPeriodRow(view);
        const int other = row + direction;
        if (row < 0 || other < 0 || other > LastPeriodRow)
            return CommandOutcome::ViewChanged;
        document.UpdateDay(day, [&](CDayData& work) { SwapPeriodRows(work, row, other); });
        state.SelectedCell += direction;
        return CommandOutcome::DocumentChanged;
    }
    const int n = SelectedItem(state);
    const int other = n + direction;
    const bool moved = n >= 0 && n < document.ToDoCount() && other >= 0 && other < document.ToDoCount();
    if (moved)
        SwapToDoItems(document, n, other);
    SelectPaneRow(state, other + 1 - state.ToDoScrollTop);
    return Changed(moved);
}

/// Fills the day of the selected column (the shown day in the day view) with a pattern.
template <typename Fill> CommandOutcome FillDay(PlannerView& view, Fill fill)
{
    ViewState& state = view.State;
    const int column = view.Mode() == ViewMode::Week ? state.SelectedCell / DayRow::Count : 0;
    view.Document().UpdateDay(state.FirstShownDate.AddDays(column), fill);
    state.SelectedCell = -1;
    return CommandOutcome::DocumentChanged;
}

} // namespace

CommandOutcome RunEdit(PlannerView& view, ViewServices& dialogs)
{
    return Changed(OpenEntry(view, dialogs));
}

CommandOutcome RunInsert(PlannerView& view, ViewServices& dialogs)
{
    return SelectsCell(view.State) ? InsertPeriodRow(view, dialogs) : InsertItem(view, dialogs);
}

CommandOutcome RunMoveUp(PlannerView& view, ViewServices&)
{
    return Move(view, -1);
}

CommandOutcome RunMoveDown(PlannerView& view, ViewServices&)
{
    return Move(view, +1);
}

CommandOutcome RunDelete(PlannerView& view, ViewServices&)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (SelectsCell(state)) {
        const DateTime day = SelectedColumnDay(view);
        const int row = SelectedPeriodRow(view);
        if (row < 0)
            return CommandOutcome::ViewChanged;
        document.UpdateDay(day, [&](CDayData& work) { RemovePeriodRow(work, row); });
        return CommandOutcome::DocumentChanged;
    }
    const int n = SelectedItem(state);
    if (n < 0 || n >= document.ToDoCount())
        return CommandOutcome::ViewChanged;
    document.RemoveToDo(n);
    return CommandOutcome::DocumentChanged;
}

CommandOutcome RunStandardDay(PlannerView& view, ViewServices&)
{
    return FillDay(view, [](CDayData& day) { day.SetStandardDay(); });
}

CommandOutcome RunSchoolDayRows(PlannerView& view, ViewServices&)
{
    return FillDay(view, [](CDayData& day) { day.SetSchoolDayRows(); });
}

CommandOutcome RunClockHourRows(PlannerView& view, ViewServices&)
{
    return FillDay(view, [](CDayData& day) { day.SetClockHourRows(); });
}

CommandOutcome RunClearDay(PlannerView& view, ViewServices&)
{
    return FillDay(view, [](CDayData& day) { day.ClearDay(day.GetDate()); });
}

CommandOutcome RunFirstWeekday(PlannerView& view, ViewServices&)
{
    ViewState& state = view.State;
    state.StartWeekday = state.StartWeekday == 0 ? 1 : 0;
    state.SelectedCell = -1;
    state.SelectedToDoRow = -1;
    return CommandOutcome::ViewChanged;
}

CommandOutcome RunUndo(PlannerView& view, ViewServices&)
{
    return Changed(UndoLast(view.Document()));
}

CommandOutcome RunRedo(PlannerView& view, ViewServices&)
{
    return Changed(RedoLast(view.Document()));
}

std::string UndoText(const PlannerView& view)
{
    return UndoMenuText(view.Document());
}

std::string RedoText(const PlannerView& view)
{
    return RedoMenuText(view.Document());
}

std::string FirstWeekdayText(const PlannerView& view)
{
    return view.State.StartWeekday == 0 ? "表示を月曜始に変更する" : "表示を日曜始に変更する";
}

} // namespace planova
