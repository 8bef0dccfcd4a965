#include "gui/PrintPipeline.h"

#include "canvas/PrintOutput.h"
#include "canvas/QtText.h"
#include "gui/CupsSubmission.h"
#include "gui/LocalPath.h"
#include "gui/StepProgressDialog.h"
#include "gui/UserDialogs.h"
#include "model/OutOfMemory.h"
#include "model/OutputOverInput.h"
#include "model/Clock.h"
#include "print/PrintJob.h"
#include "print/RefillPaper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

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

/// The number of pages the printer's range leaves of the job (fromPage 0: all of them).
int PagesInRange(const QPrinter& printer, int jobPages)
{
    if (printer.fromPage() <= 0)
        return jobPages;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), jobPages) : jobPages;
    return std::max(0, last - printer.fromPage() + 1);
}

bool ConfirmPrinting(QWidget* parent, const QString& text)
{
    return UserDialogs::Current().Ask(parent, {QMessageBox::Question,
                                               text,
                                               {{QMessageBox::Ok, QStringLiteral("OK")},
                                                {QMessageBox::Cancel, QStringLiteral("キャンセル")}},
                                               QMessageBox::Ok,
                                               QStringLiteral("印刷")}) == QMessageBox::Ok;
}

} // namespace

PrintOutputContext MakePrintOutputContext(QWidget* parent, const QString& title, const QString& documentPath)
{
    return PrintOutputContext{parent,
                              title,
                              documentPath,
                              [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); },
                              [](QPrintPreviewDialog& preview) { preview.exec(); },
                              [](QPrintDialog& dialog) { return dialog.exec(); },
                              [parent](const QString& text) { ShowInStatusBar(parent, text); }};
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

void KeepRefillPaper(QPrinter& printer, const QPageLayout& asked)
{
    const QPageSize chosen = printer.pageLayout().pageSize();
    if (chosen.isEquivalentTo(asked.pageSize()))
        return;
    const QPageSize fallback = QPrinterInfo(printer).defaultPageSize();
    if (fallback.isValid() && !chosen.isEquivalentTo(fallback))
        return;
    QPageLayout layout = asked;
    layout.setPageSize(PrinterPageSize(printer, asked.pageSize()));
    printer.setPageLayout(layout);
    printer.setFullPage(true);
}

QString PrintConfirmationText(const ViewPrintState& job, int pages, const QString& printerName)
{
    return QStringLiteral("%1 %2 ページを %3 に印刷します。")
        .arg(QString::fromUtf8(RefillPaperOf(job.PPaperType).Name))
        .arg(pages)
        .arg(printerName);
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
    const int jobPages = PrintPageCount(job);
    if (job.PDialog) {
        const QPageLayout asked = printer.pageLayout();
        QPrintDialog dialog(&printer, context.Parent);
        dialog.setMinMax(1, jobPages);
        if (context.RunPrintDialog(dialog) != QDialog::Accepted)
            return false;
        KeepRefillPaper(printer, asked);
    }
    const int pages = PagesInRange(printer, jobPages);
    if (!ConfirmPrinting(context.Parent, PrintConfirmationText(job, pages, printer.printerName())))
        return false;
    // The pages are made into a file and handed to CUPS once they are all made: "キャンセル"
    // meanwhile leaves nothing in the printer's queue.
    const CupsJob cups = CupsJobOf(printer);
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("job.pdf"));
    printer.setOutputFileName(pdf);
    QPainter painter;
    if (!folder.isValid() || !painter.begin(&printer)) {
        ShowError(
            context.Parent,
            QStringLiteral("印刷を始められませんでした。一時フォルダーに書き込めるか確かめてください。"));
        return false;
    }
    StepProgressDialog progress(context.Parent, QStringLiteral("印刷"),
                                QStringLiteral("%1 に送るページを作っています...").arg(cups.Printer));
    bool finished = false;
    const Outcome painted = GuardMemory("印刷", [&] {
        finished =
            PaintPrintJob(painter, printer, document, job, EnvironmentNow(), printer.fromPage(),
                          printer.toPage(), [&](int done, int total) { return progress.Step(done, total); });
        return Outcome::Done();
    });
    progress.close();
    const bool written = painter.end();
    if (!painted.Ok) {
        ShowError(context.Parent, Utf8Text(painted.Error));
        return false;
    }
    if (!finished) {
        context.ShowStatus(QStringLiteral("印刷を取り消しました。プリンターには何も送っていません。"));
        return false;
    }
    const QString refused =
        written ? SubmitToCups(cups, pdf) : QStringLiteral("ページを書き出せませんでした。");
    if (!refused.isEmpty()) {
        ShowError(context.Parent,
                  QStringLiteral("%1 に印刷できませんでした。\n%2").arg(cups.Printer, refused));
        return false;
    }
    context.ShowStatus(QStringLiteral("%1 ページを %2 に送りました。").arg(pages).arg(cups.Printer));
    return true;
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
