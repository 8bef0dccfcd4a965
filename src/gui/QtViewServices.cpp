#include "gui/QtViewServices.h"

#include "gui/CMainFrame.h"

#include "canvas/QtText.h"
#include "gui/AppSettings.h"
#include "gui/QtEntryDialog.h"
#include "gui/QtFindDialog.h"
#include "gui/QtClassHourDialog.h"
#include "gui/QtContentShiftDialog.h"
#include "gui/QtSchoolYearDialog.h"
#include "gui/QtPrintDialog.h"
#include "gui/QtPropertySheet.h"
#include "gui/Interchange.h"
#include "gui/PrintPipeline.h"
#include "gui/StepProgressDialog.h"
#include "gui/UserDialogs.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

namespace planova {

bool QtViewServices::EditEntry(EntryDialogValues& values)
{
    if (!EntryDialog)
        EntryDialog = new QtEntryDialog(Parent);
    return EntryDialog->Run(values);
}

void QtViewServices::OpenFindDialog(FindDialogMode mode)
{
    // The main window keeps one find dialog for all its document windows.
    if (auto* frame = Parent ? qobject_cast<CMainFrame*>(Parent->window()) : nullptr)
        frame->FindDialog().Open(mode);
}

void QtViewServices::SetSystemClipboardText(const std::string& cp932)
{
    QGuiApplication::clipboard()->setText(DisplayText(cp932));
}

std::string SystemClipboardCp932()
{
    // Other programs end lines with CR LF, LF or CR; the model's line break is CR LF.
    QString text = QGuiApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ToCp932(text).Bytes;
}

std::string QtViewServices::SystemClipboardText()
{
    return SystemClipboardCp932();
}

void QtViewServices::ExportDocument(ExportKind kind, const CPlanovaDoc& document)
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
    if (Interchange* exchange = Interchange::Get(Parent))
        exchange->ExportDocument(Parent, document, format, DocumentPath ? DocumentPath() : QString());
}

void QtViewServices::PublishToCalendarServer(const CPlanovaDoc& document)
{
    if (Interchange* exchange = Interchange::Get(Parent))
        exchange->PublishWithDialog(Parent, document, UserSettings);
}

bool QtViewServices::ImportCalendarEvents(CPlanovaDoc& document)
{
    Interchange* exchange = Interchange::Get(Parent);
    return exchange != nullptr && exchange->ImportEventsWithDialog(Parent, document, UserSettings);
}

bool QtViewServices::PrintOptions(PrintDialogModel& model)
{
    QtPrintDialog dialog(Parent);
    return dialog.Run(model);
}

QString QtViewServices::DocumentTitle() const
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

bool QtViewServices::PrintPages(const CPlanovaDoc& document, const ViewPrintState& job, PrintOutput output)
{
    const PrintOutputContext context =
        MakePrintOutputContext(Parent, DocumentTitle(), DocumentPath ? DocumentPath() : QString());
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

bool QtViewServices::EditProperties(PropertySheetValues& values)
{
    return RunOnce<QtPropertySheet>(Parent, values);
}

bool QtViewServices::EditSchoolYear(SchoolYearDialogValues& values)
{
    // "地域の休日" starts on the user's last choice and is remembered on OK.
    if (UserSettings != nullptr)
        values.LocalHolidays = UserSettings->SchoolYearLocalHolidays();
    if (!RunOnce<QtSchoolYearDialog>(Parent, values))
        return false;
    if (UserSettings != nullptr)
        UserSettings->SetSchoolYearLocalHolidays(values.LocalHolidays);
    return true;
}

bool QtViewServices::CountClassHours(ClassHourValues& values)
{
    return RunOnce<QtClassHourDialog>(Parent, values);
}

bool QtViewServices::EditContentShift(ContentShiftValues& values)
{
    return RunOnce<QtContentShiftDialog>(Parent, values);
}

void QtViewServices::RunWithProgress(const std::string& title,
                                     const std::function<void(const StepReport&)>& work)
{
    StepProgressDialog progress(Parent, Utf8Text(title), QStringLiteral("データを作成しています..."));
    work([&progress](int done, int total) { return progress.Step(done, total); });
}

void QtViewServices::ShowMessage(const std::string& text)
{
    UserDialogs::Current().Ask(
        Parent, {QMessageBox::Information, Utf8Text(text), {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok});
}

bool QtViewServices::ConfirmOverwrite(const std::string& question)
{
    return UserDialogs::Current().Ask(Parent, {QMessageBox::Question,
                                               Utf8Text(question),
                                               {{QMessageBox::Ok, QStringLiteral("OK")},
                                                {QMessageBox::Cancel, QStringLiteral("キャンセル")}},
                                               QMessageBox::Cancel}) == QMessageBox::Ok;
}

} // namespace planova
