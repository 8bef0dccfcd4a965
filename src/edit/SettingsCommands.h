#pragma once

#include <string>

namespace planova {

class PlannerView;

/**
 * "時間割データの挿入": the day of the selected column (the shown day in the day view) gets the weekly
 * timetable of its weekday in the plans of its rows labelled "①" … "⑥", replacing them when the
 * view's JUwagaki is on and appended to them when off. The day is stored even when no row had
 * such a label, and becomes the shown day; no undo snapshot is recorded. A Sunday changes nothing.
 */
void InsertTimetableIntoDay(PlannerView& view);

/**
 * "ToDoソート": switches the view's ToDo sort key between importance and deadline. The list is not
 * sorted, and the document is not changed.
 */
void ToggleToDoSortKey(PlannerView& view);

/// The menu text of "ToDoソート" now: the key it switches to.
std::string ToDoSortKeyText(const PlannerView& view);

} // namespace planova
