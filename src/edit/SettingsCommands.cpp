#include "edit/SettingsCommands.h"

#include "calendar/Timetable.h"
#include "edit/Selection.h"
#include "view/PlannerView.h"

namespace planova {

void InsertTimetableIntoDay(PlannerView& view)
{
    ViewState& state = view.State;
    const int column =
        view.Mode() == ViewMode::Week ? SplitCell(ViewMode::Week, state.SelectedCell).Column : 0;
    const DateTime day = state.FirstShownDate.AddDays(column);
    if (day.DayOfWeek() == 0)
        return; // Sunday has no column in the timetable
    CPlanovaDoc& document = view.Document();
    document.LoadDay(day);
    InsertTimetable(document.WorkDay, document.Jikannwari, state.JUwagaki);
    document.StoreDay();
    state.CurrentDate = day;
    state.CalendarDate = day;
}

void ToggleToDoSortKey(PlannerView& view)
{
    view.State.ToDoSort = view.State.ToDoSort == 0 ? 1 : 0;
}

std::string ToDoSortKeyText(const PlannerView& view)
{
    return view.State.ToDoSort == 0 ? "ToDoソート基準を「期限」にする" : "ToDoソート基準を「重要度」にする";
}

} // namespace planova
