#include "gui/QtViewDialogs.h"

#include "canvas/QtText.h"
#include "gui/CDayDataIns.h"
#include "gui/CPrintDlg.h"
#include "gui/ExportDialogs.h"
#include "gui/PrintPipeline.h"
#include "gui/UserDialogs.h"

#include <QFileInfo>

namespace planova {

bool QtViewDialogs::EditEntry(EntryDialogValues& values)
{
    if (!EntryDialog)
        EntryDialog = new CDayDataIns(Parent);
    return EntryDialog->Run(values);
}

void QtViewDialogs::ExportDocument(ExportKind kind, const CPlanovaDoc& document)
{
    const ExportFormat format =
        kind == ExportKind::ICalendar ? ExportFormat::ICalendar : ExportFormat::DayCsv;
    planova::ExportDocument(Parent, document, format, DocumentPath ? DocumentPath() : QString());
}

bool QtViewDialogs::PrintOptions(PrintDialogModel& model)
{
    if (!PrintDialog)
        PrintDialog = new CPrintDlg(Parent);
    return PrintDialog->Run(model);
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
    }
    return false;
}

void QtViewDialogs::ShowMessage(const std::string& message)
{
    ShowError(Parent, Utf8Text(message));
}

} // namespace planova
