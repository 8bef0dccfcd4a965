#pragma once

#include "edit/CommandTable.h"

#include <string>

namespace planova {

class PlannerView;
class ViewServices;

// The commands of the settings and of the weekly timetable: the actions their rows of the command
// table point to. None of them records undo.

/**
 * "プロパティ...": the property sheet on copies of the settings; OK takes them over into the view
 * and the document (ApplyPropertySheet) and marks the document modified. Cancel changes nothing.
 */
CommandOutcome RunProperties(PlannerView& view, ViewServices& dialogs);

/**
 * "時間割データの挿入" (enabled as the day fills, CanFillDay): the day of the selected column (the
 * shown day in the day view) gets the weekly timetable of its weekday in the plans of its rows
 * labelled "①" … "⑥", replacing them when the view's JUwagaki is on and appended to them when
 * off. The day is stored even when no row had such a label, and becomes the shown day. A Sunday
 * changes nothing.
 */
CommandOutcome RunInsertTimetable(PlannerView& view, ViewServices& dialogs);

/**
 * "ToDoソート": switches the view's ToDo sort key between importance and deadline. The list is not
 * sorted, and the document is not changed.
 */
CommandOutcome RunToDoSortKey(PlannerView& view, ViewServices& dialogs);

/// The menu text of "ToDoソート" now: the key it switches to.
std::string ToDoSortKeyText(const PlannerView& view);

} // namespace planova
