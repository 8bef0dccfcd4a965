// moc reads this file: with Qt's headers first it gets through the standard headers the core includes.
#include <QtTest>

#include "canvas/PrintOutput.h"
#include "canvas/QtCanvas.h"
#include "model/Cp932Codec.h"
#include "print/PrintTypes.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace planova;

class PrintOutputTest : public QObject
{
    Q_OBJECT

private:
    static ViewPrintState DayJob(const CPlanovaDoc& document)
    {
        ViewPrintState print = CopyPrintSettings(document);
        print.PrintStartDate = DateTime::FromDate(2024, 6, 10);
        print.PrintEndDate = DateTime::FromDate(2024, 6, 11);
        return print;
    }

    /// The pages of a PDF made by Qt's writer.
    static qsizetype PdfPages(const QByteArray& pdf)
    {
        return pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ");
    }

private slots:
    void TheSheetIsThePrinterPaperOfTheRefill_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("special");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("sizeMm");
        QTest::newRow("A4 landscape") << PaperType::A4 << false << Orientation::Landscape << QSizeF(297, 210);
        QTest::newRow("A5 upright") << PaperType::A5 << false << Orientation::Portrait << QSizeF(148, 210);
        QTest::newRow("A5 on the special A4")
            << PaperType::A5 << true << Orientation::Portrait << QSizeF(210, 297);
        QTest::newRow("Bible on A5") << PaperType::Bible << false << Orientation::Landscape
                                     << QSizeF(210, 148);
        QTest::newRow("Mini on a postcard")
            << PaperType::Mini << false << Orientation::Portrait << QSizeF(100, 148);
    }

    void TheSheetIsThePrinterPaperOfTheRefill()
    {
        QFETCH(int, paper);
        QFETCH(bool, special);
        QFETCH(int, orientation);
        QFETCH(QSizeF, sizeMm);
        PrintSettings settings;
        settings.PPaperType = paper;
        settings.PSennyoushi = special;
        settings.PYoushiType = orientation;
        const QPageLayout layout = PrintPageLayout(settings);
        const QRectF full = layout.fullRect(QPageLayout::Millimeter);
        QCOMPARE(qRound(full.width()), qRound(sizeMm.width()));
        QCOMPARE(qRound(full.height()), qRound(sizeMm.height()));
        QCOMPARE(layout.margins(), QMarginsF(0, 0, 0, 0));
    }

    void ThePdfHasOnePagePerDayAndThePicture()
    {
        CPlanovaDoc document;
        ViewPrintState print = DayJob(document);
        print.PRoutineWork = true;
        PrintEnvironment environment;
        environment.RoutineWorkFile = "/no/such/ルーチンワーク.bmp";
        const QByteArray pdf = PrintPdf(document, print, environment, QStringLiteral("年間.dat"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(PdfPages(pdf), 2);
        QVERIFY(pdf.contains("/Subtype /Image")); // the built-in picture
    }

    void NothingToPrintWritesNothing()
    {
        QTemporaryDir folder;
        const std::string path = QDir(folder.path()).filePath(QStringLiteral("out.pdf")).toStdString();
        CPlanovaDoc document;
        ViewPrintState print = DayJob(document);
        print.PrintType = PrintType::Count;
        Outcome outcome = ExportPdf(path, document, print, {}, QString());
        QVERIFY(!outcome.Ok);
        QCOMPARE(QString::fromStdString(outcome.Error), QStringLiteral("この印刷タイプは書き出せません。"));
        print.PrintType = PrintType::Day;
        print.PrintEndDate = DateTime::FromDate(2024, 6, 9);
        outcome = ExportPdf(path, document, print, {}, QString());
        QVERIFY(!outcome.Ok);
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void ImposedSheetsArePortraitA4()
    {
        const QRectF full = ImposedSheetLayout().fullRect(QPageLayout::Millimeter);
        QCOMPARE(qRound(full.width()), 210);
        QCOMPARE(qRound(full.height()), 297);
        QCOMPARE(ImposedSheetLayout().margins(), QMarginsF(0, 0, 0, 0));
    }

    void ImposedPdfHasBothSidesOfEverySheet_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("sides");
        QTest::newRow("7 Bible pages: 4 refills, 2 sheets") << PaperType::Bible << 7 << 4;
        QTest::newRow("1 Mini page: a sheet with an empty back") << PaperType::Mini << 1 << 2;
        QTest::newRow("9 Mini pages: 5 refills, 2 sheets") << PaperType::Mini << 9 << 4;
        QTest::newRow("2 A5 pages: one refill") << PaperType::A5 << 2 << 2;
    }

    void ImposedPdfHasBothSidesOfEverySheet()
    {
        QFETCH(int, paper);
        QFETCH(int, days);
        QFETCH(int, sides);
        CPlanovaDoc document;
        ViewPrintState print = DayJob(document);
        print.PPaperType = paper;
        print.PrintEndDate = DateTime::FromDate(2024, 6, 10 + days - 1);
        const QByteArray pdf = PrintPdf(document, print, {}, QString(), PdfSheets::ImposedA4);
        QCOMPARE(PdfPages(pdf), sides);
        // The pages are placed as vectors, never as pictures of pages.
        QVERIFY(!pdf.contains("/Subtype /Image"));
        QVERIFY(pdf.contains("/MediaBox [0 0 595"));
    }

    void A4RefillsAreNotImposed()
    {
        QTemporaryDir folder;
        const std::string path = QDir(folder.path()).filePath(QStringLiteral("out.pdf")).toStdString();
        CPlanovaDoc document;
        ViewPrintState print = DayJob(document);
        print.PPaperType = PaperType::A4;
        QVERIFY(PrintPdf(document, print, {}, QString(), PdfSheets::ImposedA4).isEmpty());
        const Outcome outcome = ExportPdf(path, document, print, {}, QString(), PdfSheets::ImposedA4);
        QVERIFY(!outcome.Ok);
        QCOMPARE(outcome.Error, std::string(CannotImposeMessage));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void TheEnvironmentOfTheMoment()
    {
        const PrintEnvironment environment = PrintEnvironmentAt(DateTime::FromDateTime(2024, 4, 1, 9, 5, 0),
                                                                QStringLiteral("/opt/planova/bin"));
        QCOMPARE(QString::fromStdString(environment.RoutineWorkFile),
                 QStringLiteral("/opt/planova/bin/ルーチンワーク.bmp"));
        // Japanese whatever the locale the tests run under.
        QCOMPARE(environment.FooterDate, std::string("2024/04/01"));
        QCOMPARE(environment.FooterTime, std::string("9:05"));
    }

    void TheBuiltInPictureIsLinked()
    {
        CPlanovaDoc document;
        ViewPrintState print = DayJob(document);
        PrintEnvironment environment;
        PrintPdf(document, print, environment, QString()); // makes the print resources available
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        const QtCanvas canvas(painter, Rgb{255, 255, 255});
        QCOMPARE(canvas.ImageSize(BuiltInRoutineWork), (Size{350, 150}));
        QCOMPARE(canvas.ImageSize("/no/such/picture.bmp"), Size{});
    }
};

QTEST_MAIN(PrintOutputTest)
#include "PrintOutputTest.moc"
