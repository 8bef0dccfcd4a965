#include "edit/PrintCommands.h"

#include "dialogs/ViewServices.h"
#include "print/Imposition.h"
#include "print/PrintJob.h"
#include "view/PlannerView.h"

namespace planova {

CommandOutcome RunPrintCommand(PlannerView& view, ViewServices& dialogs, PrintOutput output)
{
    PrintDialogModel model(view.Print, view.State.CurrentDate, output == PrintOutput::Preview);
    if (!dialogs.PrintOptions(model))
        return CommandOutcome::NotRun;
    const bool saved = model.Values().SaveSettings;
    const ViewPrintState job = AcceptPrintDialog(model, view.Print, view.Document());
    if (!CanPrint(job))
        dialogs.ShowMessage(UnknownPrintTypeMessage);
    else if (output == PrintOutput::ImposedPdfFile && !PlanImposition(job))
        dialogs.ShowMessage(CannotImposeMessage);
    else
        dialogs.PrintPages(view.Document(), job, output);
    return saved ? CommandOutcome::DocumentChanged : CommandOutcome::ViewChanged;
}

} // namespace planova
