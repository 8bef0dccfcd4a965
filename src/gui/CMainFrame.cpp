#include "gui/CMainFrame.h"

#include "gui/AppSettings.h"
#include "gui/ApplicationLook.h"
#include "gui/CAboutDlg.h"
#include "gui/CChildFrame.h"
#include "gui/QtFindDialog.h"
#include "gui/CPlanovaView.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/KeyIndicators.h"
#include "gui/ToolbarCustomiseDlg.h"
#include "gui/WindowListDlg.h"
#include "edit/CommandTable.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>

namespace planova {
namespace {

const QString ApplicationName = QStringLiteral("Planova");
const QString ToolbarBar = QStringLiteral("Toolbar");
const QString StatusBarBar = QStringLiteral("StatusBar");
/// Optional images for toolbar commands, looked for in the current folder.
const QString UserImagesFile = QStringLiteral("UserImages.bmp");

} // namespace

QStringList DroppedFiles(const QMimeData& data)
{
    QStringList files;
    for (const auto& url : data.urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

CMainFrame::CMainFrame(AppSettings& settings)
    : Settings(settings), Area(new QMdiArea(this)), Commands(new CommandActions(*this)),
      Toolbar(new QToolBar(QStringLiteral("標準"), this)), Keys(nullptr), CurrentLook(settings.Look())
{
    ApplyLook(CurrentLook);
    setWindowTitle(ApplicationName);
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);

    Area->setViewMode(QMdiArea::TabbedView);
    Area->setDocumentMode(true);
    Area->setTabsClosable(true);
    Area->setTabsMovable(true);
    setCentralWidget(Area);

    Commands->AddApplicationTarget(*this);
    Commands->BuildMenuBar(*menuBar());

    Toolbar->setObjectName(QStringLiteral("StandardToolbar"));
    Toolbar->setAllowedAreas(Qt::AllToolBarAreas);
    Toolbar->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, Toolbar);
    LoadUserImages();
    Commands->FillToolbar(*Toolbar, ToolbarCommands());
    Toolbar->setVisible(Settings.BarVisible(ToolbarBar));

    Keys = new KeyIndicators(*statusBar());
    statusBar()->showMessage(QStringLiteral("レディ"));
    statusBar()->setVisible(Settings.BarVisible(StatusBarBar));
    Commands->UpdateStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::AttachDocuments(DocumentManager& documents)
{
    Documents = &documents;
    Commands->AddApplicationTarget(documents);
    Commands->SetActiveView([this]() -> CommandTarget* {
        auto* frame = Documents ? Documents->ActiveFrame() : nullptr;
        return frame ? frame->View() : nullptr;
    });
    connect(&documents, &DocumentManager::TitlesChanged, this, &CMainFrame::UpdateTitle);
    connect(&documents, &DocumentManager::DocumentsChanged, this,
            [this] { Commands->ShowMenuBarFor(!Documents->Documents().empty()); });
    connect(&documents, &DocumentManager::RecentFilesChanged, Commands, &CommandActions::UpdateStates);
    connect(&documents, &DocumentManager::TitlesChanged, Commands, &CommandActions::UpdateStatesSoon);
}

CPlanovaView* CMainFrame::ActivePlannerView() const
{
    auto* frame = Documents ? Documents->ActiveFrame() : nullptr;
    return frame ? dynamic_cast<CPlanovaView*>(frame->View()) : nullptr;
}

QtFindDialog& CMainFrame::FindDialog()
{
    if (Find == nullptr) {
        Find = new QtFindDialog(this);
        ConnectFindDialog();
    }
    return *Find;
}

void CMainFrame::ConnectFindDialog()
{
    // The requests act on the active document window only: sent to every view, "全て置換" would
    // replace once per window of the same document and "次を検索" would skip hits.
    connect(Find, &QtFindDialog::FindNextRequested, this,
            [this](const std::string& search, bool fromStart, bool backward) {
                auto* view = ActivePlannerView();
                if (view == nullptr)
                    return;
                view->OnFindNext(search, fromStart, Find->Options(), {backward, Find->SearchesToDos()});
                if (const std::optional<QRect> hit = view->FindMarkOnScreen())
                    Find->MoveClearOf(*hit);
            });
    connect(Find, &QtFindDialog::ReplaceRequested, this,
            [this](const std::string& search, const std::string& replacement) {
                if (auto* view = ActivePlannerView())
                    view->OnReplace(search, replacement, Find->Options());
            });
    connect(Find, &QtFindDialog::ReplaceAllRequested, this,
            [this](const std::string& search, const std::string& replacement) {
                if (auto* view = ActivePlannerView())
                    view->OnReplaceAll(search, replacement, Find->Options(), Find->SearchesToDos());
            });
    connect(Find, &QtFindDialog::Ended, this, [this] {
        if (Documents == nullptr)
            return;
        for (const auto& document : Documents->Documents())
            for (auto* frame : document->Frames)
                if (auto* view = dynamic_cast<CPlanovaView*>(frame->View()))
                    view->OnFindEnded();
    });
}

void CMainFrame::UpdateTitle()
{
    auto* document = Documents ? Documents->ActiveDocument() : nullptr;
    if (!document) {
        setWindowTitle(ApplicationName);
        setWindowModified(false);
        return;
    }
    setWindowTitle(document->Name + QStringLiteral("[*] - ") + ApplicationName);
    setWindowModified(document->Doc->IsModified());
}

void CMainFrame::SetLook(int look)
{
    CurrentLook = look;
    ApplyLook(look);
    Settings.SetLook(look);
    Commands->UpdateStates();
}

std::vector<int> CMainFrame::ToolbarCommands() const
{
    return Settings.ToolbarCommands().value_or(CommandActions::DefaultToolbarCommands());
}

void CMainFrame::SetToolbarCommands(const std::vector<int>& commands)
{
    Settings.SetToolbarCommands(commands);
    Commands->FillToolbar(*Toolbar, commands);
    Commands->UpdateStates();
}

void CMainFrame::CustomiseToolbar()
{
    ToolbarCustomiseDlg dialog(ToolbarCommands(), this);
    if (dialog.exec() == QDialog::Accepted)
        SetToolbarCommands(dialog.Chosen());
}

void CMainFrame::ShowWindowList()
{
    WindowListDlg dialog(
        *Area,
        [this](QMdiSubWindow& window) {
            if (auto* frame = qobject_cast<CChildFrame*>(&window); frame && Documents)
                Documents->Save(frame->Document());
        },
        this);
    dialog.exec();
}

void CMainFrame::LoadUserImages()
{
    const QPixmap strip(UserImagesFile);
    if (!strip.isNull())
        Commands->SetUserImages(SplitImageStrip(strip));
}

bool CMainFrame::IsCommandEnabled(int commandId) const
{
    switch (commandId) {
    case CommandId::ViewToolbar:
    case CommandId::ViewStatusBar:
    case CommandId::ToolbarCustomise:
    case CommandId::AppAbout:
    case CommandId::AppExit:
        return true;
    case CommandId::WindowList:
        return !Area->subWindowList().isEmpty();
    default:
        return WindowOfEntry(commandId) != nullptr || (IsLookCommand(commandId) && FindCommand(commandId));
    }
}

QMdiSubWindow* CMainFrame::WindowOfEntry(int commandId) const
{
    const int entry = commandId - CommandId::WindowEntry1;
    if (entry < 0 || entry >= CommandId::WindowEntryCount)
        return nullptr;
    const auto windows = Area->subWindowList(QMdiArea::CreationOrder);
    return entry < windows.size() ? windows[entry] : nullptr;
}

std::string CMainFrame::CommandText(int commandId) const
{
    const QMdiSubWindow* window = WindowOfEntry(commandId);
    if (!window)
        return {};
    // "&1 2024年度.dat*": the number to choose it with, the title with the mark of unsaved changes.
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
    return QStringLiteral("&%1 %2").arg(commandId - CommandId::WindowEntry1 + 1).arg(title).toStdString();
}

bool CMainFrame::IsCommandChecked(int commandId) const
{
    switch (commandId) {
    case CommandId::ViewToolbar:
        return Toolbar->isVisibleTo(this);
    case CommandId::ViewStatusBar:
        return statusBar()->isVisibleTo(this);
    default:
        if (const QMdiSubWindow* window = WindowOfEntry(commandId))
            return window == Area->activeSubWindow();
        return IsLookCommand(commandId) && commandId == CurrentLook;
    }
}

bool CMainFrame::ExecuteCommand(int commandId)
{
    switch (commandId) {
    case CommandId::ViewToolbar:
        Toolbar->setVisible(!Toolbar->isVisibleTo(this));
        Settings.SetBarVisible(ToolbarBar, Toolbar->isVisibleTo(this));
        return true;
    case CommandId::ViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisibleTo(this));
        Settings.SetBarVisible(StatusBarBar, statusBar()->isVisibleTo(this));
        return true;
    case CommandId::ToolbarCustomise:
        CustomiseToolbar();
        return true;
    case CommandId::WindowList:
        ShowWindowList();
        return true;
    case CommandId::AppAbout: {
        CAboutDlg about(this);
        about.exec();
        return true;
    }
    case CommandId::AppExit:
        close();
        return true;
    default:
        break;
    }
    if (QMdiSubWindow* window = WindowOfEntry(commandId)) {
        Area->setActiveSubWindow(window);
        return true;
    }
    if (!IsLookCommand(commandId) || !FindCommand(commandId))
        return false;
    SetLook(commandId);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (Documents && !Documents->CloseAll()) {
        event->ignore();
        return;
    }
    Settings.SetMainWindowGeometry(saveGeometry());
    Settings.Sync();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const auto files = DroppedFiles(*event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit FilesDropped(files);
}

} // namespace planova
