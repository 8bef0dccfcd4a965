#include "ShellTestSupport.h"
#include "gui/PrintPipeline.h"
#include "print/PrintTypes.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

using namespace planova;
using namespace planova::test;

namespace {

ViewPrintState DayJob(const CPlanovaDoc& document, int days)
{
    ViewPrintState job = CopyPrintSettings(document);
    job.PrintStartDate = DateTime::FromDate(2024, 6, 10);
    job.PrintEndDate = job.PrintStartDate.AddDays(days - 1);
    return job;
}

} // namespace

class PrintPipelineTest : public QObject
{
    Q_OBJECT

private:
    CPlanovaDoc Document;
    PrintOutputContext Context = MakePrintOutputContext(nullptr, QStringLiteral("年間.dat"));

private slots:
    void ExportWritesThePdfOfTheJob()
    {
        DialogScript script;
        QTemporaryDir folder;
        script->ExportName = folder.filePath(QStringLiteral("年間.pdf"));
        QVERIFY(ExportPrintPdf(Context, Document, DayJob(Document, 3)));
        QCOMPARE(script->ExportAsked.back().Suggested, QStringLiteral("年間.pdf"));
        QCOMPARE(script->ExportAsked.back().Filters, QStringList{QStringLiteral("PDF (*.pdf)")});
        QFile pdf(script->ExportName);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Count 3"));
    }

    void ImposedExportWritesA4SheetsFrontAndBack()
    {
        DialogScript script;
        QTemporaryDir folder;
        script->ExportName = folder.filePath(QStringLiteral("年間.pdf"));
        ViewPrintState job = DayJob(Document, 7);
        job.PPaperType = PaperType::Bible;
        QVERIFY(ExportPrintPdf(Context, Document, job, PdfSheets::ImposedA4));
        QCOMPARE(script->ExportAsked.back().Title, QStringLiteral("A4に面付けしてPDFに書き出し"));
        QFile pdf(script->ExportName);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.contains("/Count 4")); // 7 pages: 4 refills, 2 sheets, both sides

        // A4 refills cannot be imposed: the user is told, nothing is written.
        script->ExportName = folder.filePath(QStringLiteral("a4.pdf"));
        job.PPaperType = PaperType::A4;
        QVERIFY(!ExportPrintPdf(Context, Document, job, PdfSheets::ImposedA4));
        QVERIFY(script->WasAsked(QStringLiteral("Ａ４のリフィルはＡ４用紙に面付けできません。")));
        QVERIFY(!QFile::exists(script->ExportName));
    }

    void ExportCancelledOrFailedWritesNothing()
    {
        DialogScript script;
        QTemporaryDir folder;
        script->ExportName.clear();
        QVERIFY(!ExportPrintPdf(Context, Document, DayJob(Document, 1))); // no file chosen
        QVERIFY(script->Asked.empty());

        script->ExportName = folder.filePath(QStringLiteral("no-such-folder/a.pdf"));
        QVERIFY(!ExportPrintPdf(Context, Document, DayJob(Document, 1)));
        QVERIFY(script->WasAsked(QStringLiteral("PDFに書き出せませんでした。")));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void PrintingWithoutAPrinterSaysSo()
    {
        DialogScript script;
        PrintOutputContext context = Context;
        context.PrinterAvailable = [] { return false; };
        QVERIFY(!PrintOnPrinter(context, Document, DayJob(Document, 1)));
        QVERIFY(script->WasAsked(QStringLiteral("プリンターが見つかりません。")));
    }

    void PreviewShowsEveryPageOnThePrinterPaper()
    {
        ViewPrintState job = DayJob(Document, 4);
        job.PPaperType = PaperType::Mini;
        job.PYoushiType = Orientation::Portrait;
        job.PPageType = PageType::Left;
        int pages = -1;
        QSizeF paperMm;
        PrintOutputContext context = Context;
        context.ShowPreview = [&](QPrintPreviewDialog& preview) {
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            QVERIFY(preview.isMaximized());
            auto* widget = preview.findChild<QPrintPreviewWidget*>();
            QVERIFY(widget != nullptr);
            widget->updatePreview();
            QCoreApplication::processEvents();
            pages = widget->pageCount();
            paperMm = preview.printer()->pageLayout().fullRect(QPageLayout::Millimeter).size();
            const QString pictures = qEnvironmentVariable("PLANOVA_PRINT_IMAGES");
            if (!pictures.isEmpty()) {
                preview.resize(900, 700);
                widget->fitInView();
                QCoreApplication::processEvents();
                preview.grab().save(pictures + QStringLiteral("/print-preview.png"));
            }
            preview.close();
        };
        QVERIFY(ShowPrintPreview(context, Document, job));
        QCOMPARE(pages, 4);
        QCOMPARE(qRound(paperMm.width()), 100); // the Japanese postcard, upright
        QCOMPARE(qRound(paperMm.height()), 148);
    }

    void ThePrinterGetsThePaperOfTheRefill()
    {
        ViewPrintState job;
        job.PPaperType = PaperType::Bible;
        job.PYoushiType = Orientation::Landscape;
        QPrinter printer(QPrinter::HighResolution);
        SetUpPrinter(printer, job, QStringLiteral("年間.dat"));
        const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
        QCOMPARE(qRound(paper.width()), 210); // A5 on its side
        QCOMPARE(qRound(paper.height()), 148);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(printer.fullPage());
        QCOMPARE(printer.docName(), QStringLiteral("年間.dat"));
    }
};

QTEST_MAIN(PrintPipelineTest)
#include "PrintPipelineTest.moc"
