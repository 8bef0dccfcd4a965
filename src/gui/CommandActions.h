#pragma once

#include <QObject>
#include <QPixmap>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;
class QWidget;

namespace planova {

class CommandTarget;

/**
 * The actions of every command in the command table, and the menus, toolbar and shortcuts
 * built from them. A command is enabled when its handler (the application's targets or the
 * active view) says so; a disabled command is never executed, whichever way it was invoked.
 */
class CommandActions : public QObject
{
    Q_OBJECT
public:
    /// Actions are added to `window`, so that their shortcuts work everywhere inside it.
    explicit CommandActions(QWidget& window);

    /// Targets asked, in order, for the commands the application handles.
    void AddApplicationTarget(CommandTarget& target);
    /// How to find the active view (nullptr when there is none).
    void SetActiveView(std::function<CommandTarget*()> activeView);

    /// Builds the menus of the table on the menu bar.
    void BuildMenuBar(QMenuBar& menuBar);
    /// Fills the toolbar with the commands (the customise command always comes last).
    void FillToolbar(QToolBar& toolbar, const std::vector<int>& commands);
    /// Images of the user image file, given to toolbar commands that have no image of their own.
    void SetUserImages(std::vector<QPixmap> images);
    /// A popup menu of table commands (e.g. the cell context menu), owned by `parent`.
    QMenu* BuildPopup(QWidget* parent, const std::vector<std::pair<int, QString>>& entries);

    /// Shows the menu items of the menu bar with or without documents.
    void ShowMenuBarFor(bool documentOpen);

    QAction* Action(int id) const;
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    /// Runs the command when it is enabled; false otherwise.
    bool Execute(int id);

    /// The commands the toolbar shows when the user never chose.
    static std::vector<int> DefaultToolbarCommands();

public slots:
    /// Brings every action's enabled state, mark and text up to date.
    void UpdateStates();
    /// Updates the states once the events being handled now are done.
    void UpdateStatesSoon();

protected:
    /// Input may change what the view offers: the states are brought up to date after it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CommandTarget* TargetFor(int id) const;
    QMenu* MenuAt(QMenuBar& menuBar, const QString& path);

    QWidget& Window;
    std::vector<CommandTarget*> ApplicationTargets;
    std::function<CommandTarget*()> ActiveView;
    std::map<int, QAction*> Actions;
    std::map<QString, QMenu*> MenusByPath;
    std::vector<std::pair<QMenu*, unsigned>> TopMenus;
    std::vector<QPixmap> UserImages;
    bool DocumentBarShown = false;
    QTimer* PendingUpdate;
};

/// Splits an image strip into square images (the height of the strip is the side).
std::vector<QPixmap> SplitImageStrip(const QPixmap& strip);

} // namespace planova
