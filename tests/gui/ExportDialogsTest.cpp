// The export commands of the application: the file dialog, the progress dialog and the messages.

#include "ShellTestSupport.h"

#include "export/CsvExport.h"
#include "gui/ExportDialogs.h"
#include "model/Cp932Codec.h"
#include "support/ViewSchoolYear.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

using namespace planova;
using namespace planova::test;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The progress dialog on the screen, if one is shown.
QProgressDialog* ShownProgress()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible())
            return progress;
    }
    return nullptr;
}

} // namespace

class ExportDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void FileDialogOffersTheFormats_data();
    void FileDialogOffersTheFormats();
    void CommandWritesTheChosenFile();
    void RefusalIsShownAndWritesNothing();
    void LongExportShowsProgressThatCanStopIt();
};

void ExportDialogsTest::FileDialogOffersTheFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("written");

    const QStringList csv{U("予定表 CSV (*.csv)"), U("ToDo CSV (*.csv)")};
    QTest::newRow("iCalendar") << int(ExportFormat::ICalendar) << "/school/2024.dat"
                               << "/tmp/plan.ics" << -1 << U("iCalendar形式で書き出し") << "/school/2024.ics"
                               << QStringList{"iCalendar (*.ics)"} << "/tmp/plan.ics"
                               << int(ExportFormat::ICalendar);
    QTest::newRow("days, suffix added") << int(ExportFormat::DayCsv) << "/school/2024.dat"
                                        << "/tmp/year" << -1 << U("CSV形式で書き出し") << "/school/2024.csv"
                                        << csv << "/tmp/year.csv" << int(ExportFormat::DayCsv);
    QTest::newRow("ToDo filter chosen") << int(ExportFormat::DayCsv) << ""
                                        << "/tmp/todo.csv" << 1 << U("CSV形式で書き出し") << "planova.csv"
                                        << csv << "/tmp/todo.csv" << int(ExportFormat::ToDoCsv);
    QTest::newRow("workbook, suffix added")
        << int(ExportFormat::Workbook) << "/school/2024.dat"
        << "/tmp/year" << -1 << U("Excel形式で書き出し") << "/school/2024.xlsx"
        << QStringList{U("Excel ブック (*.xlsx)")} << "/tmp/year.xlsx" << int(ExportFormat::Workbook);
    QTest::newRow("cancelled") << int(ExportFormat::ICalendar) << ""
                               << "" << -1 << U("iCalendar形式で書き出し") << "planova.ics"
                               << QStringList{"iCalendar (*.ics)"} << "" << -1;
}

void ExportDialogsTest::FileDialogOffersTheFormats()
{
    QFETCH(int, format);
    QFETCH(QString, document);
    QFETCH(QString, answer);
    QFETCH(int, filter);
    DialogScript dialogs;
    dialogs->ExportName = answer;
    dialogs->ExportFilter = filter;

    const std::optional<ExportTarget> target = AskExportTarget(nullptr, ExportFormat(format), document);
    QCOMPARE(dialogs->ExportAsked.size(), std::size_t{1});
    const auto& asked = dialogs->ExportAsked.front();
    QTEST(asked.Title, "title");
    QTEST(asked.Suggested, "suggested");
    QTEST(asked.Filters, "filters");
    QCOMPARE(asked.Proposed, 0);
    QFETCH(int, written);
    QCOMPARE(target.has_value(), written >= 0);
    if (target) {
        QTEST(target->Path, "path");
        QCOMPARE(int(target->Format), written);
    }
}

void ExportDialogsTest::CommandWritesTheChosenFile()
{
    QTemporaryDir dir;
    DialogScript dialogs;
    const CPlanovaDoc document = SchoolYearDocument(2024);
    for (const auto& [filter, expected] :
         {std::pair{0, DayCsvText(document, {})}, std::pair{1, ToDoCsvText(document)}}) {
        dialogs->ExportName = dir.filePath(QStringLiteral("予定表%1.csv").arg(filter));
        dialogs->ExportFilter = filter;
        QVERIFY(ExportDocument(nullptr, document, ExportFormat::DayCsv, QString()));
        QCOMPARE(FileBytes(dialogs->ExportName), QByteArray::fromStdString(expected));
    }
    dialogs->ExportName = dir.filePath(QStringLiteral("year.ics"));
    QVERIFY(ExportDocument(nullptr, document, ExportFormat::ICalendar, QString()));
    QVERIFY(FileBytes(dialogs->ExportName).startsWith("BEGIN:VCALENDAR\r\n"));
    dialogs->ExportName = dir.filePath(QStringLiteral("year.xlsx"));
    QVERIFY(ExportDocument(nullptr, document, ExportFormat::Workbook, QString()));
    QVERIFY(FileBytes(dialogs->ExportName).startsWith("PK\x03\x04")); // a zip container
    QVERIFY(dialogs->Asked.empty());
}

void ExportDialogsTest::RefusalIsShownAndWritesNothing()
{
    QTemporaryDir dir;
    DialogScript dialogs;
    CPlanovaDoc document;
    document.UpdateDay(DateTime::FromDate(2024, 9, 2), [&](CDayData& day) { day.SetGyouji("\x01"); });
    dialogs->ExportName = dir.filePath(QStringLiteral("plan.ics"));
    QVERIFY(!ExportDocument(nullptr, document, ExportFormat::ICalendar, QString()));
    QVERIFY(!QFile::exists(dialogs->ExportName));
    QVERIFY(dialogs->WasAsked(U("書き出せませんでした")));
    QVERIFY(dialogs->WasAsked(U("2024年9月2日の行事")));

    dialogs->Asked.clear();
    dialogs->ExportName = dir.filePath(QStringLiteral("missing/plan.csv"));
    QVERIFY(!ExportDocument(nullptr, CPlanovaDoc(), ExportFormat::DayCsv, QString()));
    QVERIFY(dialogs->WasAsked(U("保存先のフォルダーが見つかりません")));
}

void ExportDialogsTest::LongExportShowsProgressThatCanStopIt()
{
    QTemporaryDir dir;
    DialogScript dialogs;
    QWidget window;
    window.show();
    const CPlanovaDoc document = SchoolYearDocument(2024);
    dialogs->ExportName = dir.filePath(QStringLiteral("long.ics"));

    // Events are processed only while the progress dialog is shown, so the timer fires then.
    // An export that has run longer than the delay shows its progress; a delay of nothing stands for
    // an export that runs long, so that the test does not depend on the speed of the machine.
    QCOMPARE(ExportProgressDelay, std::chrono::milliseconds(500));
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (QProgressDialog* progress = ShownProgress()) {
            title = progress->windowTitle();
            modal = progress->windowModality() == Qt::WindowModal && progress->parentWidget() == &window;
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        }
    });
    QVERIFY(
        !ExportDocument(&window, document, ExportFormat::ICalendar, QString(), std::chrono::milliseconds(0)));
    QCOMPARE(title, U("iCalendar形式で書き出し"));
    QVERIFY(modal);
    QVERIFY(!QFile::exists(dialogs->ExportName));
    QVERIFY2(dialogs->Asked.empty(), "a stop the user asked for is no error");
}

QTEST_MAIN(ExportDialogsTest)
#include "ExportDialogsTest.moc"
