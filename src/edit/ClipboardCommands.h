#pragma once

#include "view/ViewClipboard.h"

namespace planova {

class PlannerView;

// Cut, copy and paste of the view's selection through the view's own clipboard
// (ViewState::Clipboard), under its copy options (ViewState::Copy). Copy changes only the
// clipboard; cut and paste store the day or the ToDo list, which marks the document modified,
// also when nothing changed. None of them records undo. Each leaves the shown day in the
// working day.

/// "コピー(&C)": (not the month view and a cell of rows 1–12) or a pane row of an item.
bool CanCopy(const PlannerView& view);
/// "切り取り(&T)": not the month view and a cell of rows 1–12.
bool CanCut(const PlannerView& view);
/// "貼り付け(&P)": (not the month view, something clipped and a cell of rows 1–12) or a ToDo item clipped.
bool CanPaste(const PlannerView& view);

/**
 * Copy of the selected item (a pane row is selected and no cell beyond the first), otherwise of the
 * selected cell, whose day becomes the shown day.
 */
void CopySelection(PlannerView& view);
/// Cut of the selected cell: its taken fields are emptied and the day stored. Returns true (stored).
bool CutSelection(PlannerView& view);
/**
 * Paste: a clipped ToDo item is appended to the list and selected, whatever is selected; otherwise
 * the selected cell's day gets the clip when the kinds agree and is stored in any case. Returns
 * true (stored).
 */
bool PasteSelection(PlannerView& view);

} // namespace planova
