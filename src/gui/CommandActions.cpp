#include "gui/CommandActions.h"

#include "gui/DocumentView.h"
#include "edit/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace planova {
namespace {

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The text of a toolbar button: the menu text without its accelerator and ellipsis.
QString ButtonText(QString text)
{
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)|\\.\\.\\.$"));
    return text.remove(accelerator).remove(QLatin1Char('&'));
}

QList<QKeySequence> ShortcutsOf(const CommandInfo& command)
{
    QList<QKeySequence> keys;
    for (const auto& part : Utf8(command.Shortcuts).split(u';', Qt::SkipEmptyParts))
        keys.append(QKeySequence::fromString(part, QKeySequence::PortableText));
    return keys;
}

/// The icon of the desktop's theme, else the style's own: the style's images are read only when the
/// theme has none (reading them is a good part of building the main window).
QIcon ThemeIcon(const QString& name, QStyle::StandardPixmap fallback)
{
    QIcon icon = QIcon::fromTheme(name);
    // The condition QIcon::fromTheme(name, fallback) tests, without making the fallback first.
    if (icon.isNull() || icon.availableSizes().isEmpty())
        return QApplication::style()->standardIcon(fallback);
    return icon;
}

/// The built-in image of a toolbar command (null when it has none).
QIcon IconOf(int id)
{
    switch (id) {
    case CommandId::FileNew:
        return ThemeIcon(QStringLiteral("document-new"), QStyle::SP_FileIcon);
    case CommandId::FileOpen:
        return ThemeIcon(QStringLiteral("document-open"), QStyle::SP_DialogOpenButton);
    case CommandId::FileSave:
        return ThemeIcon(QStringLiteral("document-save"), QStyle::SP_DialogSaveButton);
    case CommandId::AppAbout:
        return ThemeIcon(QStringLiteral("help-about"), QStyle::SP_MessageBoxInformation);
    case CommandId::EditCut:
        return QIcon::fromTheme(QStringLiteral("edit-cut"));
    case CommandId::EditCopy:
        return QIcon::fromTheme(QStringLiteral("edit-copy"));
    case CommandId::EditPaste:
        return QIcon::fromTheme(QStringLiteral("edit-paste"));
    case CommandId::FilePrint:
        return QIcon::fromTheme(QStringLiteral("document-print"));
    default:
        return {};
    }
}

} // namespace

CommandActions::CommandActions(QWidget& window)
    : QObject(&window), Window(window), PendingUpdate(new QTimer(this))
{
    PendingUpdate->setSingleShot(true);
    PendingUpdate->setInterval(0);
    connect(PendingUpdate, &QTimer::timeout, this, &CommandActions::UpdateStates);
    qApp->installEventFilter(this);

    auto* looks = new QActionGroup(this);
    looks->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& command : Commands()) {
        auto* action = new QAction(Utf8(command.Text), this);
        action->setShortcuts(ShortcutsOf(command));
        action->setStatusTip(Utf8(command.Prompt));
        action->setCheckable(command.Mark != CommandMark::None);
        action->setIcon(IconOf(command.Id));
        action->setIconVisibleInMenu(false);
        if (command.Mark == CommandMark::Radio)
            looks->addAction(action);
        const int id = command.Id;
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        Actions[id] = action;
        Window.addAction(action);
    }
}

void CommandActions::AddApplicationTarget(CommandTarget& target)
{
    ApplicationTargets.push_back(&target);
}

void CommandActions::SetActiveView(std::function<CommandTarget*()> activeView)
{
    ActiveView = std::move(activeView);
}

QMenu* CommandActions::MenuAt(QMenuBar& menuBar, const QString& path)
{
    if (auto found = MenusByPath.find(path); found != MenusByPath.end())
        return found->second;
    const int split = path.lastIndexOf(u'/');
    QMenu* menu = nullptr;
    if (split < 0) {
        menu = menuBar.addMenu(path);
    } else {
        menu = MenuAt(menuBar, path.left(split))->addMenu(path.mid(split + 1));
    }
    connect(menu, &QMenu::aboutToShow, this, &CommandActions::UpdateStates);
    MenusByPath[path] = menu;
    return menu;
}

void CommandActions::BuildMenuBar(QMenuBar& menuBar)
{
    for (const auto& info : Menus())
        TopMenus.emplace_back(MenuAt(menuBar, Utf8(info.Title)), info.MenuBars);
    for (const auto& command : Commands()) {
        if (command.MenuPath.empty())
            continue;
        auto* menu = MenuAt(menuBar, Utf8(command.MenuPath));
        if (command.SeparatorBefore)
            menu->addSeparator();
        menu->addAction(Actions.at(command.Id));
    }
    ShowMenuBarFor(false);
}

void CommandActions::ShowMenuBarFor(bool documentOpen)
{
    DocumentBarShown = documentOpen;
    const unsigned bar = documentOpen ? DocumentBar : NoDocumentBar;
    for (auto& [menu, bars] : TopMenus)
        menu->menuAction()->setVisible((bars & bar) != 0);
    UpdateStates();
}

void CommandActions::FillToolbar(QToolBar& toolbar, const std::vector<int>& commands)
{
    toolbar.clear();
    std::size_t nextUserImage = 0;
    for (const auto& command : Commands()) {
        if (std::find(commands.begin(), commands.end(), command.Id) == commands.end())
            continue;
        auto* action = Actions.at(command.Id);
        if (action->icon().isNull() && nextUserImage < UserImages.size())
            action->setIcon(QIcon(UserImages[nextUserImage++]));
        toolbar.addAction(action);
    }
    toolbar.addSeparator();
    toolbar.addAction(Actions.at(CommandId::ToolbarCustomise));
}

void CommandActions::SetUserImages(std::vector<QPixmap> images)
{
    UserImages = std::move(images);
}

QMenu* CommandActions::BuildPopup(QWidget* parent, const std::vector<std::pair<int, QString>>& entries)
{
    auto* menu = new QMenu(parent);
    for (const auto& [id, text] : entries) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        auto* item = menu->addAction(text);
        item->setEnabled(IsEnabled(id));
        connect(item, &QAction::triggered, this, [this, id] { Execute(id); });
    }
    return menu;
}

QAction* CommandActions::Action(int id) const
{
    const auto found = Actions.find(id);
    return found == Actions.end() ? nullptr : found->second;
}

CommandTarget* CommandActions::TargetFor(int id) const
{
    const auto* command = FindCommand(id);
    if (!command)
        return nullptr;
    switch (command->Handler) {
    case CommandHandler::Application:
        for (auto* target : ApplicationTargets)
            if (target->IsCommandEnabled(id))
                return target;
        return nullptr;
    case CommandHandler::View: {
        auto* view = ActiveView ? ActiveView() : nullptr;
        return view && view->IsCommandEnabled(id) ? view : nullptr;
    }
    case CommandHandler::Nobody:
        break;
    }
    return nullptr;
}

bool CommandActions::IsEnabled(int id) const
{
    return TargetFor(id) != nullptr;
}

bool CommandActions::IsChecked(int id) const
{
    const auto* command = FindCommand(id);
    if (!command || command->Mark == CommandMark::None)
        return false;
    if (command->Handler == CommandHandler::View) {
        auto* view = ActiveView ? ActiveView() : nullptr;
        return view && view->IsCommandChecked(id);
    }
    for (auto* target : ApplicationTargets)
        if (target->IsCommandChecked(id))
            return true;
    return false;
}

bool CommandActions::Execute(int id)
{
    auto* target = TargetFor(id);
    const bool done = target && target->ExecuteCommand(id);
    UpdateStates();
    return done;
}

void CommandActions::UpdateStates()
{
    const unsigned bar = DocumentBarShown ? DocumentBar : NoDocumentBar;
    const auto* view = ActiveView ? ActiveView() : nullptr;
    for (const auto& command : Commands()) {
        auto* action = Actions.at(command.Id);
        action->setEnabled(IsEnabled(command.Id));
        if (action->isCheckable())
            action->setChecked(IsChecked(command.Id));

        std::string text;
        if (command.Handler == CommandHandler::View && view)
            text = view->CommandText(command.Id);
        for (auto* target : ApplicationTargets)
            if (text.empty() && command.Handler == CommandHandler::Application)
                text = target->CommandText(command.Id);
        const QString shown = text.empty() ? Utf8(command.Text) : QString::fromStdString(text);
        action->setText(shown);
        action->setIconText(ButtonText(shown));
        // Rows without a text (unused recent-file places) are not shown.
        action->setVisible(!shown.isEmpty() && (command.MenuBars & bar) != 0);
    }
}

void CommandActions::UpdateStatesSoon()
{
    PendingUpdate->start();
}

bool CommandActions::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
        PendingUpdate->start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

std::vector<int> CommandActions::DefaultToolbarCommands()
{
    std::vector<int> commands;
    for (const auto& command : Commands())
        if (command.OnDefaultToolbar)
            commands.push_back(command.Id);
    return commands;
}

std::vector<QPixmap> SplitImageStrip(const QPixmap& strip)
{
    std::vector<QPixmap> images;
    const int side = strip.height();
    if (side <= 0)
        return images;
    for (int x = 0; x + side <= strip.width(); x += side)
        images.push_back(strip.copy(x, 0, side, side));
    return images;
}

} // namespace planova
