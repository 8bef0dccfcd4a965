#pragma once

#include "edit/Clipboard.h"
#include "edit/CommandTable.h"
#include "view/PlannerView.h"

namespace planova {

// Cut, copy and paste of the view's selection through the view's own clipboard
// (ViewState::Clipboard), under its copy options (ViewState::Copy): the enable rules and actions
// of their rows in the command table. Copy changes only the clipboard; cut and paste store the
// day or the ToDo list, which marks the document modified, also when nothing changed. Copy and cut
// also put the texts they took on the system clipboard as plain text; paste takes plain text that
// another program put there after them (TextPaste.h).

/// "コピー(&C)": (not the month view and a cell of rows 1–12) or a pane row of an item.
bool CanCopy(const PlannerView& view);
/// "切り取り(&T)": not the month view and a cell of rows 1–12.
bool CanCut(const PlannerView& view);
/**
 * Whether the system clipboard's text is another program's, newer than the view's own record: text
 * that is not what the view's last copy or cut put there.
 */
bool IsOutsideText(const ClipboardRecord& clip, std::string_view systemText);

/// "貼り付け(&P)": (not the month view, something clipped and a cell of rows 1–12) or a ToDo item
/// clipped, or another program's text on the system clipboard and a cell of rows 1–12 or a pane row.
bool CanPaste(const PlannerView& view);

/**
 * "コピー(&C)": the selected item when a pane row is selected and no cell beyond the first, otherwise
 * the selected cell, whose day becomes the shown day.
 */
CommandOutcome RunCopy(PlannerView& view, ViewServices& dialogs);
/// "切り取り(&T)": the selected cell's taken fields are emptied and its day stored.
CommandOutcome RunCut(PlannerView& view, ViewServices& dialogs);
/**
 * "貼り付け(&P)": another program's newer text on the system clipboard goes into the selected cell
 * (one undo step) or, with a pane row selected, becomes ToDo items appended one per line, the last
 * one selected; a text cut to fit or lines left over are told in a message. Otherwise a clipped
 * ToDo item is appended to the list and selected, whatever is selected, or the selected cell's day
 * gets the clip when the kinds agree and is stored in any case.
 */
CommandOutcome RunPaste(PlannerView& view, ViewServices& dialogs);

/// A copy option's check mark.
template <bool CopyOptions::*Option> bool IsCopyOptionOn(const PlannerView& view)
{
    return view.State.Copy.*Option;
}

/// A copy option chosen: it toggles, keeping one option of its group on.
template <bool CopyOptions::*Option> CommandOutcome RunCopyOption(PlannerView& view, ViewServices&)
{
    ToggleCopyOption(view.State.Copy, Option);
    return CommandOutcome::ViewChanged;
}

} // namespace planova
