#include "gui/QtViewDialogs.h"

#include "canvas/QtText.h"
#include "gui/CDayDataIns.h"
#include "gui/CFindDlg.h"
#include "gui/CJisuuKeisanDlg.h"
#include "gui/CKuriageKurisageDlg.h"
#include "gui/CMakeAuto.h"
#include "gui/CPrintDlg.h"
#include "gui/CPropertySheet.h"
#include "gui/ExportDialogs.h"
#include "gui/PrintPipeline.h"
#include "gui/StepProgressDialog.h"
#include "gui/UserDialogs.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

namespace planova {

bool QtViewDialogs::EditEntry(EntryDialogValues& values)
{
    if (!EntryDialog)
        EntryDialog = new CDayDataIns(Parent);
    return EntryDialog->Run(values);
}

void QtViewDialogs::OpenFindDialog(FindDialogMode mode)
{
    // The main window keeps one find dialog for all its document windows.
    if (auto* dialog = Parent ? Parent->window()->findChild<CFindDlg*>() : nullptr)
        dialog->Open(mode);
}

void QtViewDialogs::SetSystemClipboardText(const std::string& cp932)
{
    QGuiApplication::clipboard()->setText(DisplayText(cp932));
}

void QtViewDialogs::ExportDocument(ExportKind kind, const CPlanovaDoc& document)
{
    ExportFormat format = ExportFormat::ICalendar;
    switch (kind) {
    case ExportKind::ICalendar:
        break;
    case ExportKind::Csv:
        format = ExportFormat::DayCsv;
        break;
    case ExportKind::Workbook:
        format = ExportFormat::Workbook;
        break;
    }
    planova::ExportDocument(Parent, document, format, DocumentPath ? DocumentPath() : QString());
}

bool QtViewDialogs::PrintOptions(PrintDialogModel& model)
{
    CPrintDlg dialog(Parent);
    return dialog.Run(model);
}

QString QtViewDialogs::DocumentTitle() const
{
    const QString path = DocumentPath ? DocumentPath() : QString();
    if (!path.isEmpty())
        return QFileInfo(path).fileName();
    // A document never saved: its window's title is its name with "[*]" where the modified mark goes.
    for (const QWidget* widget = Parent; widget != nullptr; widget = widget->parentWidget()) {
        QString title = widget->windowTitle();
        title.remove(QStringLiteral("[*]"));
        if (!title.isEmpty())
            return title;
    }
    return QStringLiteral("Planova");
}

bool QtViewDialogs::PrintPages(const CPlanovaDoc& document, const ViewPrintState& job, PrintOutput output)
{
    const PrintOutputContext context = MakePrintOutputContext(Parent, DocumentTitle());
    switch (output) {
    case PrintOutput::Printer:
        return PrintOnPrinter(context, document, job);
    case PrintOutput::Preview:
        return ShowPrintPreview(context, document, job);
    case PrintOutput::PdfFile:
        return ExportPrintPdf(context, document, job);
    case PrintOutput::ImposedPdfFile:
        return ExportPrintPdf(context, document, job, PdfSheets::ImposedA4);
    }
    return false;
}

namespace {

/// Runs a dialog made for this one use over the parent: on OK the values become what it confirmed.
template <typename Dialog, typename Values> bool RunOnce(QWidget* parent, Values& values)
{
    Dialog dialog(parent);
    dialog.Start(values);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.Confirmed();
    return true;
}

} // namespace

bool QtViewDialogs::EditProperties(PropertySheetValues& values)
{
    return RunOnce<CPropertySheet>(Parent, values);
}

bool QtViewDialogs::EditSchoolYear(SchoolYearDialogValues& values)
{
    return RunOnce<CMakeAuto>(Parent, values);
}

bool QtViewDialogs::CountClassHours(ClassHourValues& values)
{
    return RunOnce<CJisuuKeisanDlg>(Parent, values);
}

bool QtViewDialogs::EditContentShift(ContentShiftValues& values)
{
    return RunOnce<CKuriageKurisageDlg>(Parent, values);
}

void QtViewDialogs::RunWithProgress(const std::string& title,
                                    const std::function<void(const StepReport&)>& work)
{
    StepProgressDialog progress(Parent, Utf8Text(title), QStringLiteral("データを作成しています..."));
    work([&progress](int done, int total) { return progress.Step(done, total); });
}

void QtViewDialogs::ShowMessage(const std::string& text)
{
    UserDialogs::Current().Ask(
        Parent, {QMessageBox::Information, Utf8Text(text), {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok});
}

} // namespace planova
