#include "gui/PrintPipeline.h"

#include "canvas/PrintOutput.h"
#include "canvas/QtText.h"
#include "gui/LocalPath.h"
#include "gui/UserDialogs.h"
#include "model/OutOfMemory.h"
#include "model/OutputOverInput.h"
#include "model/Clock.h"
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
    return PrintEnvironmentAt(Now(), QCoreApplication::applicationDirPath());
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

PrintOutputContext MakePrintOutputContext(QWidget* parent, const QString& title, const QString& documentPath)
{
    return PrintOutputContext{parent, title, documentPath,
                              [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); },
                              [](QPrintPreviewDialog& preview) { preview.exec(); }};
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

bool PrintOnPrinter(const PrintOutputContext& context, const CPlanovaDoc& document, const ViewPrintState& job)
{
    if (!context.PrinterAvailable()) {
        ShowError(context.Parent, QStringLiteral("プリンターが見つかりません。プリンターを設定するか、"
                                                 "プレビューまたは「PDFに書き出し...」をお使いください。"));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, job, context.Title);
    if (job.PDialog) {
        QPrintDialog dialog(&printer, context.Parent);
        dialog.setMinMax(1, PrintPageCount(job));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowError(context.Parent,
                  QStringLiteral("印刷を始められませんでした。プリンターの状態を確かめてください。"));
        return false;
    }
    const Outcome painted = GuardMemory("印刷", [&] {
        PaintPrintJob(painter, printer, document, job, EnvironmentNow(), printer.fromPage(),
                      printer.toPage());
        return Outcome::Done();
    });
    if (!painted.Ok) {
        printer.abort();
        painter.end();
        ShowError(context.Parent, Utf8Text(painted.Error));
        return false;
    }
    return painter.end();
}

bool ShowPrintPreview(const PrintOutputContext& context, const CPlanovaDoc& document,
                      const ViewPrintState& job)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, job, context.Title);
    QPrintPreviewDialog preview(&printer, context.Parent);
    preview.setWindowTitle(QStringLiteral("プレビュー - ") + context.Title);
    // A page is read best on the whole screen; Qt's own preview opens at about 700×500.
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    const PrintEnvironment environment = EnvironmentNow();
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        QPainter painter(target);
        PaintPrintJob(painter, *target, document, job, environment);
    });
    context.ShowPreview(preview);
    return true;
}

bool ExportPrintPdf(const PrintOutputContext& context, const CPlanovaDoc& document, const ViewPrintState& job,
                    PdfSheets sheets)
{
    const QString suggested = QFileInfo(context.Title).completeBaseName() + QStringLiteral(".pdf");
    int filter = 0;
    const QString path = UserDialogs::Current().ExportFileName(
        context.Parent,
        sheets == PdfSheets::ImposedA4 ? QStringLiteral("A4に面付けしてPDFに書き出し")
                                       : QStringLiteral("PDFに書き出し"),
        suggested, {QStringLiteral("PDF (*.pdf)")}, filter);
    if (path.isEmpty())
        return false;
    Outcome written = CheckOutputIsNotInput(LocalPath(context.DocumentPath), LocalPath(path));
    if (written.Ok)
        written = ExportPdf(LocalPath(path), document, job, EnvironmentNow(), context.Title, sheets);
    if (!written.Ok) {
        ShowError(context.Parent, QStringLiteral("PDFに書き出せませんでした。\n") + path +
                                      QStringLiteral("\n") + Utf8Text(written.Error));
        return false;
    }
    return true;
}

} // namespace planova
