#include "edit/EditCommands.h"

#include "dialogs/EntryDialog.h"
#include "edit/OpenEntry.h"
#include "view/PlannerView.h"
#include "edit/RowOperations.h"
#include "edit/Selection.h"
#include "edit/UndoCommand.h"

#include <algorithm>
#include <array>

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
    bool CanUndo = false;
};

RuleInput RuleInputOf(const PlannerView& view)
{
    const ViewState& state = view.State;
    RuleInput input;
    input.SelectedCell = state.SelectedCell;
    input.M = state.SelectedCell >= 0 ? state.SelectedCell % DayRow::Count : -1;
    input.NotMonth = view.Mode() != ViewMode::Month;
    input.P = state.SelectedToDoRow;
    input.ToDoCount = view.Document().ToDoCount;
    input.ToDoRowCount = state.ToDoRowCount;
    input.DspType = static_cast<int>(view.Mode());
    input.CanUndo = CanUndo(view.Document());
    return input;
}

/// (not the month view and first ≤ m ≤ last) or the pane row test.
bool CellRowBetween(const RuleInput& in, int first, int last)
{
    return in.NotMonth && in.M >= first && in.M <= last;
}

bool CanEdit(const RuleInput& in)
{
    return CellRowBetween(in, DayRow::KindAndEvent, DayRow::Memo) || (in.P >= 1 && in.P <= in.ToDoCount);
}

bool CanInsert(const RuleInput& in)
{
    return CellRowBetween(in, DayRow::FirstPeriod, DayRow::Memo - 1) || (in.P >= 1 && in.P < in.ToDoRowCount);
}

bool CanMoveUp(const RuleInput& in)
{
    return CellRowBetween(in, DayRow::FirstPeriod + 1, DayRow::Memo - 1) ||
           (in.P >= 2 && in.P <= in.ToDoCount);
}

bool CanMoveDown(const RuleInput& in)
{
    return CellRowBetween(in, DayRow::FirstPeriod, DayRow::Memo - 2) || (in.P >= 1 && in.P < in.ToDoCount);
}

bool CanDelete(const RuleInput& in)
{
    return CellRowBetween(in, DayRow::FirstPeriod, DayRow::Memo - 1) || (in.P >= 1 && in.P <= in.ToDoCount);
}

bool CanFillDay(const RuleInput& in)
{
    return in.DspType == static_cast<int>(ViewMode::Day) ||
           (in.DspType == static_cast<int>(ViewMode::Week) && in.SelectedCell >= 0);
}

bool Always(const RuleInput&)
{
    return true;
}

bool CanUndoNow(const RuleInput& in)
{
    return in.CanUndo;
}

EditOutcome Changed(bool documentChanged)
{
    return documentChanged ? EditOutcome::DocumentChanged : EditOutcome::ViewChanged;
}

// ---- The selected period row --------------------------------------------------------------

/// The period row (0–9) of the selected cell, or −1 when the cell is no period row.
int SelectedPeriodRow(const PlannerView& view)
{
    const int row = SplitCell(view.Mode(), view.State.SelectedCell).Row - DayRow::FirstPeriod;
    return row >= 0 && row <= LastPeriodRow ? row : -1;
}

/// Loads the day of the selected cell's column into WorkDay and returns it.
DateTime LoadSelectedDay(PlannerView& view)
{
    const int column = SplitCell(view.Mode(), view.State.SelectedCell).Column;
    const DateTime day = view.State.FirstShownDate.AddDays(column);
    view.Document().LoadDay(day);
    return day;
}

/// Records the day as it is for undo, changes it and stores it.
template <typename Change> void ChangeDay(CPlanovaDoc& document, Change change)
{
    document.RecordUndo(UndoDay);
    change(document.WorkDay);
    document.StoreDay();
}

// ---- The selected ToDo row ----------------------------------------------------------------

bool SelectsCell(const ViewState& state)
{
    return state.SelectedCell > 0;
}

// ---- The commands -------------------------------------------------------------------------

EditOutcome RunEdit(PlannerView& view, EntryDialog& dialog)
{
    return Changed(OpenEntry(view, dialog));
}

EditOutcome InsertPeriodRow(PlannerView& view, EntryDialog& dialog)
{
    const DateTime day = LoadSelectedDay(view);
    const int row = SelectedPeriodRow(view);
    if (row < 0)
        return EditOutcome::ViewChanged;
    EntryDialogValues values;
    values.EditMode = EditPeriodRow;
    if (!dialog.Run(values))
        return EditOutcome::ViewChanged;
    CPlanovaDoc& document = view.Document();
    document.LoadDay(day); // redraws while the dialog was open loaded other days
    ChangeDay(document, [&](CDayData& work) {
        ShiftPeriodRowsDown(work, row);
        WritePeriodRow(values, work, row);
    });
    return EditOutcome::DocumentChanged;
}

EditOutcome InsertItem(PlannerView& view, EntryDialog& dialog)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    int n = SelectedItem(state);
    EntryDialogValues values;
    values.EditMode = EditToDo;
    const bool confirmed = dialog.Run(values);
    if (confirmed) {
        n = std::min(n, document.ToDoCount);
        CToDo item;
        WriteToDoValues(values, item);
        InsertToDoItem(document, n, item);
    }
    SelectPaneRow(state, n + 1 - state.ToDoScrollTop);
    return Changed(confirmed);
}

EditOutcome RunInsert(PlannerView& view, EntryDialog& dialog)
{
    return SelectsCell(view.State) ? InsertPeriodRow(view, dialog) : InsertItem(view, dialog);
}

/// Moves the selected period row or item one place up (−1) or down (+1); the selection follows it.
EditOutcome RunMove(PlannerView& view, int direction)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (SelectsCell(state)) {
        LoadSelectedDay(view);
        const int row = SelectedPeriodRow(view);
        const int other = row + direction;
        if (row < 0 || other < 0 || other > LastPeriodRow)
            return EditOutcome::ViewChanged;
        ChangeDay(document, [&](CDayData& work) { SwapPeriodRows(work, row, other); });
        state.SelectedCell += direction;
        return EditOutcome::DocumentChanged;
    }
    const int n = SelectedItem(state);
    const int other = n + direction;
    const bool moved = n >= 0 && n < document.ToDoCount && other >= 0 && other < document.ToDoCount;
    if (moved)
        SwapToDoItems(document, n, other);
    SelectPaneRow(state, other + 1 - state.ToDoScrollTop);
    return Changed(moved);
}

EditOutcome RunMoveUp(PlannerView& view, EntryDialog&)
{
    return RunMove(view, -1);
}

EditOutcome RunMoveDown(PlannerView& view, EntryDialog&)
{
    return RunMove(view, +1);
}

EditOutcome RunDelete(PlannerView& view, EntryDialog&)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (SelectsCell(state)) {
        LoadSelectedDay(view);
        const int row = SelectedPeriodRow(view);
        if (row < 0)
            return EditOutcome::ViewChanged;
        ChangeDay(document, [&](CDayData& work) { RemovePeriodRow(work, row); });
        return EditOutcome::DocumentChanged;
    }
    const int n = SelectedItem(state);
    if (n < 0 || n >= document.ToDoCount)
        return EditOutcome::ViewChanged;
    document.LoadToDo(n);
    document.RecordUndo(UndoToDo);
    document.DeleteToDo(n);
    return EditOutcome::DocumentChanged;
}

/// Fills the day of the selected column (the shown day in the day view) with a pattern.
template <void (*Fill)(CDayData&)> EditOutcome RunFillDay(PlannerView& view, EntryDialog&)
{
    ViewState& state = view.State;
    const int column = view.Mode() == ViewMode::Week ? state.SelectedCell / DayRow::Count : 0;
    const DateTime day = state.FirstShownDate.AddDays(column);
    CPlanovaDoc& document = view.Document();
    document.LoadDay(day);
    ChangeDay(document, Fill);
    state.SelectedCell = -1;
    return EditOutcome::DocumentChanged;
}

void FillStandardDay(CDayData& day)
{
    day.SetStandardDay();
}

void FillSchoolDayRows(CDayData& day)
{
    day.SetSchoolDayRows();
}

void FillClockHourRows(CDayData& day)
{
    day.SetClockHourRows();
}

void FillEmptyDay(CDayData& day)
{
    day.ClearDay(day.GetDate());
}

EditOutcome RunFirstWeekday(PlannerView& view, EntryDialog&)
{
    ViewState& state = view.State;
    state.StartWeekday = state.StartWeekday == 0 ? 1 : 0;
    state.SelectedCell = -1;
    state.SelectedToDoRow = -1;
    return EditOutcome::ViewChanged;
}

EditOutcome RunUndo(PlannerView& view, EntryDialog&)
{
    return Changed(UndoLast(view.Document()));
}

/// One editing command: its enable rule and what it does.
struct EditCommandRow
{
    int Id;
    bool (*Enabled)(const RuleInput&);
    EditOutcome (*Run)(PlannerView&, EntryDialog&);
};

constexpr std::array EditCommandRows{
    EditCommandRow{EditCommand::Edit, CanEdit, RunEdit},
    EditCommandRow{EditCommand::Insert, CanInsert, RunInsert},
    EditCommandRow{EditCommand::MoveUp, CanMoveUp, RunMoveUp},
    EditCommandRow{EditCommand::MoveDown, CanMoveDown, RunMoveDown},
    EditCommandRow{EditCommand::Delete, CanDelete, RunDelete},
    EditCommandRow{EditCommand::StandardDay, CanFillDay, RunFillDay<FillStandardDay>},
    EditCommandRow{EditCommand::SchoolDayRows, CanFillDay, RunFillDay<FillSchoolDayRows>},
    EditCommandRow{EditCommand::ClockHourRows, CanFillDay, RunFillDay<FillClockHourRows>},
    EditCommandRow{EditCommand::ClearDay, CanFillDay, RunFillDay<FillEmptyDay>},
    EditCommandRow{EditCommand::FirstWeekday, Always, RunFirstWeekday},
    EditCommandRow{EditCommand::Undo, CanUndoNow, RunUndo},
};

const EditCommandRow* FindRow(int id)
{
    const auto found = std::find_if(EditCommandRows.begin(), EditCommandRows.end(),
                                    [id](const EditCommandRow& row) { return row.Id == id; });
    return found == EditCommandRows.end() ? nullptr : &*found;
}

} // namespace

bool IsEditCommand(int id)
{
    return FindRow(id) != nullptr;
}

bool IsEditCommandEnabled(const PlannerView& view, int id)
{
    const EditCommandRow* row = FindRow(id);
    return row && row->Enabled(RuleInputOf(view));
}

std::string EditCommandText(const PlannerView& view, int id)
{
    if (id != EditCommand::FirstWeekday)
        return {};
    return view.State.StartWeekday == 0 ? "表示を月曜始に変更する" : "表示を日曜始に変更する";
}

EditOutcome ExecuteEditCommand(PlannerView& view, int id, EntryDialog& dialog)
{
    const EditCommandRow* row = FindRow(id);
    if (!row || !row->Enabled(RuleInputOf(view)))
        return EditOutcome::NotRun;
    const EditOutcome outcome = row->Run(view, dialog);
    // The commands load other days and items; the working day holds the shown day again, as after a redraw.
    view.Document().LoadDay(view.State.CurrentDate);
    return outcome;
}

} // namespace planova
