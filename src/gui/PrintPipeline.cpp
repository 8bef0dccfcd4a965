#include "gui/PrintPipeline.h"

#include "canvas/PrintOutput.h"
#include "canvas/QtText.h"
#include "gui/UserDialogs.h"
#include "print/PrintJob.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace planova {

namespace {

PrintEnvironment EnvironmentNow()
{
    return PrintEnvironmentAt(QDateTime::currentDateTime(), QCoreApplication::applicationDirPath());
}

/// The page size the printer is asked for: the named size when the printer lists it, else the same size as a
/// custom one.
QPageSize PrinterPageSize(const QPrinter& printer, const QPageSize& wanted)
{
    const QPrinterInfo info(printer);
    if (info.isNull())
        return wanted;
    for (const QPageSize& supported : info.supportedPageSizes()) {
        if (supported.isEquivalentTo(wanted))
            return supported;
    }
    return QPageSize(wanted.size(QPageSize::Millimeter), QPageSize::Millimeter, wanted.name(),
                     QPageSize::ExactMatch);
}

} // namespace

PrintRequest MakePrintRequest(CPlanovaDoc& document, ViewPrintState& print, const DateTime& currentDate,
                              const QString& title, QWidget* parent, PrintOptionsDialog& options)
{
    return PrintRequest{document,
                        print,
                        currentDate,
                        title,
                        parent,
                        options,
                        [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); },
                        [](QPrintPreviewDialog& preview) { preview.exec(); }};
}

std::optional<ViewPrintState> AskPrintJob(PrintRequest& request, bool preview)
{
    PrintDialogModel model(request.Print, request.CurrentDate, preview);
    if (!request.Options.Run(model))
        return std::nullopt;
    const ViewPrintState job = AcceptPrintDialog(model, request.Print, request.Document);
    if (!CanPrint(job)) {
        ShowError(request.Parent, QStringLiteral("この印刷タイプはまだ印刷できません。"));
        return std::nullopt;
    }
    return job;
}

void SetUpPrinter(QPrinter& printer, const ViewPrintState& job, const QString& title)
{
    QPageLayout layout = PrintPageLayout(job);
    layout.setPageSize(PrinterPageSize(printer, layout.pageSize()));
    // (0, 0) of the painter is the paper's corner; the page layouts keep their own margins.
    layout.setMode(QPageLayout::FullPageMode);
    printer.setPageLayout(layout);
    printer.setFullPage(true);
    printer.setDocName(title);
}

bool RunPrintCommand(PrintRequest& request)
{
    const std::optional<ViewPrintState> job = AskPrintJob(request, false);
    if (!job)
        return false;
    if (!request.PrinterAvailable()) {
        ShowError(request.Parent, QStringLiteral("プリンターが見つかりません。プリンターを設定するか、"
                                                 "プレビューまたは「PDFに書き出し...」をお使いください。"));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *job, request.Title);
    if (job->PDialog) {
        QPrintDialog dialog(&printer, request.Parent);
        dialog.setMinMax(1, PrintPageCount(*job));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowError(request.Parent,
                  QStringLiteral("印刷を始められませんでした。プリンターの状態を確かめてください。"));
        return false;
    }
    PaintPrintJob(painter, printer, request.Document, *job, EnvironmentNow(), printer.fromPage(),
                  printer.toPage());
    return painter.end();
}

bool RunPreviewCommand(PrintRequest& request)
{
    const std::optional<ViewPrintState> job = AskPrintJob(request, true);
    if (!job)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, *job, request.Title);
    QPrintPreviewDialog preview(&printer, request.Parent);
    preview.setWindowTitle(QStringLiteral("プレビュー - ") + request.Title);
    const PrintEnvironment environment = EnvironmentNow();
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        QPainter painter(target);
        PaintPrintJob(painter, *target, request.Document, *job, environment);
    });
    request.ShowPreview(preview);
    return true;
}

bool RunExportPdfCommand(PrintRequest& request)
{
    const std::optional<ViewPrintState> job = AskPrintJob(request, false);
    if (!job)
        return false;
    const QString suggested = QFileInfo(request.Title).completeBaseName() + QStringLiteral(".pdf");
    int filter = 0;
    const QString path = UserDialogs::Current().ExportFileName(
        request.Parent, QStringLiteral("PDFに書き出し"), suggested, {QStringLiteral("PDF (*.pdf)")}, filter);
    if (path.isEmpty())
        return false;
    const Outcome written =
        ExportPdf(path.toStdString(), request.Document, *job, EnvironmentNow(), request.Title);
    if (!written.Ok) {
        ShowError(request.Parent, QStringLiteral("PDFに書き出せませんでした。\n") + path +
                                      QStringLiteral("\n") + Utf8Text(written.Error));
        return false;
    }
    return true;
}

} // namespace planova
