#include "edit/SchoolToolCommands.h"

#include "calendar/ContentShift.h"
#include "calendar/SchoolYear.h"
#include "dialogs/ViewServices.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

namespace planova {

CommandOutcome RunMakeYear(PlannerView& view, ViewServices& dialogs)
{
    SchoolYearDialogValues values = SchoolYearDialogDefaults(Now(), view.State.JUwagaki);
    if (!dialogs.EditSchoolYear(values))
        return CommandOutcome::ViewChanged;
    view.State.JUwagaki = values.Overwrite;
    const SchoolYearParameters parameters = SchoolYearDialogParameters(values);
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
    const Outcome shifted =
        ShiftContents(view.Document(), values.Direction, values.Start, values.End, values.ClassName);
    if (!shifted.Ok) {
        dialogs.ShowMessage(shifted.Error);
        return CommandOutcome::ViewChanged;
    }
    return CommandOutcome::DocumentChanged;
}

} // namespace planova
