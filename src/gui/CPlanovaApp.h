#pragma once

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>

class QTimer;

namespace planova {

class AppSettings;
class CMainFrame;
class DocumentManager;
class RecoveryStore;
class RecoveryWriter;
struct OpenDocument;
struct RecoveryJob;
class SavePublisher;
class CPlanovaDoc;
class SingleInstance;

/// What a start of the application may differ in (tests choose their own places).
struct StartOptions
{
    /// The settings file; empty: the user's settings of "KORVANE" / "Planova".
    QString SettingsFile;
    /// Where recovery files go; empty: "recovery" in the user's data folder.
    QString RecoveryFolder;
    /// How often modified documents are autosaved whatever else happened (the backstop).
    int AutosaveIntervalMs = 5 * 60 * 1000;
    /// How often documents are looked at for changes since their recovery copy: each change is on the
    /// disk within this time plus one write.
    int RecoveryCheckMs = 200;
    /// Show the main window (maximised) at the end of the start.
    bool ShowWindow = true;

    /// The options of a normal start: PLANOVA_AUTOSAVE_MS may shorten the autosave interval.
    static StartOptions FromEnvironment();
};

/**
 * The application: reads the per-user settings, creates the main window, offers to recover
 * documents of an instance that crashed, reopens the last data file and opens the files of the
 * command line, and autosaves modified documents for recovery.
 */
class CPlanovaApp : public QObject
{
    Q_OBJECT
public:
    explicit CPlanovaApp(StartOptions options);
    ~CPlanovaApp() override;

    /// Runs the start-up with the files named on the command line; false ends the application.
    bool Start(const QStringList& files);

    CMainFrame& MainFrame() const { return *Frame; }
    DocumentManager& Documents() const { return *Manager; }
    AppSettings& Settings() const { return *UserSettings; }
    RecoveryStore& Recovery() const { return *Store; }

    /// Autosaves every modified document whose recovery copy is not up to date, now and on this
    /// thread, and has the journal of every other one folded into a new copy on the writing thread
    /// (the backstop timer's work). A failure is shown once in the status bar.
    void Autosave();
    /// Hands what changed in every document since its last recovery copy to the writing thread (the
    /// frequent timer's work): the window goes on at once, the change is on the disk after one append.
    void KeepRecoveryCopies();
    /// Returns once the states handed over are written.
    void WaitForRecoveryCopies();
    /// Opens files handed over by a later start, or dropped on the window; during the start they
    /// wait until the start's own documents are open.
    void OpenFiles(const QStringList& files);
    /// Opens the files later starts hand to this instance.
    void ReceiveFilesFrom(SingleInstance& instance);

private:
    void OfferRecovery();
    /// What the document's recovery file says about it, without a state.
    static RecoveryJob DescribeForRecovery(const OpenDocument& document);
    /// Publishes the saved document when the settings ask for a publish after each save.
    void PublishSaved(const CPlanovaDoc& document);
    /// A copy of the document's whole state now, for its recovery file.
    static RecoveryJob RecoveryJobFor(OpenDocument& document);
    /// Shows a failure of writing recovery files in the status bar, once until a write succeeds again.
    void ReportAutosave(const QString& failure);

    StartOptions Options;
    std::unique_ptr<AppSettings> UserSettings;
    std::unique_ptr<CMainFrame> Frame;
    std::unique_ptr<DocumentManager> Manager;
    std::unique_ptr<RecoveryStore> Store;
    std::unique_ptr<RecoveryWriter> Writer;
    /// Publishes each save when the user asked for it, made at the first such save (declared last: it
    /// ends its thread first).
    std::unique_ptr<SavePublisher> AutoPublish;
    /// The revision of each document last handed to the writer.
    std::map<int, std::uint64_t> PostedRevisions;
    /// Files handed over while the start was still running.
    QStringList PendingFiles;
    bool Starting = false;
    QTimer* AutosaveTimer;
    QTimer* RecoveryTimer;
    /// The last autosave failed and the status bar said so.
    bool AutosaveFailureShown = false;
};

} // namespace planova
