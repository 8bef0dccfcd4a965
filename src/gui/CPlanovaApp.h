#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QTimer;

namespace planova {

class AppSettings;
class CMainFrame;
class DocumentManager;
class RecoveryStore;
class SingleInstance;

/// What a start of the application may differ in (tests choose their own places).
struct StartOptions
{
    /// The settings file; empty: the user's settings of "KORVANE" / "Planova".
    QString SettingsFile;
    /// Where recovery files go; empty: "recovery" in the user's data folder.
    QString RecoveryFolder;
    /// How often modified documents are autosaved.
    int AutosaveIntervalMs = 5 * 60 * 1000;
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

    /// Autosaves every modified document now (the timer's work). A failure is shown once in the
    /// status bar.
    void Autosave();
    /// Opens files handed over by a later start, or dropped on the window; during the start they
    /// wait until the start's own documents are open.
    void OpenFiles(const QStringList& files);
    /// Opens the files later starts hand to this instance.
    void ReceiveFilesFrom(SingleInstance& instance);

private:
    void OfferRecovery();

    StartOptions Options;
    std::unique_ptr<AppSettings> UserSettings;
    std::unique_ptr<CMainFrame> Frame;
    std::unique_ptr<DocumentManager> Manager;
    std::unique_ptr<RecoveryStore> Store;
    /// Files handed over while the start was still running.
    QStringList PendingFiles;
    bool Starting = false;
    QTimer* AutosaveTimer;
    /// The last autosave failed and the status bar said so.
    bool AutosaveFailureShown = false;
};

} // namespace planova
