#pragma once

#include "dialogs/ViewServices.h"

#include <QString>

#include <functional>

class QWidget;

namespace planova {

class AppSettings;
class QtEntryDialog;

/// The system clipboard's plain text as code page 932 (see ViewServices::SystemClipboardText).
std::string SystemClipboardCp932();

/**
 * The view's dialogs as the application shows them: each method runs the real Qt dialog modally
 * over the parent widget. A dialog is made on first use and kept, owned by the parent.
 */
class QtViewServices : public ViewServices
{
public:
    explicit QtViewServices(QWidget& parent) : Parent(&parent) {}
    /// Dialogs whose edit dialog is one made elsewhere (not owned; it must outlive its use).
    explicit QtViewServices(QtEntryDialog& entryDialog) : EntryDialog(&entryDialog) {}

    bool EditEntry(EntryDialogValues& values) override;
    /// Shows the find dialog of the main window the view sits in (none outside a main window).
    void OpenFindDialog(FindDialogMode mode) override;
    void SetSystemClipboardText(const std::string& cp932) override;
    std::string SystemClipboardText() override;

    bool EditProperties(PropertySheetValues& values) override;
    bool EditSchoolYear(SchoolYearDialogValues& values) override;
    bool CountClassHours(ClassHourValues& values) override;
    bool EditContentShift(ContentShiftValues& values) override;
    void RunWithProgress(const std::string& title,
                         const std::function<void(const StepReport&)>& work) override;
    void ShowMessage(const std::string& text) override;
    bool ConfirmOverwrite(const std::string& question) override;
    void ExportDocument(ExportKind kind, const CPlanovaDoc& document) override;
    void PublishToCalendarServer(const CPlanovaDoc& document) override;
    bool ImportCalendarEvents(CPlanovaDoc& document) override;
    bool PrintOptions(PrintDialogModel& model) override;
    bool PrintPages(const CPlanovaDoc& document, const ViewPrintState& job, PrintOutput output) override;

    /// The path of the document's file (empty while it has never been saved), for file name suggestions.
    std::function<QString()> DocumentPath;
    /// Where "データの自動作成" finds and remembers the user's "地域の休日" (none: always Tokyo's day).
    AppSettings* UserSettings = nullptr;

private:
    /// The title of the document window the parent is in ("Planova" when there is none).
    QString DocumentTitle() const;

    QWidget* Parent = nullptr;
    QtEntryDialog* EntryDialog = nullptr;
};

} // namespace planova
