#include "edit/SchoolToolCommands.h"

#include "calendar/ContentShift.h"
#include "calendar/SchoolYear.h"
#include "dialogs/ViewServices.h"
#include "edit/TypedTextsOverwritten.h"
#include "model/CPlanovaDoc.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

namespace planova {
namespace {

/**
 * Runs the tool on a copy of the document first: when it would change days with typed texts, the
 * user is asked, naming how many. True when the tool may run on the document itself.
 */
template <typename Tool> bool MayOverwrite(CPlanovaDoc& document, ViewServices& dialogs, Tool tool)
{
    CPlanovaDoc trial = document.ContentCopy();
    tool(trial);
    const TypedTextsOverwritten counts = CountTypedTextsOverwritten(document, trial);
    return !counts.Any() || dialogs.ConfirmOverwrite(OverwriteQuestion(counts));
}

} // namespace

CommandOutcome RunMakeYear(PlannerView& view, ViewServices& dialogs)
{
    SchoolYearDialogValues values = SchoolYearDialogDefaults(Now(), view.State.JUwagaki);
    if (!dialogs.EditSchoolYear(values))
        return CommandOutcome::ViewChanged;
    view.State.JUwagaki = values.Overwrite;
    const SchoolYearParameters parameters = SchoolYearDialogParameters(values);
    if (!MayOverwrite(view.Document(), dialogs,
                      [&](CPlanovaDoc& trial) { MakeSchoolYear(trial, parameters); }))
        return CommandOutcome::ViewChanged;
    SchoolYearRun run;
    dialogs.RunWithProgress("データの自動作成", [&](const ViewServices::StepReport& report) {
        run = MakeSchoolYearStepwise(view.Document(), parameters, report);
    });
    if (!run.Result.Ok)
        dialogs.ShowMessage(run.Result.Error);
    else if (run.Stopped())
        dialogs.ShowMessage(SchoolYearStoppedMessage(parameters, run));
    return run.DaysWritten > 0 ? CommandOutcome::DocumentChanged : CommandOutcome::ViewChanged;
}

CommandOutcome RunClassHours(PlannerView& view, ViewServices& dialogs)
{
    ClassHourValues values = StartClassHourCount(view);
    if (!dialogs.CountClassHours(values))
        return CommandOutcome::ViewChanged;
    CountIntoResults(view, values);
    // What is typed into the shown results is not used; only whether to save.
    ClassHourValues shown = values;
    if (!dialogs.CountClassHours(shown) || !shown.SaveSettings)
        return CommandOutcome::ViewChanged;
    SaveClassHourSettings(view, values);
    return CommandOutcome::DocumentChanged;
}

CommandOutcome RunContentShift(PlannerView& view, ViewServices& dialogs)
{
    ContentShiftValues values = ContentShiftDefaults(view.State.CurrentDate);
    if (!dialogs.EditContentShift(values))
        return CommandOutcome::ViewChanged;
    const auto shift = [&](CPlanovaDoc& document) {
        return ShiftContents(document, values.Direction, values.Start, values.End, values.ClassName);
    };
    if (!MayOverwrite(view.Document(), dialogs, shift))
        return CommandOutcome::ViewChanged;
    const Outcome shifted = shift(view.Document());
    if (!shifted.Ok) {
        dialogs.ShowMessage(shifted.Error);
        return CommandOutcome::ViewChanged;
    }
    return CommandOutcome::DocumentChanged;
}

} // namespace planova
