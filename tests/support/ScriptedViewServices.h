#pragma once

#include "dialogs/ViewServices.h"

#include <functional>
#include <string>
#include <vector>

namespace planova::test {

/// One scripted dialog: records the values it was started with and answers with its script.
template <typename Values> struct ScriptedDialog
{
    std::function<bool(Values&)> Answer;
    std::vector<Values> Started;

    bool Run(Values& values)
    {
        Started.push_back(values);
        return Answer ? Answer(values) : false;
    }
};

/**
 * The view's dialogs without windows, for every test: each dialog records what it was started
 * with and answers with its script. A dialog without a script is cancelled.
 */
class ScriptedViewServices : public ViewServices
{
public:
    using EntryAnswer = std::function<bool(EntryDialogValues&)>;

    explicit ScriptedViewServices(EntryAnswer entry = {}) : Script(std::move(entry)) {}

    bool EditEntry(EntryDialogValues& values) override
    {
        ApplyStartRule(values);
        Started.push_back(values);
        return Script ? Script(values) : false;
    }

    void OpenFindDialog(FindDialogMode mode) override { FindDialogsOpened.push_back(mode); }

    void SetSystemClipboardText(const std::string& cp932) override { SystemClipboard = cp932; }
    std::string SystemClipboardText() override { return SystemClipboard; }

    void ExportDocument(ExportKind kind, const CPlanovaDoc&) override { Exports.push_back(kind); }

    /// The edit dialog's answer and the values it was started with, in order.
    EntryAnswer Script;
    std::vector<EntryDialogValues> Started;
    /// The modes the find dialog was opened in, in order.
    std::vector<FindDialogMode> FindDialogsOpened;
    /// What the system clipboard holds (code page 932).
    std::string SystemClipboard;

    /// The exports asked for, in order.
    std::vector<ExportKind> Exports;

    void PublishToCalendarServer(const CPlanovaDoc&) override { ++Publishes; }
    bool ImportCalendarEvents(CPlanovaDoc& document) override
    {
        return ImportScript ? ImportScript(document) : false;
    }
    /// How often a publish was asked for; what the import does to the document (none: cancelled).
    int Publishes = 0;
    std::function<bool(CPlanovaDoc&)> ImportScript;

    bool EditProperties(PropertySheetValues& values) override { return Properties.Run(values); }
    bool EditSchoolYear(SchoolYearDialogValues& values) override { return SchoolYear.Run(values); }
    bool CountClassHours(ClassHourValues& values) override { return ClassHours.Run(values); }
    bool EditContentShift(ContentShiftValues& values) override { return ContentShift.Run(values); }

    /// Runs the work; the progress is recorded, and "キャンセル" is pressed after CancelAfter steps.
    void RunWithProgress(const std::string& title,
                         const std::function<void(const StepReport&)>& work) override
    {
        ProgressTitles.push_back(title);
        work([this](int done, int total) {
            Progress.emplace_back(done, total);
            return CancelAfter < 0 || done < CancelAfter;
        });
    }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    /// Records the question and answers OverwriteAnswer.
    bool ConfirmOverwrite(const std::string& question) override
    {
        Questions.push_back(question);
        return OverwriteAnswer;
    }

    ScriptedDialog<PropertySheetValues> Properties;
    ScriptedDialog<SchoolYearDialogValues> SchoolYear;
    ScriptedDialog<ClassHourValues> ClassHours;
    ScriptedDialog<ContentShiftValues> ContentShift;
    int CancelAfter = -1; ///< −1: never
    /// The overwrite questions asked, and the answer (unlike a dialog, "OK" unless told otherwise: most
    /// tests run the tools over typed days on purpose).
    std::vector<std::string> Questions;
    bool OverwriteAnswer = true;
    std::vector<std::string> ProgressTitles;
    std::vector<std::pair<int, int>> Progress;

    // ---- Printing ----------------------------------------------------------------------------
    using PrintOptionsAnswer = std::function<bool(PrintDialogModel&)>;
    /// A print job that was put out.
    struct PrintedJob
    {
        ViewPrintState Job;
        PrintOutput Output;
    };

    bool PrintOptions(PrintDialogModel& model) override
    {
        ++PrintOptionRuns;
        OptionsInPreview = model.IsPreview();
        return PrintOptionsScript ? PrintOptionsScript(model) : false;
    }
    bool PrintPages(const CPlanovaDoc&, const ViewPrintState& job, PrintOutput output) override
    {
        Printed.push_back({job, output});
        return true;
    }

    /// The print options dialog's answer (none: cancelled), how often it ran and whether in preview.
    PrintOptionsAnswer PrintOptionsScript;
    int PrintOptionRuns = 0;
    bool OptionsInPreview = false;
    std::vector<PrintedJob> Printed;
    std::vector<std::string> Messages;
};

/// Dialogs whose edit dialog confirms after the change applied to its values.
inline ScriptedViewServices Confirming(std::function<void(EntryDialogValues&)> change = {})
{
    return ScriptedViewServices([change](EntryDialogValues& values) {
        if (change)
            change(values);
        return true;
    });
}

/// Dialogs whose edit dialog is cancelled after the user typed into it.
inline ScriptedViewServices Cancelling()
{
    return ScriptedViewServices([](EntryDialogValues& values) {
        values.Text1 = "typed";
        values.ComboText = "typed";
        values.ColorIndex = 5;
        return false;
    });
}

} // namespace planova::test
