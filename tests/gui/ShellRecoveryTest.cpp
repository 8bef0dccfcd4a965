// Crash recovery: autosave of modified documents, the recovery question after a crash, and the
// clean removal of recovery files. The crash is real: a child process of this test runs the
// application, edits, autosaves and is killed with SIGKILL.

#include "ShellTestSupport.h"

#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/DocumentManager.h"
#include "gui/RecoveryStore.h"
#include "model/FixedTexts.h"
#include "model/RecoveryJournal.h"

#include <QDir>
#include <QLockFile>
#include <QMdiArea>
#include <QProcess>
#include <QStatusBar>

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>

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
    document.Doc->UpdateDay(DateTime::FromDate(2024, 5, 1), [&](CDayData& day) { day.SetGyouji(event); });
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

/// Writes an instance folder of an instance that is gone, with the autosave (and its .ini when given).
QString WriteOrphan(const ShellSandbox& sandbox, const QString& instance, int serial,
                    const QByteArray& autosave, const QByteArray& info = QByteArray())
{
    const QString folder = sandbox.Path(QStringLiteral("recovery/") + instance);
    QDir().mkpath(folder);
    const QString base = QStringLiteral("recovery/%1/document-%2").arg(instance).arg(serial);
    sandbox.WriteBytes(base + QStringLiteral(".dat"), autosave);
    if (!info.isNull())
        sandbox.WriteBytes(base + QStringLiteral(".ini"), info);
    return folder;
}

QByteArray AutosaveWithEvent(const char* event)
{
    return QByteArray::fromStdString(WriteDataFile(DocumentWithEvent(2024, 5, 1, Cp932Literal(event))));
}

/// SchoolWeek with two more ToDo items and the undo history on: what the journal cases change.
CPlanovaDoc JournalFixture()
{
    CPlanovaDoc document = SchoolWeek();
    for (const char* name : {"遠足の下見", "成績処理"}) {
        CToDo item;
        item.SetKennmei(Cp932Literal(name));
        document.AppendToDo(item);
    }
    document.InitUndoHistory();
    return document;
}

CToDo Item(const char* name)
{
    CToDo item;
    item.SetKennmei(Cp932Literal(name));
    return item;
}

using DocumentChange = std::function<void(CPlanovaDoc&)>;
/// Spoils the journal's bytes; `ends` holds where each entry ends.
using JournalDamage = std::function<void(std::string& journal, const std::vector<std::size_t>& ends)>;

/// One case of the journal: the changes, each handed over as one entry; what happens to the journal
/// afterwards; how many of the changes come back and whether the user is warned of lost ones.
struct JournalCase
{
    const char* Name;
    std::vector<DocumentChange> Changes;
    JournalDamage Damage;
    std::size_t Recovered;
    bool Warned = false;
};

const DateTime Monday = DateTime::FromDate(2024, 4, 8);
const DateTime Tuesday = DateTime::FromDate(2024, 4, 9);

const DocumentChange EditMonday = [](CPlanovaDoc& document) {
    document.UpdateDay(Monday, [](CDayData& day) { day.SetYotei(3, Cp932Literal("学年集会")); });
};
const DocumentChange RemoveTuesday = [](CPlanovaDoc& document) { document.RemoveDay(Tuesday); };
const DocumentChange StoreNewDay = [](CPlanovaDoc& document) {
    document.UpdateDay(DateTime::FromDate(2025, 3, 24),
                       [](CDayData& day) { day.SetGyouji(Cp932Literal("修了式")); });
};
const DocumentChange InsertItem = [](CPlanovaDoc& document) {
    document.InsertToDo(1, Item("保護者会の案内"));
};
const DocumentChange DeleteItem = [](CPlanovaDoc& document) { document.RemoveToDo(0); };
const DocumentChange MoveItem = [](CPlanovaDoc& document) {
    const CPlanovaDoc::UndoStepScope step(document, "移動");
    const CToDo item = document.ToDo(2);
    document.RemoveToDo(2);
    document.InsertToDo(0, item);
};
const DocumentChange ChangeSettings = [](CPlanovaDoc& document) {
    document.Shiyousya = Cp932Literal("山田");
    document.Jikannwari[3] = Cp932Literal("理科");
    document.SetModified();
};
const DocumentChange UndoChange = [](CPlanovaDoc& document) { document.Undo(); };
const DocumentChange RedoChange = [](CPlanovaDoc& document) { document.Redo(); };

const std::vector<JournalCase>& JournalCases()
{
    static const std::vector<JournalCase> cases{
        {"day edited", {EditMonday}, nullptr, 1},
        {"day removed", {RemoveTuesday}, nullptr, 1},
        {"day stored where none was", {StoreNewDay}, nullptr, 1},
        {"ToDo item inserted", {InsertItem}, nullptr, 1},
        {"ToDo item deleted", {DeleteItem}, nullptr, 1},
        {"ToDo item moved", {MoveItem}, nullptr, 1},
        {"settings changed", {ChangeSettings}, nullptr, 1},
        {"several entries",
         {EditMonday, RemoveTuesday, InsertItem, ChangeSettings, StoreNewDay, DeleteItem},
         nullptr,
         6},
        {"removed, then stored again",
         {RemoveTuesday, EditMonday, UndoChange, UndoChange, RedoChange},
         nullptr,
         5},
        {"ToDo delete undone goes back to its place", {DeleteItem, UndoChange}, nullptr, 2},
        {"torn last entry",
         {EditMonday, InsertItem},
         [](std::string& journal, const std::vector<std::size_t>&) { journal.resize(journal.size() - 7); },
         1},
        {"torn frame of the last entry",
         {EditMonday, InsertItem},
         [](std::string& journal, const std::vector<std::size_t>& ends) { journal.resize(ends[0] + 5); },
         1},
        {"bad checksum of the last entry",
         {EditMonday, InsertItem},
         [](std::string& journal, const std::vector<std::size_t>& ends) { journal[ends[0] + 4] ^= 0x01; },
         1},
        {"bad checksum in the middle",
         {EditMonday, InsertItem, ChangeSettings},
         [](std::string& journal, const std::vector<std::size_t>& ends) { journal[ends[0] + 4] ^= 0x01; },
         1,
         true},
        {"bad payload in the middle",
         {EditMonday, InsertItem, ChangeSettings},
         [](std::string& journal, const std::vector<std::size_t>& ends) {
             // A payload whose checksum fits but whose first line is no entry's.
             std::string payload = "2 0\n";
             std::string frame;
             for (const std::uint32_t value : {std::uint32_t(payload.size()), Crc32(payload)})
                 for (int shift = 0; shift < 32; shift += 8)
                     frame += static_cast<char>((value >> shift) & 0xFF);
             journal.insert(ends[0], frame + payload);
         },
         1,
         true},
        {"journal of another base",
         {EditMonday},
         [](std::string& journal, const std::vector<std::size_t>&) {
             journal.replace(0, journal.find('\n'), "PLANOVA-JOURNAL 1 1 2 3 4");
         },
         0},
        {"journal that is no journal",
         {EditMonday},
         [](std::string& journal, const std::vector<std::size_t>&) { journal.replace(0, 8, "garbage!"); },
         0},
    };
    return cases;
}

/// The texts of the questions that were asked.
QStringList Questions(const ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const auto& request : dialogs.Asked)
        texts.append(request.Text);
    return texts;
}

} // namespace

class ShellRecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void RecoversEditAfterKill();
    void DiscardedRecoveryIsGone();
    void CleanSaveAndCloseRemoveRecoveryFiles();
    void DiscardRemovesOnlyTheStoresOwnFiles();
    void AutosavesWithoutAUsableDescriptionAreOffered();
    void UnreadableLocksHideNothingAndLiveOnesHideTheirFolder();
    void ADamagedAutosaveIsRefusedAndKept();
    void APartlyDamagedAutosaveIsRecoveredWithoutOverwritingTheFile();
    void AFailingAutosaveIsReportedOnce();
    void TheJournalIsReplayedUpToItsLastCompleteEntry();
    void AJournalWithoutItsAutosaveIsRemoved();

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

void ShellRecoveryTest::DiscardRemovesOnlyTheStoresOwnFiles()
{
    ShellSandbox sandbox;
    const QString relativeVictim = sandbox.WriteBytes(QStringLiteral("year.dat"), "a year of work");
    const QString absoluteVictim = sandbox.WriteBytes(QStringLiteral("other.dat"), "another year");
    const QString first = WriteOrphan(sandbox, QStringLiteral("first"), 1, AutosaveWithEvent("a"),
                                      "[General]\nDataFile=../../year.dat\nName=a.dat\n");
    const QString second = WriteOrphan(sandbox, QStringLiteral("second"), 2, AutosaveWithEvent("b"),
                                       "[General]\nDataFile=" + absoluteVictim.toUtf8() + "\nName=b.dat\n");
    DialogScript dialogs;
    dialogs->Answers = {QMessageBox::No, QMessageBox::No}; // "破棄する"
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));
    QCOMPARE(dialogs->Asked.size(), std::size_t{2});
    QCOMPARE(ReadAll(relativeVictim), QByteArray("a year of work"));
    QCOMPARE(ReadAll(absoluteVictim), QByteArray("another year"));
    QVERIFY(!QFileInfo::exists(first));
    QVERIFY(!QFileInfo::exists(second));
}

void ShellRecoveryTest::AutosavesWithoutAUsableDescriptionAreOffered()
{
    ShellSandbox sandbox;
    // A crash between writing the autosave and its .ini; a damaged .ini; an .ini without a name.
    WriteOrphan(sandbox, QStringLiteral("no-info"), 1, AutosaveWithEvent("one"));
    WriteOrphan(sandbox, QStringLiteral("garbage"), 2, AutosaveWithEvent("two"),
                QByteArray("\x00\xFF\x01garbage", 10));
    WriteOrphan(sandbox, QStringLiteral("no-name"), 3, AutosaveWithEvent("three"),
                "[General]\nOriginalPath=x.dat\n");
    DialogScript dialogs;
    dialogs->Answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes};
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));

    const QStringList questions = Questions(*dialogs);
    QCOMPARE(questions.size(), 3);
    for (int serial = 1; serial <= 3; ++serial)
        QVERIFY2(
            questions
                    .filter(
                        QStringLiteral("名前のわからない文書 (自動保存ファイル document-%1.dat)").arg(serial))
                    .size() == 1,
            qPrintable(questions.join(QStringLiteral("\n---\n"))));
    std::set<std::string> events;
    for (const auto& document : app.Documents().Documents()) {
        QVERIFY(document->Path.isEmpty()); // bound to no file: the teacher chooses where it goes
        QVERIFY(document->Doc->IsModified());
        events.insert(document->Doc->DayList().front().GetGyouji());
    }
    QCOMPARE(events, (std::set<std::string>{"one", "two", "three"}));
}

void ShellRecoveryTest::UnreadableLocksHideNothingAndLiveOnesHideTheirFolder()
{
    ShellSandbox sandbox;
    const QString random = WriteOrphan(sandbox, QStringLiteral("random-lock"), 1, AutosaveWithEvent("random"),
                                       "[General]\nName=random.dat\n");
    const QString empty = WriteOrphan(sandbox, QStringLiteral("empty-lock"), 1, AutosaveWithEvent("empty"),
                                      "[General]\nName=empty.dat\n");
    const QString live = WriteOrphan(sandbox, QStringLiteral("live-lock"), 1, AutosaveWithEvent("live"),
                                     "[General]\nName=live.dat\n");
    const QString future = WriteOrphan(sandbox, QStringLiteral("future-lock"), 1, AutosaveWithEvent("future"),
                                       "[General]\nName=future.dat\n");
    // Left by a crash an hour ago, and one dated a year ahead by a wrong clock.
    for (const auto& [folder, bytes, age] :
         {std::tuple{random, QByteArray("\x8f\x12 no lock at all\n\xff", 20), -3600},
          std::tuple{empty, QByteArray(), -3600}, std::tuple{future, QByteArray("garbage"), 365 * 86400}}) {
        QFile lock(QDir(folder).filePath(QStringLiteral("instance.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(bytes);
        lock.flush();
        QVERIFY(
            lock.setFileTime(QDateTime::currentDateTime().addSecs(age), QFileDevice::FileModificationTime));
    }
    // An instance that still runs (this process holds its lock).
    QLockFile held(QDir(live).filePath(QStringLiteral("instance.lock")));
    QVERIFY(held.tryLock(0));

    DialogScript dialogs;
    dialogs->Answers = {QMessageBox::No, QMessageBox::No, QMessageBox::No};
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));
    const QStringList questions = Questions(*dialogs);
    QCOMPARE(questions.size(), 3);
    QCOMPARE(questions.filter(QStringLiteral("random.dat")).size(), 1);
    QCOMPARE(questions.filter(QStringLiteral("empty.dat")).size(), 1);
    QCOMPARE(questions.filter(QStringLiteral("future.dat")).size(), 1);
    QVERIFY(QFileInfo::exists(QDir(live).filePath(QStringLiteral("document-1.dat"))));
}

void ShellRecoveryTest::ADamagedAutosaveIsRefusedAndKept()
{
    ShellSandbox sandbox;
    const QString folder = WriteOrphan(sandbox, QStringLiteral("damaged"), 1, QByteArray(4096, '\0'),
                                       "[General]\nName=year.dat\n");
    for (int start = 0; start < 2; ++start) {
        DialogScript dialogs;
        dialogs->Answers = {QMessageBox::Yes};
        CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
        QVERIFY(app.Start({}));
        // Asked, then told why it cannot be read; never opened as an empty document.
        QCOMPARE(dialogs->Asked.size(), std::size_t{2});
        QVERIFY(dialogs->Asked[1].Text.startsWith(QStringLiteral("ファイルを開けませんでした。")));
        QVERIFY(dialogs->Asked[1].Text.contains(QStringLiteral("document-1.dat")));
        QCOMPARE(app.Documents().Documents().size(), std::size_t{1});
        QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("Planova1"));
        QCOMPARE(ReadAll(QDir(folder).filePath(QStringLiteral("document-1.dat"))), QByteArray(4096, '\0'));
    }
}

void ShellRecoveryTest::APartlyDamagedAutosaveIsRecoveredWithoutOverwritingTheFile()
{
    ShellSandbox sandbox;
    const QString file = sandbox.WriteDocument(QStringLiteral("week.dat"), SchoolWeek());
    const QByteArray original = ReadAll(file);
    WriteOrphan(sandbox, QStringLiteral("damaged"), 1, DamagedSchoolWeek(),
                QStringLiteral("[General]\nName=week.dat\nOriginalPath=%1\n").arg(file).toUtf8());

    DialogScript dialogs;
    dialogs->Answers = {QMessageBox::Yes};
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));
    // Asked, then told what could not be read.
    QCOMPARE(dialogs->Asked.size(), std::size_t{2});
    QVERIFY(dialogs->Asked[1].Text.startsWith(DamagedSchoolWeekMessage));
    auto& recovered = *app.Documents().ActiveDocument();
    QCOMPARE(recovered.Path, file);
    QCOMPARE(recovered.Doc->DayList().size(), std::size_t{5});
    QVERIFY(recovered.Frames.front()->windowTitle().contains(QStringLiteral("(一部破損)")));

    // The mark travels with the new autosave, so a second crash does not lose it.
    const QSettings info(QDir(app.Recovery().InstanceFolder())
                             .filePath(QStringLiteral("document-%1.ini").arg(recovered.Serial)),
                         QSettings::IniFormat);
    QVERIFY(info.value(QStringLiteral("Damage")).toString().startsWith(DamagedSchoolWeekMessage));
    // Saving asks for a name; the user's file stays as it was.
    QVERIFY(!app.Documents().Save(recovered));
    QCOMPARE(dialogs->SaveAsked, 1);
    QCOMPARE(ReadAll(file), original);
}

void ShellRecoveryTest::AFailingAutosaveIsReportedOnce()
{
    ShellSandbox sandbox;
    StartOptions options = OptionsIn(sandbox.Path(QString()));
    options.AutosaveIntervalMs = 60 * 60 * 1000;
    sandbox.WriteBytes(QStringLiteral("recovery"), "a file where the folder belongs");
    DialogScript dialogs;
    CPlanovaApp app(options);
    QVERIFY(app.Start({}));
    auto& document = *app.Documents().ActiveDocument();
    EditEvent(app.Documents(), document, "x");

    QStringList shown;
    QObject::connect(app.MainFrame().statusBar(), &QStatusBar::messageChanged, [&shown](const QString& text) {
        if (text.contains(QStringLiteral("自動保存できませんでした")))
            shown.append(text);
    });
    app.Autosave();
    app.Autosave();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.front().contains(QDir::toNativeSeparators(sandbox.Path(QStringLiteral("recovery")))),
             qPrintable(shown.front()));

    // Once the way is clear, autosave works again, and a new failure would be told again.
    QFile::remove(sandbox.Path(QStringLiteral("recovery")));
    app.Autosave();
    QVERIFY(app.Recovery().Has(document.Serial));
}

void ShellRecoveryTest::TheJournalIsReplayedUpToItsLastCompleteEntry()
{
    for (const JournalCase& test : JournalCases()) {
        ShellSandbox sandbox;
        RecoveryStore store(sandbox.Path(QStringLiteral("recovery")));
        QVERIFY(store.Start());
        CPlanovaDoc document = JournalFixture();
        document.TakeChanges();
        QString error;
        QVERIFY2(
            store.Save(1, document, QString(), QStringLiteral("Planova1"), FileStamp(), QString(), error),
            qPrintable(error));
        const RecoverableFile files = store.Files(1);
        // The file after each change; the first is the autosave's.
        std::vector<std::string> states{WriteDataFile(document)};
        std::vector<std::size_t> ends;
        for (const DocumentChange& change : test.Changes) {
            change(document);
            const auto entry = TakeJournalEntry(document);
            QVERIFY2(entry, test.Name);
            QVERIFY2(store.Append(1, EncodeJournalEntry(*entry), error), qPrintable(error));
            states.push_back(WriteDataFile(document));
            ends.push_back(static_cast<std::size_t>(QFileInfo(files.JournalFile).size()));
        }
        if (test.Damage) {
            std::string journal = ReadAll(files.JournalFile).toStdString();
            test.Damage(journal, ends);
            sandbox.WriteBytes(QStringLiteral("recovery/") + QFileInfo(files.JournalFile).dir().dirName() +
                                   QStringLiteral("/") + QFileInfo(files.JournalFile).fileName(),
                               QByteArray::fromStdString(journal));
        }

        const LoadedDataFile loaded = store.Read(files);
        QVERIFY2(loaded.Result.Ok, test.Name);
        QVERIFY2(WriteDataFile(*loaded.Document) == states[test.Recovered], test.Name);
        QVERIFY2(loaded.Warning.empty() != test.Warned, test.Name);
    }
}

void ShellRecoveryTest::AJournalWithoutItsAutosaveIsRemoved()
{
    ShellSandbox sandbox;
    // A crash after the autosave was removed (a save) but before its journal was.
    const QString folder = WriteOrphan(sandbox, QStringLiteral("no-base"), 1, AutosaveWithEvent("gone"),
                                       "[General]\nName=gone.dat\n");
    const QDir dir(folder);
    QVERIFY(QFile::rename(dir.filePath(QStringLiteral("document-1.dat")),
                          dir.filePath(QStringLiteral("document-1.journal"))));
    DialogScript dialogs;
    CPlanovaApp app(OptionsIn(sandbox.Path(QString())));
    QVERIFY(app.Start({}));
    QVERIFY(dialogs->Asked.empty());
    QVERIFY(dir.entryList({QStringLiteral("document-*")}, QDir::Files).isEmpty());
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
