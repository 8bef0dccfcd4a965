#include "edit/ClipboardCommands.h"

#include "edit/Clipboard.h"
#include "edit/Selection.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

namespace planova {

namespace {

/// SelectedCell mod 13 outside the month view; −1 when no cell is selected or in the month view.
int SelectedDayRow(const PlannerView& view)
{
    const int cell = view.State.SelectedCell;
    return cell >= 0 && view.Mode() != ViewMode::Month ? cell % DayRow::Count : -1;
}

bool SelectsCellRow(const PlannerView& view)
{
    const int row = SelectedDayRow(view);
    return row >= DayRow::KindAndEvent && row <= DayRow::Memo;
}

/// The selected cell's row; its day (FirstShownDate + column) is loaded into WorkDay and becomes the shown
/// day.
int LoadSelectedCell(PlannerView& view)
{
    ViewState& state = view.State;
    const CellPlace place = SplitCell(view.Mode(), state.SelectedCell);
    const DateTime day = state.FirstShownDate.AddDays(place.Column);
    view.Document().LoadDay(day);
    state.CurrentDate = day;
    state.CalendarDate = day;
    return place.Row;
}

} // namespace

bool CanCopy(const PlannerView& view)
{
    const int p = view.State.SelectedToDoRow;
    return SelectsCellRow(view) || (p >= 1 && p <= view.Document().ToDoCount);
}

bool CanCut(const PlannerView& view)
{
    return SelectsCellRow(view);
}

bool CanPaste(const PlannerView& view)
{
    const int kind = view.State.Clipboard.ClipKind;
    return (kind != ClipEmpty && SelectsCellRow(view)) || kind == ClipToDo;
}

void CopySelection(PlannerView& view)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (state.SelectedCell <= 0 && state.SelectedToDoRow >= 1) {
        const int n = SelectedItem(state);
        if (n < 0 || n >= document.ToDoCount)
            return; // an empty pane row below the last item: there is nothing to copy
        document.LoadToDo(n);
        CopyToDo(state.Clipboard, document.WorkToDo);
        return;
    }
    const int row = LoadSelectedCell(view);
    CopyCell(state.Clipboard, state.Copy, document.WorkDay, row, Now());
}

bool CutSelection(PlannerView& view)
{
    const int row = LoadSelectedCell(view);
    CPlanovaDoc& document = view.Document();
    CutCell(view.State.Clipboard, view.State.Copy, document.WorkDay, row);
    document.StoreDay();
    return true;
}

bool PasteSelection(PlannerView& view)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (state.Clipboard.ClipKind == ClipToDo) {
        const int n = document.ToDoCount;
        document.WorkToDo = ClippedToDo(state.Clipboard);
        document.StoreToDo(n);
        SelectPaneRow(state, n + 1 - state.ToDoScrollTop);
        return true;
    }
    const int row = LoadSelectedCell(view);
    PasteCell(state.Clipboard, state.Copy, document.WorkDay, row);
    document.StoreDay();
    return true;
}

} // namespace planova
