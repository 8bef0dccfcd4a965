// The command table and what is built from it: menus, toolbar, shortcuts, enable rules.

#include "ShellTestSupport.h"

#include "gui/AppSettings.h"
#include "gui/CAboutDlg.h"
#include "gui/CMainFrame.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/KeyIndicators.h"
#include "gui/ToolbarCustomiseDlg.h"
#include "gui/WindowListDlg.h"
#include "edit/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <map>
#include <set>

using namespace planova;
using namespace planova::test;

namespace {

/// A view that offers a few commands and records what it ran.
class RecordingTarget : public CommandTarget
{
public:
    std::set<int> Enabled;
    std::set<int> Checked;
    std::map<int, std::string> Texts;
    std::vector<int> Ran;

    bool IsCommandEnabled(int id) const override { return Enabled.count(id) != 0; }
    bool IsCommandChecked(int id) const override { return Checked.count(id) != 0; }
    std::string CommandText(int id) const override
    {
        const auto found = Texts.find(id);
        return found == Texts.end() ? std::string() : found->second;
    }
    bool ExecuteCommand(int id) override
    {
        Ran.push_back(id);
        return true;
    }
};

QMenu* SubMenu(QMenu* menu, const QString& title)
{
    for (auto* action : menu->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

QMenu* TopMenu(QMenuBar* bar, const QString& title)
{
    for (auto* action : bar->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

QStringList Texts(QMenu* menu)
{
    QStringList texts;
    for (auto* action : menu->actions())
        if (!action->isSeparator())
            texts.append(action->text());
    return texts;
}

/// A bare window with the table's actions and a recording view, as with a document open.
struct ActionsWithView
{
    QMainWindow Window;
    CommandActions Actions{Window};
    RecordingTarget View;

    ActionsWithView()
    {
        Actions.BuildMenuBar(*Window.menuBar());
        Actions.ShowMenuBarFor(true);
        Actions.SetActiveView([this]() -> CommandTarget* { return &View; });
    }
};

} // namespace

class ShellCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void TableIsConsistent();
    void LookMenuHasExactTextsAndRadioMark();
    void MenusFollowDocuments();
    void EnableRulesComeFromHandlers();
    void DisabledCommandNeverRunsFromShortcut();
    void ViewTextAndMarkReplaceTable();
    void ToolbarChoiceIsRemembered();
    void StatusBarHasMessageAndKeyIndicators();
    void AboutBoxAndWindowList();
};

void ShellCommandsTest::TableIsConsistent()
{
    std::set<int> ids;
    for (const auto& command : Commands()) {
        QVERIFY2(ids.insert(command.Id).second, qPrintable(QString::number(command.Id)));
        QVERIFY(FindCommand(command.Id) == &command);
        if (!command.MenuPath.empty()) {
            const auto top =
                QString::fromUtf8(command.MenuPath.data(), command.MenuPath.size()).section(u'/', 0, 0);
            bool known = false;
            for (const auto& menu : Menus())
                known = known || QString::fromUtf8(menu.Title.data(), menu.Title.size()) == top;
            QVERIFY2(known, qPrintable(top));
        }
    }
    // Every command of the planner, the tools and the shell is registered.
    for (int id : {CommandId::DayView,       CommandId::WeekView,
                   CommandId::MonthView,     CommandId::Forward,
                   CommandId::Back,          CommandId::ToDoView,
                   CommandId::Insert,        CommandId::Delete,
                   CommandId::MoveUp,        CommandId::Edit,
                   CommandId::MoveDown,      CommandId::StandardDay,
                   CommandId::ClockHourRows, CommandId::SchoolDayRows,
                   CommandId::ClearDay,      CommandId::FirstWeekday,
                   CommandId::Properties,    CommandId::InsertTimetable,
                   CommandId::MakeYear,      CommandId::ClassHours,
                   CommandId::ContentShift,  CommandId::CopyJitei,
                   CommandId::CopyGyouji,    CommandId::CopyJigenn,
                   CommandId::CopyYotei,     CommandId::CopyNaiyou,
                   CommandId::ToDoSort,      CommandId::CopyIro,
                   CommandId::FilePrint,     CommandId::FilePrintPreview,
                   CommandId::FileExportPdf, CommandId::EditCopy,
                   CommandId::EditCut,       CommandId::EditFind,
                   CommandId::EditPaste,     CommandId::EditReplace,
                   CommandId::EditUndo,      CommandId::EditRedo,
                   CommandId::WindowList,    CommandId::ToolbarCustomise,
                   CommandId::WindowNew,     CommandId::AppAbout})
        QVERIFY2(FindCommand(id), qPrintable(QString::number(id)));
    QCOMPARE(FindCommand(1), nullptr);
    QCOMPARE(std::string(FindCommand(CommandId::ClassHours)->Prompt),
             std::string("してした学級の授業時数を計算する"));
    QCOMPARE(std::string(FindCommand(CommandId::EditUndo)->Shortcuts), std::string("Ctrl+Z;Alt+Backspace"));

    QStringList context;
    for (const auto& entry : CellContextMenu())
        context.append(entry.Id == 0 ? QStringLiteral("-")
                                     : QString::fromUtf8(entry.Text.data(), entry.Text.size()));
    QCOMPARE(context,
             (QStringList{"編集", "挿入", "上に移動", "下に移動", "削除", "-", "コピー", "貼り付け"}));
}

void ShellCommandsTest::LookMenuHasExactTextsAndRadioMark()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto* view = TopMenu(app.MainFrame().menuBar(), QStringLiteral("表示(&V)"));
    QVERIFY(view);
    auto* looks = SubMenu(view, QStringLiteral("アプリケーションの外観(&A)"));
    QVERIFY(looks);
    QCOMPARE(Texts(looks),
             (QStringList{"Windows 2000(&2)", "Office XP(&X)", "Windows XP(&W)", "Office 2003(&3)",
                          "Visual Studio 200&5", "Visual Studio 200&8", "Office 2007(&7)", "Windows 7(&D)"}));
    auto* office = SubMenu(looks, QStringLiteral("Office 2007(&7)"));
    QVERIFY(office);
    QCOMPARE(Texts(office), (QStringList{"ブルー スタイル(&B)", "ブラック スタイル(&L)",
                                         "シルバー スタイル(&S)", "アクア スタイル(&A)"}));

    auto& actions = app.MainFrame().Actions();
    QVERIFY(actions.Execute(CommandId::LookOffice2007Aqua));
    for (int id :
         {CommandId::LookWindows2000, CommandId::LookOfficeXP, CommandId::LookWindowsXP,
          CommandId::LookOffice2003, CommandId::LookVisualStudio2005, CommandId::LookVisualStudio2008,
          CommandId::LookOffice2007Blue, CommandId::LookOffice2007Black, CommandId::LookOffice2007Silver,
          CommandId::LookOffice2007Aqua, CommandId::LookWindows7}) {
        auto* action = actions.Action(id);
        QVERIFY(action->actionGroup() && action->actionGroup()->isExclusive()); // drawn as a radio
        QCOMPARE(action->isChecked(), id == CommandId::LookOffice2007Aqua);
    }
    QCOMPARE(AppSettings(sandbox.SettingsFile()).Look(), CommandId::LookOffice2007Aqua);
    app.MainFrame().SetLook(CommandId::LookVisualStudio2008);
}

void ShellCommandsTest::MenusFollowDocuments()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto* bar = app.MainFrame().menuBar();
    auto visibleMenus = [bar] {
        QStringList titles;
        for (auto* action : bar->actions())
            if (action->isVisible())
                titles.append(action->text());
        return titles;
    };
    QCOMPARE(visibleMenus(), (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "予定表", "設定",
                                          "ウィンドウ(&W)", "ヘルプ(&H)"}));
    QVERIFY(app.MainFrame().Actions().Execute(CommandId::FileClose));
    QCOMPARE(visibleMenus(), (QStringList{"ファイル(&F)", "表示(&V)", "ヘルプ(&H)"}));
    // Without documents the file menu offers only what needs none.
    QVERIFY(!app.MainFrame().Actions().Action(CommandId::FileSave)->isVisible());
    QVERIFY(app.MainFrame().Actions().Action(CommandId::FileNew)->isVisible());
    QVERIFY(app.MainFrame().Actions().Execute(CommandId::FileNew));
    QCOMPARE(visibleMenus().size(), 7);
}

void ShellCommandsTest::EnableRulesComeFromHandlers()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& actions = app.MainFrame().Actions();
    actions.UpdateStates();
    // The application's own commands.
    for (int id : {CommandId::FileNew, CommandId::FileOpen, CommandId::FileClose, CommandId::FileSave,
                   CommandId::FileSaveAs, CommandId::WindowNew, CommandId::WindowList,
                   CommandId::ToolbarCustomise, CommandId::AppAbout, CommandId::AppExit,
                   CommandId::ViewToolbar, CommandId::ViewStatusBar, CommandId::LookVisualStudio2008})
        QVERIFY2(actions.Action(id)->isEnabled(), qPrintable(QString::number(id)));
    // The planner view's own view commands are always available; with nothing selected and no
    // edit made the editing commands, undo and redo are not; the recent list is empty.
    QVERIFY(actions.Action(CommandId::DayView)->isEnabled());
    for (int id : {CommandId::FilePrint, CommandId::FilePrintPreview, CommandId::FileExportPdf})
        QVERIFY2(actions.Action(id)->isEnabled(), qPrintable(QString::number(id)));
    for (int id : {CommandId::Edit, CommandId::EditCopy, CommandId::EditUndo, CommandId::EditRedo,
                   CommandId::RecentFile1})
        QVERIFY2(!actions.Action(id)->isEnabled(), qPrintable(QString::number(id)));
    QCOMPARE(actions.Action(CommandId::RecentFile1)->text(), QStringLiteral("最近使ったファイル"));
    QVERIFY(!actions.Action(CommandId::RecentFile1 + 1)->isVisible());
    QVERIFY(!actions.Execute(CommandId::Edit));

    QVERIFY(actions.Execute(CommandId::FileClose));
    for (int id : {CommandId::FileClose, CommandId::FileSave, CommandId::FileSaveAs, CommandId::WindowNew,
                   CommandId::WindowList})
        QVERIFY2(!actions.IsEnabled(id), qPrintable(QString::number(id)));
}

void ShellCommandsTest::DisabledCommandNeverRunsFromShortcut()
{
    ActionsWithView fixture;
    auto& [window, actions, view] = fixture;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    actions.UpdateStates();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(view.Ran.empty());
    QVERIFY(!actions.Execute(CommandId::EditCopy));
    QVERIFY(view.Ran.empty());

    view.Enabled = {CommandId::EditCopy, CommandId::EditUndo};
    actions.UpdateStates();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(view.Ran, (std::vector<int>{CommandId::EditCopy, CommandId::EditCopy, CommandId::EditUndo}));

    // A state that changed since the last update is checked again before running.
    view.Enabled.clear();
    QVERIFY(!actions.Execute(CommandId::EditCopy));
    QCOMPARE(view.Ran.size(), std::size_t{3});
}

void ShellCommandsTest::ViewTextAndMarkReplaceTable()
{
    ActionsWithView fixture;
    auto& [window, actions, view] = fixture;
    view.Enabled = {CommandId::FirstWeekday, CommandId::CopyJitei, CommandId::CopyJigenn};
    view.Checked = {CommandId::CopyJitei};
    view.Texts[CommandId::FirstWeekday] = "表示を月曜始に変更する";
    actions.UpdateStates();

    QCOMPARE(actions.Action(CommandId::FirstWeekday)->text(), QStringLiteral("表示を月曜始に変更する"));
    QCOMPARE(actions.Action(CommandId::ToDoSort)->text(), QStringLiteral("ToDoソート"));
    QVERIFY(actions.Action(CommandId::CopyJitei)->isChecked());
    QVERIFY(!actions.Action(CommandId::CopyJigenn)->isChecked());
    auto* edit = TopMenu(window.menuBar(), QStringLiteral("編集(&E)"));
    QCOMPARE(Texts(SubMenu(edit, QStringLiteral("コピー・オプション"))),
             (QStringList{"時程", "行事", "時限", "予定", "内容", "枠内の色"}));

    // The cell context menu is built from the same commands and rules.
    std::vector<std::pair<int, QString>> entries;
    for (const auto& entry : CellContextMenu())
        entries.emplace_back(entry.Id, QString::fromUtf8(entry.Text.data(), entry.Text.size()));
    view.Enabled = {CommandId::Edit};
    std::unique_ptr<QMenu> popup(actions.BuildPopup(&window, entries));
    QCOMPARE(popup->actions().size(), 8);
    QVERIFY(popup->actions()[0]->isEnabled());
    QVERIFY(!popup->actions()[1]->isEnabled());
    popup->actions()[0]->trigger();
    QCOMPARE(view.Ran, (std::vector<int>{CommandId::Edit}));
}

void ShellCommandsTest::ToolbarChoiceIsRemembered()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    auto toolbarIds = [](CMainFrame& frame) {
        std::vector<int> ids;
        for (auto* action : frame.StandardToolbar().actions())
            for (const auto& command : Commands())
                if (frame.Actions().Action(command.Id) == action)
                    ids.push_back(command.Id);
        return ids;
    };
    {
        AppSettings settings(sandbox.SettingsFile());
        CMainFrame frame(settings);
        QCOMPARE(frame.StandardToolbar().windowTitle(), QStringLiteral("標準"));
        QCOMPARE(toolbarIds(frame),
                 (std::vector<int>{CommandId::FileNew, CommandId::FileOpen, CommandId::FileSave,
                                   CommandId::FilePrint, CommandId::EditCut, CommandId::EditCopy,
                                   CommandId::EditPaste, CommandId::Today, CommandId::AppAbout,
                                   CommandId::ToolbarCustomise}));

        ToolbarCustomiseDlg dialog(frame.ToolbarCommands(), &frame);
        auto& list = dialog.List();
        for (int row = 0; row < list.count(); ++row) {
            const int id = list.item(row)->data(Qt::UserRole).toInt();
            list.item(row)->setCheckState(
                id == CommandId::DayView || id == CommandId::FileNew ? Qt::Checked : Qt::Unchecked);
        }
        frame.SetToolbarCommands(dialog.Chosen());
        QCOMPARE(toolbarIds(frame),
                 (std::vector<int>{CommandId::FileNew, CommandId::DayView, CommandId::ToolbarCustomise}));
    }
    AppSettings settings(sandbox.SettingsFile());
    CMainFrame frame(settings);
    QCOMPARE(toolbarIds(frame),
             (std::vector<int>{CommandId::FileNew, CommandId::DayView, CommandId::ToolbarCustomise}));
}

void ShellCommandsTest::StatusBarHasMessageAndKeyIndicators()
{
    ShellSandbox sandbox;
    AppSettings settings(sandbox.SettingsFile());
    CMainFrame frame(settings);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("レディ"));
    QStringList shown;
    for (auto* label : frame.statusBar()->findChildren<QLabel*>())
        shown.append(label->text());
    QVERIFY(!shown.contains(QStringLiteral("CAP")));

    QTest::keyClick(frame.windowHandle(), Qt::Key_CapsLock);
    QTest::keyClick(frame.windowHandle(), Qt::Key_ScrollLock);
    QVERIFY(frame.Indicators().CapsLock());
    QVERIFY(frame.Indicators().ScrollLock());
    QVERIFY(!frame.Indicators().NumLock());
    shown.clear();
    for (auto* label : frame.statusBar()->findChildren<QLabel*>())
        shown.append(label->text());
    QVERIFY(shown.contains(QStringLiteral("CAP")));
    QVERIFY(shown.contains(QStringLiteral("SCRL")));
    QTest::keyClick(frame.windowHandle(), Qt::Key_CapsLock);
    QVERIFY(!frame.Indicators().CapsLock());

    QCOMPARE(frame.Actions().Action(CommandId::FileSave)->statusTip(),
             QStringLiteral("作業中の文書を上書きして保存します"));
}

void ShellCommandsTest::AboutBoxAndWindowList()
{
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報 Planova"));
    auto* text = about.findChild<QLabel*>(QStringLiteral("VersionText"));
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("Planova, Version 9.7.0.1"));
    QVERIFY(!ApplicationIcon().pixmap(32, 32).isNull());

    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    app.Documents().NewDocument();
    auto& area = app.MainFrame().MdiArea();
    WindowListDlg list(
        area, [](QMdiSubWindow&) {}, &app.MainFrame());
    QCOMPARE(list.windowTitle(), QStringLiteral("ウィンドウ"));
    QCOMPARE(list.List().count(), 2);
    QCOMPARE(list.List().currentItem()->text(), QStringLiteral("Planova2"));
    list.List().setCurrentRow(0);
    auto* activate = list.findChild<QPushButton*>();
    QVERIFY(activate);
    activate->click();
    QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("Planova1"));
}

QTEST_MAIN(ShellCommandsTest)
#include "ShellCommandsTest.moc"
