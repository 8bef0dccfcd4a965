#include "ShellTestSupport.h"
#include "gui/PrintPipeline.h"
#include "print/PrintTypes.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <functional>

using namespace planova;
using namespace planova::test;

namespace C = PrintControl;

namespace {

/// Answers the print options dialog: makes its changes on the model and confirms, or cancels.
class ScriptedPrintOptions : public PrintOptionsDialog
{
public:
    std::function<void(PrintDialogModel&)> Changes;
    bool Confirm = true;
    int Runs = 0;
    bool LastPreview = false;

    bool Run(PrintDialogModel& model) override
    {
        ++Runs;
        LastPreview = model.IsPreview();
        if (Changes)
            Changes(model);
        return Confirm && !model.Confirm(model.Shown());
    }
};

void Choose(PrintDialogModel& model, int control)
{
    QVERIFY(!model.OnControl(control, model.Shown()));
}

void SetDates(PrintDialogModel& model, const DateTime& start, const DateTime& end)
{
    PrintDialogReading reading = model.Shown();
    reading.Start = start;
    reading.End = end;
    QVERIFY(!model.OnControl(C::StartDate, reading));
}

} // namespace

class PrintPipelineTest : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        CPlanovaDoc Document;
        ViewPrintState Print = CopyPrintSettings(Document);
        ScriptedPrintOptions Options;
        PrintRequest Request = MakePrintRequest(Document, Print, DateTime::FromDate(2024, 6, 12),
                                                QStringLiteral("年間.dat"), nullptr, Options);
    };

private slots:
    void ExportWritesThePdfOfTheChosenJob()
    {
        DialogScript script;
        QTemporaryDir folder;
        script->ExportName = folder.filePath(QStringLiteral("年間.pdf"));
        Fixture f;
        f.Options.Changes = [](PrintDialogModel& model) {
            SetDates(model, DateTime::FromDate(2024, 6, 10), DateTime::FromDate(2024, 6, 12));
        };
        QVERIFY(RunExportPdfCommand(f.Request));
        QFile pdf(script->ExportName);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Count 3"));
        QVERIFY(!f.Options.LastPreview);
        // "印刷" in the options dialog left its values in the view.
        QCOMPARE(f.Print.PrintEndDate, DateTime::FromDate(2024, 6, 12));
        QCOMPARE(f.Print.PrintStartDate, DateTime::FromDate(2024, 6, 10));
    }

    void ExportCancelledOrFailedWritesNothing()
    {
        DialogScript script;
        QTemporaryDir folder;
        Fixture f;
        f.Options.Confirm = false;
        script->ExportName = folder.filePath(QStringLiteral("a.pdf"));
        QVERIFY(!RunExportPdfCommand(f.Request)); // options cancelled
        f.Options.Confirm = true;
        script->ExportName.clear();
        QVERIFY(!RunExportPdfCommand(f.Request)); // no file chosen
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(script->Asked.empty());

        script->ExportName = folder.filePath(QStringLiteral("no-such-folder/a.pdf"));
        QVERIFY(!RunExportPdfCommand(f.Request));
        QVERIFY(script->WasAsked(QStringLiteral("PDFに書き出せませんでした。")));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void PrintingWithoutAPrinterSaysSo()
    {
        DialogScript script;
        Fixture f;
        f.Request.PrinterAvailable = [] { return false; };
        QVERIFY(!RunPrintCommand(f.Request));
        QCOMPARE(f.Options.Runs, 1);
        QVERIFY(script->WasAsked(QStringLiteral("プリンターが見つかりません。")));
    }

    void APrintTypeWithoutLayoutIsRefused()
    {
        DialogScript script;
        Fixture f;
        f.Options.Changes = [](PrintDialogModel& model) { Choose(model, C::WeekType); };
        QVERIFY(!RunPreviewCommand(f.Request));
        QVERIFY(script->WasAsked(QStringLiteral("この印刷タイプはまだ印刷できません。")));
        QCOMPARE(f.Print.PrintType, PrintType::Week); // the choice itself was taken
    }

    void PreviewShowsEveryPageOnThePrinterPaper()
    {
        DialogScript script;
        Fixture f;
        f.Options.Changes = [](PrintDialogModel& model) {
            Choose(model, C::PaperMini);
            Choose(model, C::Portrait);
            SetDates(model, DateTime::FromDate(2024, 6, 10), DateTime::FromDate(2024, 6, 13));
        };
        int pages = -1;
        QSizeF paperMm;
        f.Request.ShowPreview = [&](QPrintPreviewDialog& preview) {
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
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
        QVERIFY(RunPreviewCommand(f.Request));
        QVERIFY(f.Options.LastPreview);
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
