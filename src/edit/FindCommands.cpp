#include "edit/FindCommands.h"

#include "dialogs/ViewServices.h"
#include "edit/Selection.h"
#include "model/CPlanovaDoc.h"
#include "view/PlannerView.h"

namespace planova {

namespace {

/// Selects the pane row of the item, scrolling the pane up or down so that the row is shown.
void ShowToDoHit(ViewState& state, int item)
{
    state.SelectedCell = -1;
    if (item < state.ToDoScrollTop) {
        state.ToDoScrollTop = item;
        state.ToDoScrollPos = item;
    }
    SelectPaneRow(state, item + 1 - state.ToDoScrollTop);
}

} // namespace

bool FindNextRequest(PlannerView& view, std::string_view search, bool fromStart, const MatchOptions& options,
                     const FindOrder& order)
{
    FindHitState& hit = view.State.FindHit;
    const bool found =
        FindNext(view.Document(), hit, view.State.CalendarDate, search, fromStart, options, order);
    if (found && hit.ToDoItem >= 0)
        ShowToDoHit(view.State, hit.ToDoItem);
    else if (found)
        view.SelectCalendarDate(hit.Date);
    return found;
}

bool ReplaceRequest(PlannerView& view, std::string_view search, std::string_view replacement,
                    const MatchOptions& options)
{
    const CPlanovaDoc::UndoStepScope step(view.Document(), "置換");
    return ReplaceHit(view.Document(), view.State.FindHit, search, replacement, options);
}

ReplaceAllResult ReplaceAllRequest(PlannerView& view, std::string_view search, std::string_view replacement,
                                   const MatchOptions& options, bool toDos)
{
    const CPlanovaDoc::UndoStepScope step(view.Document(), "全て置換");
    return ReplaceAll(view.Document(), view.State.FindHit, search, replacement, options, toDos);
}

void EndFind(PlannerView& view)
{
    view.State.FindDialogMode = FindDialogClosed;
    ResetFindHit(view.State.FindHit);
}

bool BeginFind(PlannerView& view, FindDialogMode mode)
{
    if (view.State.FindDialogMode == mode)
        return false;
    ResetFindHit(view.State.FindHit);
    view.State.FindDialogMode = mode;
    return true;
}

namespace {

/// Opens the dialog in the mode unless it is open in it; the view redraws without its hit.
CommandOutcome OpenFind(PlannerView& view, ViewServices& dialogs, FindDialogMode mode)
{
    if (BeginFind(view, mode))
        dialogs.OpenFindDialog(mode);
    return CommandOutcome::ViewChanged;
}

} // namespace

CommandOutcome RunFind(PlannerView& view, ViewServices& dialogs)
{
    return OpenFind(view, dialogs, FindDialogFind);
}

CommandOutcome RunReplace(PlannerView& view, ViewServices& dialogs)
{
    return OpenFind(view, dialogs, FindDialogReplace);
}

} // namespace planova
