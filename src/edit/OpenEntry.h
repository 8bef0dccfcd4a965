#pragma once

namespace planova {

class ViewServices;
class PlannerView;

/**
 * Opens the selection ("編集"). A month cell or a week date header shows that day in the day view
 * (the ToDo pane and print type stay as they are). Any other cell of the day and week views edits
 * its entry with the dialog: the kind and event, a period row or the memo (the day view's date
 * header opens nothing). A ToDo row above the header edits its item, or enters a new item appended
 * at the end when the row is empty, and the selection then marks that item. Afterwards the day
 * that was opened is the shown day, whether the dialog was confirmed or not.
 * Returns true when the document was changed.
 */
bool OpenEntry(PlannerView& view, ViewServices& dialogs);

} // namespace planova
