#pragma once

#include <string_view>

namespace planova {

/// The undo step of an entry typed in the edit dialog, however it was opened (menu, Enter, double click).
constexpr std::string_view CellEditStep = "セルの編集";

class ViewServices;
class PlannerView;

/**
 * Opens the selection ("編集"). A month cell or a week date header shows that day in the day view
 * (the ToDo pane and print type stay as they are). Any other cell of the day and week views edits
 * its entry with the dialog: the kind and event, a period row or the memo (the day view's date
 * header opens nothing). A ToDo row above the header edits its item, or enters a new item appended
 * at the end when the row is empty, and the selection then marks that item. Afterwards the day
 * that was opened is the shown day, whether the dialog was confirmed or not.
 * Returns true when the document was changed; the change is one undo step, CellEditStep.
 */
bool OpenEntry(PlannerView& view, ViewServices& dialogs);

} // namespace planova
