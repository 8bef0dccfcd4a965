#include "edit/SettingsCommands.h"

#include "calendar/Timetable.h"
#include "dialogs/ViewServices.h"
#include "edit/Selection.h"
#include "view/PlannerView.h"

namespace planova {

CommandOutcome RunProperties(PlannerView& view, ViewServices& dialogs)
{
    PropertySheetValues values = StartPropertySheet(view);
    if (!dialogs.EditProperties(values))
        return CommandOutcome::ViewChanged;
    ApplyPropertySheet(view, values);
    return CommandOutcome::DocumentChanged;
}

CommandOutcome RunInsertTimetable(PlannerView& view, ViewServices&)
{
    ViewState& state = view.State;
    const int column =
        view.Mode() == ViewMode::Week ? SplitCell(ViewMode::Week, state.SelectedCell).Column : 0;
    const DateTime day = state.FirstShownDate.AddDays(column);
    if (day.DayOfWeek() == 0)
        return CommandOutcome::ViewChanged; // Sunday has no column in the timetable
    CPlanovaDoc& document = view.Document();
    document.UpdateDay(day,
                       [&](CDayData& work) { InsertTimetable(work, document.Jikannwari, state.JUwagaki); });
    state.CurrentDate = day;
    state.CalendarDate = day;
    return CommandOutcome::DocumentChanged;
}

CommandOutcome RunToDoSortKey(PlannerView& view, ViewServices&)
{
    view.State.ToDoSort = view.State.ToDoSort == 0 ? 1 : 0;
    return CommandOutcome::ViewChanged;
}

std::string ToDoSortKeyText(const PlannerView& view)
{
    return view.State.ToDoSort == 0 ? "ToDoソート基準を「期限」にする" : "ToDoソート基準を「重要度」にする";
}

} // namespace planova
