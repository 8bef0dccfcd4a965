#include "edit/ClipboardCommands.h"

#include "dialogs/ViewServices.h"
#include "edit/Selection.h"
#include "edit/TextPaste.h"
#include "model/Clock.h"

namespace planova {

namespace {

/// SelectedCell mod 13 outside the month view; −1 when no cell is selected or in the month view.
int SelectedDayRow(const PlannerView& view)
{
    const int cell = view.State.SelectedCell;
    return cell >= 0 && view.Mode() != ViewMode::Month ? cell % DayRow::Count : -1;
}

bool SelectsCellRow(const PlannerView& view)
{
    const int row = SelectedDayRow(view);
    return row >= DayRow::KindAndEvent && row <= DayRow::Memo;
}

/// The selected cell's row; its day becomes the shown day.
int ShowSelectedCell(PlannerView& view)
{
    const DateTime day = SelectedColumnDay(view);
    view.State.CurrentDate = day;
    view.State.CalendarDate = day;
    return SplitCell(view.Mode(), view.State.SelectedCell).Row;
}

bool SelectsPaneRow(const PlannerView& view)
{
    return view.State.SelectedCell <= 0 && view.State.SelectedToDoRow >= 1;
}

/// Another program's text: into the selected cell, or as ToDo items after the list.
CommandOutcome PasteOutsideText(PlannerView& view, ViewServices& dialogs, std::string_view text)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    PasteLoss loss;
    if (SelectsPaneRow(view)) {
        const std::vector<CToDo> items = PastedToDos(text, Now().DateOnly(), loss);
        if (items.empty())
            return CommandOutcome::ViewChanged;
        for (const CToDo& item : items)
            document.AppendToDo(item);
        SelectPaneRow(state, document.ToDoCount() - state.ToDoScrollTop);
    } else if (SelectsCellRow(view)) {
        const int row = ShowSelectedCell(view);
        document.UpdateDay(state.CurrentDate, [&](CDayData& day) { PasteTextIntoDay(day, row, text, loss); });
    } else {
        return CommandOutcome::ViewChanged;
    }
    if (loss.Any())
        dialogs.ShowMessage(loss.Message());
    return CommandOutcome::DocumentChanged;
}

/// Ends a copy or cut: what it took goes to the system clipboard too.
void ShareTakenTexts(const PlannerView& view, ViewServices& dialogs)
{
    dialogs.SetSystemClipboardText(view.State.Clipboard.PlainText);
}

} // namespace

bool CanCopy(const PlannerView& view)
{
    const int p = view.State.SelectedToDoRow;
    return SelectsCellRow(view) || (p >= 1 && p <= view.Document().ToDoCount());
}

bool CanCut(const PlannerView& view)
{
    return SelectsCellRow(view);
}

bool IsOutsideText(const ClipboardRecord& clip, std::string_view systemText)
{
    return !systemText.empty() && systemText != clip.PlainText;
}

bool CanPaste(const PlannerView& view)
{
    const int kind = view.State.Clipboard.ClipKind;
    return (kind != ClipEmpty && SelectsCellRow(view)) || kind == ClipToDo ||
           (view.State.OutsideClipboardText && (SelectsCellRow(view) || SelectsPaneRow(view)));
}

CommandOutcome RunCopy(PlannerView& view, ViewServices& dialogs)
{
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (state.SelectedCell <= 0 && state.SelectedToDoRow >= 1) {
        const int n = SelectedItem(state);
        if (n < 0 || n >= document.ToDoCount())
            return CommandOutcome::ViewChanged; // an empty pane row below the last item: nothing to copy
        CopyToDo(state.Clipboard, document.ToDo(n));
    } else {
        const int row = ShowSelectedCell(view);
        CopyCell(state.Clipboard, state.Copy, document.Day(state.CurrentDate), row, Now());
    }
    ShareTakenTexts(view, dialogs);
    return CommandOutcome::ViewChanged;
}

CommandOutcome RunCut(PlannerView& view, ViewServices& dialogs)
{
    ViewState& state = view.State;
    const int row = ShowSelectedCell(view);
    view.Document().UpdateDay(state.CurrentDate,
                              [&](CDayData& day) { CutCell(state.Clipboard, state.Copy, day, row); });
    ShareTakenTexts(view, dialogs);
    return CommandOutcome::DocumentChanged;
}

CommandOutcome RunPaste(PlannerView& view, ViewServices& dialogs)
{
    if (const std::string outside = dialogs.SystemClipboardText();
        IsOutsideText(view.State.Clipboard, outside))
        return PasteOutsideText(view, dialogs, outside);
    ViewState& state = view.State;
    CPlanovaDoc& document = view.Document();
    if (state.Clipboard.ClipKind == ClipToDo) {
        const int n = document.ToDoCount();
        document.AppendToDo(ClippedToDo(state.Clipboard));
        SelectPaneRow(state, n + 1 - state.ToDoScrollTop);
    } else {
        const int row = ShowSelectedCell(view);
        document.UpdateDay(state.CurrentDate,
                           [&](CDayData& day) { PasteCell(state.Clipboard, state.Copy, day, row); });
    }
    return CommandOutcome::DocumentChanged;
}

} // namespace planova
