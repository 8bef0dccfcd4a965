// Crash recovery: autosave of modified documents, the recovery question after a crash, and the
// clean removal of recovery files. The crash is real: a child process of this test runs the
// application, edits, autosaves and is killed with SIGKILL.

#include "ShellTestSupport.h"

#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/DocumentManager.h"
#include "gui/RecoveryStore.h"
#include "model/FixedTexts.h"

#include <QDir>
#include <QMdiArea>
#include <QProcess>

#include <cstdio>
#include <cstring>

using namespace planova;
using namespace planova::test;

namespace {

const char* const ChildSwitch = "--crashing-child";

StartOptions OptionsIn(const QString& folder)
{
    StartOptions options;
    options.SettingsFile = QDir(folder).filePath(QStringLiteral("settings.ini"));
    options.RecoveryFolder = QDir(folder).filePath(QStringLiteral("recovery"));
    options.AutosaveIntervalMs = 100;
    return options;
}

void EditEvent(DocumentManager& manager, OpenDocument& document, const std::string& event)
{
    document.Doc->LoadDay(DateTime::FromDate(2024, 5, 1));
    document.Doc->WorkDay.SetGyouji(event);
    document.Doc->StoreDay();
    manager.DocumentEdited(document);
}

/**
 * The crashing instance: opens the files, edits the first (and leaves a new document "Planova1"
 * edited too when asked), reports "autosaved" once the recovery files exist and then waits to
 * be killed.
 */
int RunCrashingChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QStringList files = QApplication::arguments().mid(3);
    CPlanovaApp app(OptionsIn(folder));
    if (!app.Start(files))
        return 2;
    auto& manager = app.Documents();
    std::vector<int> edited;
    for (const auto& document : manager.Documents()) {
        EditEvent(manager, *document, Cp932Literal("遠足 ") + document->Name.toStdString());
        edited.push_back(document->Serial);
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (int serial : edited)
            if (!app.Recovery().Has(serial))
                return;
        poll.stop();
        std::puts("autosaved");
        std::fflush(stdout);
    });
    poll.start(20);
    return QApplication::exec();
}

} // namespace

class ShellRecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void RecoversEditAfterKill();
    void DiscardedRecoveryIsGone();
    void CleanSaveAndCloseRemoveRecoveryFiles();

private:
    /// Runs the crashing child on the files until it autosaved, then kills it.
    static void CrashWith(const QString& folder, const QStringList& files);
};

void ShellRecoveryTest::CrashWith(const QString& folder, const QStringList& files)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QString::fromLatin1(ChildSwitch), folder} + files);
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    QByteArray output;
    while (!output.contains("autosaved")) {
        QVERIFY2(child.waitForReadyRead(60000), "the child never autosaved");
        output += child.readAllStandardOutput();
    }
    child.kill(); // SIGKILL: no destructor, no clean-up runs
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
}

void ShellRecoveryTest::RecoversEditAfterKill()
{
    ShellSandbox sandbox;
    const QString file = sandbox.WriteDocument(QStringLiteral("term.dat"));
    const QByteArray original = ReadAll(file);
    CrashWith(sandbox.Path(QString()), {file});
    if (QTest::currentTestFailed())
        return;
    // Autosave never wrote the user's own file.
    QCOMPARE(ReadAll(file), original);

    DialogScript dialogs;
    dialogs->Answers = {QMessageBox::Yes};
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));

    QCOMPARE(dialogs->Asked.size(), std::size_t{1});
    QVERIFY(dialogs->Asked.front().Text.contains(QDir::toNativeSeparators(file)));
    QCOMPARE(dialogs->Asked.front().Buttons.front().second, QStringLiteral("回復する(&R)"));
    // The recovered document is the user's file, opened once (the last data file is that file).
    QCOMPARE(app.Documents().Documents().size(), std::size_t{1});
    auto& recovered = *app.Documents().ActiveDocument();
    QCOMPARE(recovered.Path, file);
    QVERIFY(recovered.Doc->IsModified());
    QCOMPARE(recovered.Doc->DayList().size(), std::size_t{1});
    QCOMPARE(recovered.Doc->DayList().front().GetGyouji(), Cp932Literal("遠足 term.dat"));
    QVERIFY(recovered.Frames.front()->isWindowModified());
    QVERIFY(app.Recovery().Has(recovered.Serial));
    QVERIFY(app.Recovery().Orphans().empty());

    // Saving puts the edit into the user's file; no question about a change on disk arises.
    QVERIFY(app.Documents().Save(recovered));
    QCOMPARE(dialogs->Asked.size(), std::size_t{1});
    QCOMPARE(ReadAll(file).toStdString(), WriteDataFile(*recovered.Doc));
    QVERIFY(!app.Recovery().Has(recovered.Serial));
}

void ShellRecoveryTest::DiscardedRecoveryIsGone()
{
    ShellSandbox sandbox;
    CrashWith(sandbox.Path(QString()), {});
    if (QTest::currentTestFailed())
        return;
    {
        DialogScript dialogs;
        dialogs->Answers = {QMessageBox::No};
        CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
        QVERIFY(app.Start({}));
        QCOMPARE(dialogs->Asked.size(), std::size_t{1});
        QVERIFY(dialogs->Asked.front().Text.contains(QStringLiteral("Planova1")));
        QCOMPARE(app.Documents().Documents().size(), std::size_t{1});
        QVERIFY(app.Documents().ActiveDocument()->Doc->DayList().empty());
    }
    DialogScript dialogs;
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));
    QVERIFY(dialogs->Asked.empty());
    // Nothing is left behind by the clean ends either.
    QVERIFY(
        QDir(sandbox.Path(QStringLiteral("recovery"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() ==
        1);
}

void ShellRecoveryTest::CleanSaveAndCloseRemoveRecoveryFiles()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));
    auto& manager = app.Documents();
    auto& document = *manager.ActiveDocument();
    const int serial = document.Serial;

    app.Autosave();
    QVERIFY(!app.Recovery().Has(serial)); // nothing to keep while unmodified
    EditEvent(manager, document, "x");
    app.Autosave();
    QVERIFY(app.Recovery().Has(serial));

    dialogs->SaveName = sandbox.Path(QStringLiteral("kept.dat"));
    QVERIFY(manager.Save(document));
    QVERIFY(!app.Recovery().Has(serial));

    EditEvent(manager, document, "y");
    QVERIFY(QTest::qWaitFor([&] { return app.Recovery().Has(serial); }, 5000)); // the timer
    dialogs->Answers = {QMessageBox::No};
    QVERIFY(manager.Close(document));
    QVERIFY(!app.Recovery().Has(serial));
}

int main(int argc, char* argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], ChildSwitch) == 0)
        return RunCrashingChild(argc, argv);
    QApplication application(argc, argv);
    ShellRecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ShellRecoveryTest.moc"
