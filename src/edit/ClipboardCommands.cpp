#include "edit/ClipboardCommands.h"

#include "dialogs/ViewDialogs.h"
#include "edit/Selection.h"
#include "model/Clock.h"

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

/// The selected cell's row; its day is loaded into WorkDay and becomes the shown day.
int LoadSelectedCell(PlannerView& view)
{
    const DateTime day = LoadSelectedDay(view);
    view.State.CurrentDate = day;
    view.State.CalendarDate = day;
    return SplitCell(view.Mode(), view.State.SelectedCell).Row;
}

/// Ends a copy or cut: what it took goes to the system clipboard too.
void ShareTakenTexts(const PlannerView& view, ViewDialogs& dialogs)
{
    dialogs.SetSystemClipboardText(view.State.Clipboard.PlainText);
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

CommandOutcome RunCopy(PlannerView& view, ViewDialogs& dialogs)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (state.SelectedCell <= 0 && state.SelectedToDoRow >= 1) {
        const int n = SelectedItem(state);
        if (n < 0 || n >= document.ToDoCount)
            return CommandOutcome::ViewChanged; // an empty pane row below the last item: nothing to copy
        document.LoadToDo(n);
        CopyToDo(state.Clipboard, document.WorkToDo);
    } else {
        const int row = LoadSelectedCell(view);
        CopyCell(state.Clipboard, state.Copy, document.WorkDay, row, Now());
    }
    ShareTakenTexts(view, dialogs);
    return CommandOutcome::ViewChanged;
}

CommandOutcome RunCut(PlannerView& view, ViewDialogs& dialogs)
{
    const int row = LoadSelectedCell(view);
    CPlanovaDoc& document = view.Document();
    CutCell(view.State.Clipboard, view.State.Copy, document.WorkDay, row);
    document.StoreDay();
    ShareTakenTexts(view, dialogs);
    return CommandOutcome::DocumentChanged;
}

CommandOutcome RunPaste(PlannerView& view, ViewDialogs&)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (state.Clipboard.ClipKind == ClipToDo) {
        const int n = document.ToDoCount;
        document.WorkToDo = ClippedToDo(state.Clipboard);
        document.StoreToDo(n);
        SelectPaneRow(state, n + 1 - state.ToDoScrollTop);
    } else {
        const int row = LoadSelectedCell(view);
        PasteCell(state.Clipboard, state.Copy, document.WorkDay, row);
        document.StoreDay();
    }
    return CommandOutcome::DocumentChanged;
}

} // namespace planova
