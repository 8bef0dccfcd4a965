#include "gui/CPlanovaApp.h"

#include "gui/AppSettings.h"
#include "gui/CMainFrame.h"
#include "gui/DocumentManager.h"
#include "gui/Interchange.h"
#include "gui/RecoveryStore.h"
#include "gui/RecoveryWriter.h"
#include "gui/SingleInstance.h"
#include "gui/StartupProbe.h"
#include "gui/UserDialogs.h"
#include "model/DataFile.h"
#include "model/RecoveryJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>

#include <utility>

namespace planova {
namespace {

QString RecoveryQuestion(const RecoverableFile& file)
{
    const QString what =
        file.OriginalPath.isEmpty() ? file.Name : QDir::toNativeSeparators(file.OriginalPath);
    return QStringLiteral("Planova は前回正しく終了しませんでした。\n"
                          "次の文書の自動保存データが残っています。\n\n%1\n（%2 に自動保存）\n\n"
                          "自動保存データから文書を回復しますか?")
        .arg(what, QLocale(QLocale::Japanese).toString(file.SavedAt, QLocale::ShortFormat));
}

} // namespace

StartOptions StartOptions::FromEnvironment()
{
    StartOptions options;
    bool ok = false;
    const int interval = qEnvironmentVariableIntValue("PLANOVA_AUTOSAVE_MS", &ok);
    if (ok && interval > 0)
        options.AutosaveIntervalMs = interval;
    return options;
}

CPlanovaApp::CPlanovaApp(StartOptions options)
    : Options(std::move(options)), UserSettings(std::make_unique<AppSettings>(Options.SettingsFile)),
      Store(std::make_unique<RecoveryStore>(Options.RecoveryFolder.isEmpty() ? RecoveryStore::DefaultFolder()
                                                                             : Options.RecoveryFolder)),
      Writer(std::make_unique<RecoveryWriter>(*Store)), AutosaveTimer(new QTimer(this)),
      RecoveryTimer(new QTimer(this))
{
}

CPlanovaApp::~CPlanovaApp()
{
    // A publish under way ends first; the manager takes the document windows with it before the
    // main window goes; the writer ends before the store it writes into.
    AutoPublish.reset();
    Manager.reset();
    Writer.reset();
    Frame.reset();
}

bool CPlanovaApp::Start(const QStringList& files)
{
    Starting = true;
    const QString lastDataFile = UserSettings->LastDataFile();

    Frame = std::make_unique<CMainFrame>(*UserSettings);
    StartupProbe::Mark("main window built");
    Manager = std::make_unique<DocumentManager>(Frame->MdiArea(), *UserSettings, Frame.get());
    Frame->AttachDocuments(*Manager);
    connect(Frame.get(), &CMainFrame::FilesDropped, this, &CPlanovaApp::OpenFiles);
    connect(Manager.get(), &DocumentManager::DocumentSaved, this, [this](int serial) {
        Writer->Remove(serial);
        for (const auto& document : Manager->Documents()) {
            if (document->Serial == serial)
                PublishSaved(*document->Doc);
        }
    });
    connect(Manager.get(), &DocumentManager::DocumentClosed, this, [this](int serial) {
        Writer->Remove(serial);
        PostedRevisions.erase(serial);
    });

    // The main window is shown before any document window is added: a window added to the hidden
    // tabbed area is never activated nor maximised in its tab when the area is shown later.
    // The first start fills the screen; later starts restore the window as it was last closed.
    if (Options.ShowWindow) {
        if (Frame->restoreGeometry(UserSettings->MainWindowGeometry()))
            Frame->show();
        else
            Frame->showMaximized();
    }

    StartupProbe::Mark("main window shown");
    Store->Start();
    OfferRecovery();
    StartupProbe::Mark("recovery offered");

    // The last data file comes first; files named on the command line open after it, so the
    // one the user asked for is the active window.
    if (!lastDataFile.isEmpty() && QFileInfo(lastDataFile).isFile())
        Manager->Open(lastDataFile);
    for (const auto& file : files)
        Manager->Open(file);
    if (Manager->Documents().empty())
        Manager->NewDocument();
    StartupProbe::Mark("documents open");

    AutosaveTimer->setInterval(Options.AutosaveIntervalMs);
    connect(AutosaveTimer, &QTimer::timeout, this, &CPlanovaApp::Autosave);
    AutosaveTimer->start();
    RecoveryTimer->setInterval(Options.RecoveryCheckMs);
    connect(RecoveryTimer, &QTimer::timeout, this, &CPlanovaApp::KeepRecoveryCopies);
    RecoveryTimer->start();

    Starting = false;
    if (!PendingFiles.isEmpty())
        OpenFiles(std::exchange(PendingFiles, {}));
    return true;
}

void CPlanovaApp::PublishSaved(const CPlanovaDoc& document)
{
    // The calendar server code is loaded only for a user who asked for the publish.
    if (!AutoPublish) {
        const CalendarServerAccount account = UserSettings->CalendarServer();
        if (!account.PublishAfterSave || account.Url.isEmpty())
            return;
        Interchange* exchange = Interchange::Get(Frame.get());
        if (exchange == nullptr)
            return;
        AutoPublish = exchange->NewSavePublisher(*UserSettings, Frame.get());
    }
    AutoPublish->Saved(document);
}

void CPlanovaApp::OfferRecovery()
{
    for (const auto& file : Store->Orphans()) {
        const auto answer =
            UserDialogs::Current().Ask(Frame.get(), {QMessageBox::Question,
                                                     RecoveryQuestion(file),
                                                     {{QMessageBox::Yes, QStringLiteral("回復する(&R)")},
                                                      {QMessageBox::No, QStringLiteral("破棄する(&D)")}},
                                                     QMessageBox::Yes});
        if (answer == QMessageBox::No) {
            Store->Discard(file);
            continue;
        }
        if (answer != QMessageBox::Yes)
            continue; // closed without an answer: ask again at the next start
        LoadedDataFile loaded = Store->Read(file);
        if (!loaded.Result.Ok) {
            // The autosave stays where it is: it is offered again at the next start.
            ShowError(Frame.get(),
                      QString::fromStdString(OpenFailureMessage(
                          loaded.Result.Error, QDir::toNativeSeparators(file.DataFile).toStdString())));
            continue;
        }
        if (!loaded.Warning.empty())
            ShowError(Frame.get(), QString::fromStdString(loaded.Warning));
        // A damaged autosave, or the autosave of a document read from a damaged file: either way
        // the user's file is not to be overwritten with what was left.
        const QString damage = QStringList{file.Damage, QString::fromStdString(DamageMessage(loaded.Damage))}
                                   .join(QLatin1Char('\n'))
                                   .trimmed();
        QString error;
        auto& recovered =
            Manager->Adopt(std::move(*loaded.Document), file.OriginalPath, file.DiskStamp, damage);
        if (!damage.isEmpty())
            Manager->ShowDamage(damage);
        // The recovered state is safe in this instance's folder before the old copy goes.
        PostedRevisions[recovered.Serial] = recovered.Doc->Revision();
        if (Writer->WriteNow(RecoveryJobFor(recovered), error))
            Store->Discard(file);
    }
}

RecoveryJob CPlanovaApp::DescribeForRecovery(const OpenDocument& document)
{
    return {.Serial = document.Serial,
            .Revision = document.Doc->Revision(),
            .Document = nullptr,
            .Entry = nullptr,
            .OriginalPath = document.Path,
            .Name = document.Name,
            .DiskStamp = document.DiskStamp,
            .Damage = document.Damage};
}

RecoveryJob CPlanovaApp::RecoveryJobFor(OpenDocument& document)
{
    RecoveryJob job = DescribeForRecovery(document);
    // The whole copy holds every change so far: the next journal entry starts after it.
    document.Doc->TakeChanges();
    job.Document = std::make_shared<const CPlanovaDoc>(document.Doc->ContentCopy());
    return job;
}

void CPlanovaApp::KeepRecoveryCopies()
{
    for (const auto& document : Manager->Documents()) {
        const std::uint64_t revision = document->Doc->Revision();
        if (!document->Doc->IsModified() || PostedRevisions[document->Serial] == revision)
            continue;
        PostedRevisions[document->Serial] = revision;
        // Only what changed goes to the journal, unless the writer needs the whole document.
        RecoveryJob job = DescribeForRecovery(*document);
        if (!Writer->WantsWhole(job)) {
            if (auto entry = TakeJournalEntry(*document->Doc)) {
                job.Entry = std::make_shared<const JournalEntry>(std::move(*entry));
                Writer->Post(std::move(job));
                continue;
            }
        }
        Writer->Post(RecoveryJobFor(*document));
    }
    // A failed write is told here; success is told by the backstop, which tries every document again.
    if (const QString failure = Writer->Failure(); !failure.isEmpty())
        ReportAutosave(failure);
}

void CPlanovaApp::WaitForRecoveryCopies()
{
    Writer->WaitUntilWritten();
}

void CPlanovaApp::Autosave()
{
    QString failure;
    for (const auto& document : Manager->Documents()) {
        if (!document->Doc->IsModified()) {
            Writer->Remove(document->Serial);
            continue;
        }
        if (Writer->WrittenRevision(document->Serial) == document->Doc->Revision()) {
            // Up to date: a journal is folded into a new recovery file on the writing thread.
            if (Writer->HasJournal(document->Serial))
                Writer->Post(RecoveryJobFor(*document));
            continue;
        }
        QString error;
        PostedRevisions[document->Serial] = document->Doc->Revision();
        if (!Writer->WriteNow(RecoveryJobFor(*document), error) && failure.isEmpty())
            failure = error;
    }
    ReportAutosave(failure);
}

void CPlanovaApp::ReportAutosave(const QString& failure)
{
    // Told once, not at every try; a later success makes a new failure worth telling again.
    if (!failure.isEmpty() && !AutosaveFailureShown)
        Frame->statusBar()->showMessage(QStringLiteral("自動保存できませんでした。%1").arg(failure));
    AutosaveFailureShown = !failure.isEmpty();
}

void CPlanovaApp::ReceiveFilesFrom(SingleInstance& instance)
{
    connect(&instance, &SingleInstance::FilesReceived, this, &CPlanovaApp::OpenFiles);
}

void CPlanovaApp::OpenFiles(const QStringList& files)
{
    // A question of the start (recovery, a file that cannot be read) runs events meanwhile.
    if (Starting) {
        PendingFiles += files;
        return;
    }
    for (const auto& file : files)
        Manager->Open(file);
    Frame->raise();
    Frame->activateWindow();
}

} // namespace planova
