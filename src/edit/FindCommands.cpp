#include "edit/FindCommands.h"

#include "dialogs/ViewDialogs.h"
#include "view/PlannerView.h"

namespace planova {

bool FindNextRequest(PlannerView& view, std::string_view search, bool fromStart)
{
    CPlanovaDoc& document = view.Document();
    const bool found = FindNext(document, view.State.CalendarDate, search, fromStart);
    if (found)
        view.SelectCalendarDate(document.FindHit.Date);
    document.LoadDay(view.State.CurrentDate);
    return found;
}

bool ReplaceRequest(PlannerView& view, std::string_view search, std::string_view replacement)
{
    const bool replaced = ReplaceHit(view.Document(), search, replacement);
    view.Document().LoadDay(view.State.CurrentDate);
    return replaced;
}

ReplaceAllResult ReplaceAllRequest(PlannerView& view, std::string_view search, std::string_view replacement)
{
    const ReplaceAllResult result = ReplaceAll(view.Document(), search, replacement);
    view.Document().LoadDay(view.State.CurrentDate);
    return result;
}

void EndFind(PlannerView& view)
{
    view.State.FindDialogMode = FindDialogClosed;
    ResetFindHit(view.Document());
}

bool BeginFind(PlannerView& view, FindDialogMode mode)
{
    if (view.State.FindDialogMode == mode)
        return false;
    ResetFindHit(view.Document());
    view.State.FindDialogMode = mode;
    return true;
}

namespace {

/// Opens the dialog in the mode unless it is open in it; the hit, reset, shows in every view of the document.
CommandOutcome OpenFind(PlannerView& view, ViewDialogs& dialogs, FindDialogMode mode)
{
    if (!BeginFind(view, mode))
        return CommandOutcome::ViewChanged;
    dialogs.OpenFindDialog(mode);
    return CommandOutcome::DocumentChanged;
}

} // namespace

CommandOutcome RunFind(PlannerView& view, ViewDialogs& dialogs)
{
    return OpenFind(view, dialogs, FindDialogFind);
}

CommandOutcome RunReplace(PlannerView& view, ViewDialogs& dialogs)
{
    return OpenFind(view, dialogs, FindDialogReplace);
}

} // namespace planova
