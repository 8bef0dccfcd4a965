#include "edit/OpenEntry.h"

#include "dialogs/EntryDialog.h"
#include "view/PlannerView.h"
#include "edit/Selection.h"

namespace planova {

namespace {

/// Opens the selected cell; returns true when the document was changed. `opened` is the day loaded.
bool OpenCell(PlannerView& view, EntryDialog& dialog, DateTime& opened)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    const ViewMode mode = view.Mode();
    const CellPlace place = SplitCell(mode, state.SelectedCell);

    if (mode == ViewMode::Month || (mode == ViewMode::Week && place.Row == DayRow::Date)) {
        opened = DayOfCell(mode, state.FirstShownDate, state.SelectedCell);
        document.LoadDay(opened);
        state.DspType = static_cast<int>(ViewMode::Day);
        state.SelectedCell = -1;
        return false;
    }
    opened = DayOfCell(mode, state.FirstShownDate, state.SelectedCell);
    document.LoadDay(opened);
    return EditDayEntry(document, place.Row, dialog);
}

/// Opens the item of the selected ToDo row, or enters a new one on an empty row.
bool OpenToDoRow(PlannerView& view, EntryDialog& dialog)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    const int count = document.ToDoCount;
    int n = state.SelectedToDoRow - 1 + state.ToDoScrollTop;
    const bool changed = EditToDoItem(document, n, dialog) >= 0;
    if (n >= count)
        n = count; // the new item's place, also when it was not entered
    state.SelectedToDoRow = n + 1 - state.ToDoScrollTop;
    return changed;
}

} // namespace

bool OpenEntry(PlannerView& view, EntryDialog& dialog)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    // Redraws while the dialog is open load other days into WorkDay, so the day is kept here.
    DateTime opened = document.WorkDay.GetDate();
    bool changed = false;
    if (state.SelectedCell >= 0)
        changed = OpenCell(view, dialog, opened);
    else if (state.SelectedToDoRow >= 1)
        changed = OpenToDoRow(view, dialog);

    document.LoadDay(opened);
    state.CurrentDate = opened;
    state.CalendarDate = opened;
    return changed;
}

} // namespace planova
