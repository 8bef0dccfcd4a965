// Printing through a real CUPS scheduler: a cupsd of the test's own on 127.0.0.1 with its
// configuration and spool in a temporary folder, and a cups-pdf queue that is stopped, so every
// job stays in the spool where its attributes and the PDF Qt sent can be read.

#include "ShellTestSupport.h"
#include "gui/PrintPipeline.h"
#include "print/PrintTypes.h"

#include <QDir>
#include <QMainWindow>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTcpServer>
#include <QTimer>

#include <optional>

using namespace planova;
using namespace planova::test;

namespace {

const QString Queue = QStringLiteral("planova-pdf");
const QString QueuePpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

/// A scheduler of the test's own; empty Problem when it runs with the stopped cups-pdf queue.
class LocalCups
{
public:
    LocalCups()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")})
                .isEmpty() ||
            !QFile::exists(QueuePpd)) {
            Problem = QStringLiteral("cupsd or the cups-pdf driver is not installed");
            return;
        }
        QTcpServer probe; // a free port for the scheduler
        probe.listen(QHostAddress::LocalHost);
        Server = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
        probe.close();
        for (const char* folder : {"spool", "cache", "state", "log", "tmp"})
            QDir(Root.path()).mkpath(QString::fromLatin1(folder));
        Write(QStringLiteral("cupsd.conf"), QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\n"
                                                           "Browsing No\nDefaultAuthType None\n"
                                                           "PreserveJobFiles Yes\nDirtyCleanInterval 0\n"
                                                           "<Location />\n  Order allow,deny\n  Allow all\n"
                                                           "</Location>\n<Policy default>\n  <Limit All>\n"
                                                           "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                                .arg(Server));
        Write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                             "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                             "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                  .arg(Root.path()));
        Scheduler.setProcessChannelMode(QProcess::MergedChannels);
        Scheduler.start(QStringLiteral("cupsd"),
                        {QStringLiteral("-f"), QStringLiteral("-c"), Path("cupsd.conf"), QStringLiteral("-s"),
                         Path("cups-files.conf")});
        if (!Scheduler.waitForStarted(3000)) {
            Problem = QStringLiteral("cupsd did not start");
            return;
        }
        for (int attempt = 0;
             attempt < 50 &&
             !Client("lpstat", {QStringLiteral("-r")}).value_or(QByteArray()).contains("is running");
             ++attempt)
            QTest::qWait(100);
        if (!Client("lpadmin", {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                                QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), QueuePpd})
                 .has_value() ||
            !Client("lpadmin", {QStringLiteral("-d"), Queue}).has_value() ||
            !Client("cupsdisable", {Queue}).has_value()) {
            Problem =
                QStringLiteral("cupsd does not run here: ") + QString::fromLocal8Bit(Scheduler.readAll());
            return;
        }
        // Qt's CUPS support and every CUPS client of this process talk to this scheduler.
        qputenv("CUPS_SERVER", Server.toLatin1());
    }

    ~LocalCups()
    {
        Scheduler.terminate();
        Scheduler.waitForFinished(3000);
    }
    LocalCups(const LocalCups&) = delete;
    LocalCups& operator=(const LocalCups&) = delete;

    QString Problem;

    /// The job numbers in the spool.
    QList<int> Jobs() const
    {
        QList<int> jobs;
        static const QRegularExpression control(QStringLiteral("^c(\\d+)$"));
        for (const QString& name : QDir(Path("spool")).entryList(QDir::Files, QDir::Name))
            if (const auto match = control.match(name); match.hasMatch())
                jobs.push_back(match.captured(1).toInt());
        return jobs;
    }

    /// The "media" attribute the job was submitted with ("A5"), read from its control file.
    QByteArray Media(int job) const
    {
        QFile control(Path("spool/c%1").arg(job, 5, 10, QLatin1Char('0')));
        if (!control.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = control.readAll();
        // An IPP attribute: its name's length and name, then its value's length and value.
        const QByteArray name("\x00\x05media", 7);
        const qsizetype at = bytes.indexOf(name);
        if (at < 0 || at + name.size() + 2 > bytes.size())
            return {};
        const qsizetype start = at + name.size();
        const int length =
            (static_cast<unsigned char>(bytes[start]) << 8) | static_cast<unsigned char>(bytes[start + 1]);
        return bytes.mid(start + 2, length);
    }

    /// The first page's size of the document the job carries, in points, as pdfinfo reads it.
    QSizeF PageSizePt(int job) const
    {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {Path("spool/d%1-001").arg(job, 5, 10, QLatin1Char('0'))});
        info.waitForFinished(10000);
        static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
        const auto match = size.match(QString::fromLatin1(info.readAllStandardOutput()));
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                                : QSizeF();
    }

private:
    QTemporaryDir Root;
    QString Server;
    QProcess Scheduler;

    QString Path(const char* name) const { return Root.filePath(QString::fromLatin1(name)); }
    void Write(const QString& name, const QString& text) const
    {
        QFile file(Root.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }
    std::optional<QByteArray> Client(const char* program, QStringList arguments) const
    {
        QProcess client;
        client.setProcessChannelMode(QProcess::MergedChannels);
        arguments.prepend(Server);
        arguments.prepend(QStringLiteral("-h"));
        client.start(QString::fromLatin1(program), arguments);
        if (!client.waitForFinished(10000) || client.exitCode() != 0)
            return std::nullopt;
        return client.readAll();
    }
};

ViewPrintState DayJob(const CPlanovaDoc& document, int paper, int days, bool systemDialog)
{
    ViewPrintState job = CopyPrintSettings(document);
    job.PPaperType = paper;
    job.PYoushiType = Orientation::Portrait;
    job.PPageType = PageType::Left;
    job.PDialog = systemDialog;
    job.PrintStartDate = DateTime::FromDate(2024, 6, 10);
    job.PrintEndDate = job.PrintStartDate.AddDays(days - 1);
    return job;
}

} // namespace

class PrinterPaperCupsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LocalCups> Cups;
    CPlanovaDoc Document;
    QMainWindow Window;

    PrintOutputContext Context()
    {
        PrintOutputContext context = MakePrintOutputContext(&Window, QStringLiteral("年間.dat"));
        // The system's print dialog accepted as it opens, the way a user who only clicks "印刷" does.
        context.RunPrintDialog = [](QPrintDialog& dialog) {
            dialog.show();
            dialog.accept();
            return dialog.result();
        };
        return context;
    }

    /// The jobs that reached the spool while the action ran.
    QList<int> NewJobs(const std::function<void()>& action)
    {
        const QList<int> before = Cups->Jobs();
        action();
        QList<int> added;
        for (int job : Cups->Jobs())
            if (!before.contains(job))
                added.push_back(job);
        return added;
    }

private slots:
    void initTestCase()
    {
        Cups = std::make_unique<LocalCups>();
        if (!Cups->Problem.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no CUPS scheduler for the test: ") + Cups->Problem));
        Window.resize(800, 600);
        Window.show();
    }

    void TheJobGoesOutOnTheRefillPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("systemDialog");
        QTest::addColumn<QByteArray>("media");
        QTest::addColumn<QSizeF>("pagePt"); // millimetres × 72 ÷ 25.4
        QTest::addColumn<QString>("question");

        const QSizeF a5(419.53, 595.28); // 148 × 210 mm
        const QSizeF a4(595.28, 841.89); // 210 × 297 mm
        QTest::newRow("Bible, straight to the printer")
            << int(PaperType::Bible) << false << QByteArray("A5") << a5
            << QStringLiteral("バイブル 3 ページを planova-pdf に印刷します。");
        // The system dialog selects the queue and with it the queue's default A4: the refill's A5 comes back.
        QTest::newRow("Bible, through the system dialog")
            << int(PaperType::Bible) << true << QByteArray("A5") << a5
            << QStringLiteral("バイブル 3 ページを planova-pdf に印刷します。");
        QTest::newRow("A5 refill, through the system dialog")
            << int(PaperType::A5) << true << QByteArray("A5") << a5
            << QStringLiteral("Ａ５ 3 ページを planova-pdf に印刷します。");
        QTest::newRow("A4 refill, through the system dialog")
            << int(PaperType::A4) << true << QByteArray("A4") << a4
            << QStringLiteral("Ａ４ 3 ページを planova-pdf に印刷します。");
    }

    void TheJobGoesOutOnTheRefillPaper()
    {
        QFETCH(int, paper);
        QFETCH(bool, systemDialog);
        QFETCH(QByteArray, media);
        QFETCH(QSizeF, pagePt);
        QFETCH(QString, question);

        DialogScript script;
        script->Answers = {QMessageBox::Ok};
        const QList<int> jobs = NewJobs(
            [&] { QVERIFY(PrintOnPrinter(Context(), Document, DayJob(Document, paper, 3, systemDialog))); });
        QCOMPARE(script->Asked.size(), size_t(1));
        QCOMPARE(script->Asked.front().Text, question);
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(Cups->Media(jobs.front()), media);
        const QSizeF page = Cups->PageSizePt(jobs.front());
        QVERIFY2(qAbs(page.width() - pagePt.width()) < 1 && qAbs(page.height() - pagePt.height()) < 1,
                 qPrintable(QStringLiteral("%1 × %2 pt").arg(page.width()).arg(page.height())));
        QCOMPARE(Window.statusBar()->currentMessage(),
                 QStringLiteral("3 ページを planova-pdf に送りました。"));
    }

    void NothingGoesOutWhenTheUserStops_data()
    {
        QTest::addColumn<bool>("cancelQuestion");
        QTest::addColumn<QString>("status");
        QTest::newRow("キャンセル on the question") << true << QString();
        QTest::newRow("キャンセル on the progress")
            << false << QStringLiteral("印刷を取り消しました。プリンターには何も送っていません。");
    }

    void NothingGoesOutWhenTheUserStops()
    {
        QFETCH(bool, cancelQuestion);
        QFETCH(QString, status);

        DialogScript script;
        script->Answers = {cancelQuestion ? QMessageBox::Cancel : QMessageBox::Ok};
        Window.statusBar()->clearMessage();
        int pagesDone = 0;
        if (!cancelQuestion) {
            // The progress dialog lets events in after each page: the click on its "キャンセル" arrives.
            QTimer::singleShot(0, &Window, [&] {
                auto* progress = Window.findChild<QProgressDialog*>();
                QVERIFY(progress != nullptr);
                pagesDone = progress->value();
                progress->cancel();
            });
        }
        const QList<int> jobs = NewJobs([&] {
            QVERIFY(!PrintOnPrinter(Context(), Document, DayJob(Document, PaperType::Bible, 365, false)));
        });
        QVERIFY(jobs.isEmpty());
        QCOMPARE(Window.statusBar()->currentMessage(), status);
        QVERIFY(pagesDone < 365);
    }
};

QTEST_MAIN(PrinterPaperCupsTest)
#include "PrinterPaperCupsTest.moc"
