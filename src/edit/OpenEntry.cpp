#include "edit/OpenEntry.h"

#include "dialogs/EntryDialog.h"
#include "dialogs/ViewServices.h"
#include "view/PlannerView.h"
#include "edit/Selection.h"
#include "model/CPlanovaDoc.h"

namespace planova {

namespace {

/// Opens the selected cell, whose day becomes the shown day; returns true when the document was changed.
bool OpenCell(PlannerView& view, ViewServices& dialogs)
{
    ViewState& state = view.State;
    const ViewMode mode = view.Mode();
    const CellPlace place = SplitCell(mode, state.SelectedCell);
    const DateTime day = DayOfCell(mode, state.FirstShownDate, state.SelectedCell).DateOnly();
    state.CurrentDate = day;

    if (mode == ViewMode::Month || (mode == ViewMode::Week && place.Row == DayRow::Date)) {
        state.DspType = static_cast<int>(ViewMode::Day);
        state.SelectedCell = -1;
        return false;
    }
    return EditDayEntry(view.Document(), day, place.Row, dialogs);
}

/// Opens the item of the selected ToDo row, or enters a new one on an empty row.
bool OpenToDoRow(PlannerView& view, ViewServices& dialogs)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    const int count = document.ToDoCount();
    int n = state.SelectedToDoRow - 1 + state.ToDoScrollTop;
    const bool changed = EditToDoItem(document, n, dialogs) >= 0;
    if (n >= count)
        n = count; // the new item's place, also when it was not entered
    state.SelectedToDoRow = n + 1 - state.ToDoScrollTop;
    return changed;
}

} // namespace

bool OpenEntry(PlannerView& view, ViewServices& dialogs)
{
    const CPlanovaDoc::UndoStepScope step(view.Document(), std::string(CellEditStep));
    ViewState& state = view.State;
    bool changed = false;
    if (state.SelectedCell >= 0)
        changed = OpenCell(view, dialogs);
    else if (state.SelectedToDoRow >= 1)
        changed = OpenToDoRow(view, dialogs);
    state.CalendarDate = state.CurrentDate;
    return changed;
}

} // namespace planova
