#pragma once

#include "gui/DocumentView.h"

#include <QMainWindow>

#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMimeData;
class QToolBar;

namespace planova {

class AppSettings;
class QtFindDialog;
class CPlanovaView;
class CommandActions;
class DocumentManager;
class KeyIndicators;

/**
 * The main window: document windows as tabs, the menu bar, the toolbar "標準" and the status
 * bar, all built from the command table. Handles the looks, the bars, the window list, the
 * About box and the exit.
 */
class CMainFrame : public QMainWindow, public CommandTarget
{
    Q_OBJECT
public:
    /// Applies the stored look before anything is shown.
    explicit CMainFrame(AppSettings& settings);
    ~CMainFrame() override;

    /// Connects the documents: their commands, the active view and the titles.
    void AttachDocuments(DocumentManager& documents);

    QMdiArea& MdiArea() const { return *Area; }
    CommandActions& Actions() const { return *Commands; }
    QToolBar& StandardToolbar() const { return *Toolbar; }
    KeyIndicators& Indicators() const { return *Keys; }
    /// The one find dialog "検索・置換" of the window, made when first asked for (not during the
    /// start); its requests go to the active document window.
    QtFindDialog& FindDialog();

    /// The current look (a command 205–219, or the stored value as it was).
    int Look() const { return CurrentLook; }
    /// Makes the look current, applies it to every window and stores it at once.
    void SetLook(int look);
    /// Shows and remembers the commands of the toolbar "標準".
    void SetToolbarCommands(const std::vector<int>& commands);
    std::vector<int> ToolbarCommands() const;

    // CommandTarget: looks, bars, window list and the windows listed on the menu, About, exit.
    bool IsCommandEnabled(int commandId) const override;
    bool IsCommandChecked(int commandId) const override;
    std::string CommandText(int commandId) const override;
    bool ExecuteCommand(int commandId) override;

signals:
    /// Files were dropped on the window.
    void FilesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateTitle();
    void CustomiseToolbar();
    void ShowWindowList();
    /// The open window a window entry of the menu stands for (in the order they were opened), or nullptr.
    QMdiSubWindow* WindowOfEntry(int commandId) const;
    void LoadUserImages();
    /// Sends the find dialog's requests to the active planner view and its end to every view.
    void ConnectFindDialog();
    CPlanovaView* ActivePlannerView() const;

    AppSettings& Settings;
    DocumentManager* Documents = nullptr;
    QMdiArea* Area;
    CommandActions* Commands;
    QToolBar* Toolbar;
    KeyIndicators* Keys;
    QtFindDialog* Find = nullptr;
    int CurrentLook;
};

/// The local files among dropped URLs.
QStringList DroppedFiles(const QMimeData& data);

} // namespace planova
