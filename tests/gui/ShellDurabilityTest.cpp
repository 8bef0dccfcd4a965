// Every confirmed edit reaches the recovery file soon after, without waiting for the five-minute
// autosave, and survives a crash. The crash is real: a child process runs the application, edits
// day after day through the edit command and says "confirmed <n>" after each; this test kills it
// with SIGKILL at random moments and recovers what it left in a new application.
//
// PLANOVA_CRASH_KILLS sets how many kills (3 unless set; scripts/crash-test.sh runs 50) and
// PLANOVA_CRASH_MARGIN_MS how long before the kill an edit must have been confirmed to be checked
// (5000 unless set, so that a loaded test machine cannot fail the suite; the script uses 1000).

#include "ShellTestSupport.h"

#include "edit/CommandIds.h"
#include "gui/CChildFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/DocumentManager.h"
#include "gui/RecoveryStore.h"
#include "gui/RecoveryWriter.h"
#include "support/ScriptedViewServices.h"
#include "view/PlannerView.h"
#include "view/ScreenLayout.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>

using namespace planova;
using namespace planova::test;

namespace {

const char* const ChildSwitch = "--editing-child";

/// Edit n writes its own text into the 行事 of its own day, so each edit can be looked for.
DateTime EditDate(int n)
{
    return DateTime::FromDate(2024, 5, 1).AddDays(n);
}

std::string EditText(int n)
{
    return "edit " + std::to_string(n);
}

/// Only the quick recovery copies: the backstop never runs while a test watches.
StartOptions OptionsIn(const QString& folder)
{
    StartOptions options;
    options.SettingsFile = QDir(folder).filePath(QStringLiteral("settings.ini"));
    options.RecoveryFolder = QDir(folder).filePath(QStringLiteral("recovery"));
    options.AutosaveIntervalMs = 60 * 60 * 1000;
    return options;
}

int EnvironmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

/// The editing instance: opens the file and edits one day every 20 ms through the edit command of
/// its view, telling each confirmed edit, until it is killed.
int RunEditingChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CPlanovaApp app(OptionsIn(QString::fromLocal8Bit(argv[2])));
    if (!app.Start({QString::fromLocal8Bit(argv[3])}))
        return 2;
    auto* view = dynamic_cast<CPlanovaView*>(app.Documents().ActiveFrame()->View());
    if (!view)
        return 2;
    int next = 0;
    ScriptedViewServices dialogs([&next](EntryDialogValues& values) {
        values.Text1 = EditText(next);
        return true;
    });
    view->SetDialogs(&dialogs);
    view->ExecuteCommand(CommandId::DayView);
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        view->ShowDate(EditDate(next));
        view->Planner().State.SelectedCell = DayRow::KindAndEvent;
        if (view->ExecuteCommand(CommandId::Edit)) {
            std::printf("confirmed %d\n", next);
            std::fflush(stdout);
        }
        ++next;
    });
    step.start(20);
    return QApplication::exec();
}

} // namespace

class ShellDurabilityTest : public QObject
{
    Q_OBJECT

private slots:
    void AnEditReachesTheRecoveryFileWithoutTheBackstop();
    void ARemovedRecoveryFileNeverComesBack();
    void ChangesAreAppendedOnlyAfterAWholeStateWasWritten();
    void EveryEditConfirmedBeforeAKillIsRecovered();
};

void ShellDurabilityTest::AnEditReachesTheRecoveryFileWithoutTheBackstop()
{
    ShellSandbox sandbox;
    const QString file = sandbox.WriteDocument(QStringLiteral("term.dat"));
    const QByteArray original = ReadAll(file);
    DialogScript dialogs;
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({file}));
    auto& document = *app.Documents().ActiveDocument();
    const RecoverableFile files = app.Recovery().Files(document.Serial);
    const auto recovered = [&] {
        const LoadedDataFile loaded = app.Recovery().Read(files);
        return loaded.Result.Ok ? WriteDataFile(*loaded.Document) : std::string();
    };
    std::string first;
    for (const char* text : {"first", "second", "third"}) {
        document.Doc->UpdateDay(EditDate(0), [&](CDayData& day) { day.SetGyouji(text); });
        app.Documents().DocumentEdited(document);
        const std::string expected = WriteDataFile(*document.Doc);
        QVERIFY2(QTest::qWaitFor([&] { return recovered() == expected; }, 10000), text);
        if (first.empty())
            first = expected;
    }
    // The first change wrote the document whole; the later ones went to its journal.
    QCOMPARE(ReadAll(files.DataFile).toStdString(), first);
    // The teacher's own file is only written by a save.
    QCOMPARE(ReadAll(file), original);
    QVERIFY(app.Documents().Save(document));
    QVERIFY(!QFile::exists(files.DataFile));
    QVERIFY(!QFile::exists(files.JournalFile));
}

// Saving removes the recovery file while the writing thread may be writing an older state of it: the
// removal waits for that write, so the file never comes back after the save.
void ShellDurabilityTest::ARemovedRecoveryFileNeverComesBack()
{
    ShellSandbox sandbox;
    RecoveryStore store(sandbox.Path(QStringLiteral("recovery")));
    QVERIFY(store.Start());
    RecoveryWriter writer(store);
    const auto document = std::make_shared<const CPlanovaDoc>(DocumentWithEvent(2024, 5, 1, "x"));
    const auto job = [&](std::uint64_t revision) {
        RecoveryJob job;
        job.Serial = 1;
        job.Revision = revision;
        job.Document = document;
        job.Name = QStringLiteral("Planova1");
        return job;
    };
    for (std::uint64_t revision = 1; revision <= 20; ++revision) {
        writer.Post(job(revision));
        writer.Remove(1);
        writer.WaitUntilWritten();
        QVERIFY(!store.Has(1));
        QCOMPARE(writer.WrittenRevision(1), std::uint64_t{0});
    }
    writer.Post(job(21));
    writer.WaitUntilWritten();
    QVERIFY(store.Has(1));
    QCOMPARE(writer.WrittenRevision(1), std::uint64_t{21});
    QVERIFY(writer.Failure().isEmpty());
}

// A journal continues the recovery file written whole: changes handed over after that write failed
// (the folder cannot be made) are never appended, and the writer asks for a whole state again.
void ShellDurabilityTest::ChangesAreAppendedOnlyAfterAWholeStateWasWritten()
{
    ShellSandbox sandbox;
    const QString blocker = sandbox.WriteBytes(QStringLiteral("recovery"), "a file where the folder belongs");
    RecoveryStore store(sandbox.Path(QStringLiteral("recovery")));
    QVERIFY(!store.Start());
    RecoveryWriter writer(store);
    CPlanovaDoc document = DocumentWithEvent(2024, 5, 1, "x");
    const auto describe = [&] {
        RecoveryJob job;
        job.Serial = 1;
        job.Revision = document.Revision();
        job.Name = QStringLiteral("Planova1");
        return job;
    };
    const auto whole = [&] {
        RecoveryJob job = describe();
        document.TakeChanges();
        job.Document = std::make_shared<const CPlanovaDoc>(document.ContentCopy());
        return job;
    };
    const auto change = [&](const char* text) {
        document.UpdateDay(EditDate(0), [&](CDayData& day) { day.SetGyouji(text); });
        RecoveryJob job = describe();
        job.Entry = std::make_shared<const JournalEntry>(*TakeJournalEntry(document));
        return job;
    };

    QVERIFY(writer.WantsWhole(describe()));
    writer.Post(whole());
    writer.Post(change("lost"));
    writer.WaitUntilWritten();
    QVERIFY(!writer.Failure().isEmpty());
    QVERIFY(writer.WantsWhole(describe()));
    writer.Post(change("dropped"));
    writer.WaitUntilWritten();
    QVERIFY(!store.Has(1));
    QCOMPARE(writer.WrittenRevision(1), std::uint64_t{0});

    QVERIFY(QFile::remove(blocker));
    writer.Post(whole());
    writer.Post(change("kept"));
    writer.WaitUntilWritten();
    QVERIFY(writer.Failure().isEmpty());
    QVERIFY(!writer.WantsWhole(describe()));
    QVERIFY(writer.HasJournal(1));
    QCOMPARE(writer.WrittenRevision(1), document.Revision());
    const LoadedDataFile recovered = store.Read(store.Files(1));
    QVERIFY(recovered.Result.Ok);
    QCOMPARE(recovered.Document->Day(EditDate(0)).GetGyouji(), std::string("kept"));
    // Another description (a save under a new name) needs the whole state again.
    RecoveryJob renamed = describe();
    renamed.Name = QStringLiteral("term.dat");
    QVERIFY(writer.WantsWhole(renamed));
}

void ShellDurabilityTest::EveryEditConfirmedBeforeAKillIsRecovered()
{
    const int kills = EnvironmentNumber("PLANOVA_CRASH_KILLS", 3);
    const qint64 margin = EnvironmentNumber("PLANOVA_CRASH_MARGIN_MS", 5000);
    const auto seed =
        static_cast<unsigned>(EnvironmentNumber("PLANOVA_CRASH_SEED", int(std::random_device()() >> 1)));
    std::mt19937 random(seed);
    // The kill comes at a random moment between the margin plus 0.2 s and plus 2 s after the first edit,
    // so that every kill has edits to check.
    std::uniform_int_distribution<qint64> moment(margin + 200, margin + 2000);
    int checked = 0;
    int lost = 0;
    for (int kill = 0; kill < kills; ++kill) {
        ShellSandbox sandbox;
        const QString file = sandbox.WriteDocument(QStringLiteral("term.dat"));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(ChildSwitch), sandbox.Path(QString()), file});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));

        // When each edit was told here: never before it was confirmed there.
        std::map<int, qint64> confirmedAt;
        QElapsedTimer clock;
        clock.start();
        QByteArray pending;
        const auto readLines = [&] {
            pending += child.readAllStandardOutput();
            qsizetype end = 0;
            while ((end = pending.indexOf('\n')) >= 0) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                if (line.startsWith("confirmed "))
                    confirmedAt.emplace(line.mid(10).toInt(), clock.elapsed());
            }
        };
        while (confirmedAt.empty()) {
            QVERIFY2(child.waitForReadyRead(60000), "the child never edited");
            readLines();
        }
        const qint64 killAt = confirmedAt.begin()->second + moment(random);
        while (clock.elapsed() < killAt) {
            child.waitForReadyRead(static_cast<int>(std::max<qint64>(1, killAt - clock.elapsed())));
            readLines();
        }
        child.kill(); // SIGKILL: no destructor, no clean-up runs
        const qint64 killedAt = clock.elapsed();
        QVERIFY(child.waitForFinished(30000));
        readLines();

        DialogScript dialogs;
        dialogs->Answers = {QMessageBox::Yes};
        CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
        QVERIFY(app.Start({}));
        const OpenDocument* recovered = nullptr;
        for (const auto& document : app.Documents().Documents())
            if (document->Path == file && document->Doc->IsModified())
                recovered = document.get();
        for (const auto& [n, at] : confirmedAt) {
            if (at > killedAt - margin)
                continue;
            ++checked;
            if (!recovered || recovered->Doc->Day(EditDate(n)).GetGyouji() != EditText(n))
                ++lost;
        }
    }
    qInfo("%d kills (seed %u): %d edits confirmed %lld ms or more before a kill, %d lost", kills, seed,
          checked, static_cast<long long>(margin), lost);
    QCOMPARE(lost, 0);
    QVERIFY(checked > 0);
}

int main(int argc, char* argv[])
{
    if (argc >= 4 && std::strcmp(argv[1], ChildSwitch) == 0)
        return RunEditingChild(argc, argv);
    QApplication application(argc, argv);
    ShellDurabilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ShellDurabilityTest.moc"
