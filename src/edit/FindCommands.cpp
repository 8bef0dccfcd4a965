#include "edit/FindCommands.h"

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

} // namespace planova
