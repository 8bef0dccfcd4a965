// Moving about in the real application: every view of a document is redrawn when one of them
// changes what it shows; the keys every planner has ("今日", Alt+← / Alt+→, Ctrl+1/2/3); the open
// windows on the menu "ウィンドウ".

#include "ShellTestSupport.h"

#include "edit/CommandIds.h"
#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/DocumentManager.h"
#include "gui/InfoPane.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

#include "gui/CommandActions.h"

#include <QAction>
#include <QCalendarWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace planova;
using namespace planova::test;

class ViewNavigationTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FixedNowScope> Clock;
    std::unique_ptr<ShellUnderTest> Shell;

    static CPlanovaView& ViewOf(CChildFrame& frame) { return *dynamic_cast<CPlanovaView*>(frame.View()); }

private slots:
    void init()
    {
        Clock = std::make_unique<FixedNowScope>(DateTime::FromDateTime(2024, 6, 10, 9, 0, 0));
        Shell = std::make_unique<ShellUnderTest>();
        QVERIFY(Shell->App.Start({}));
    }

    void cleanup()
    {
        Shell.reset();
        Clock.reset();
    }

    void EveryViewOfTheDocumentIsRedrawnWhenOneChanges()
    {
        DocumentManager& documents = Shell->App.Documents();
        OpenDocument& document = *documents.ActiveDocument();
        CPlanovaView& first = ViewOf(*document.Frames.front());
        CPlanovaView& second = ViewOf(documents.NewWindow(document));
        QVERIFY(second.ExecuteCommand(CommandId::MonthView));

        struct Step
        {
            const char* Name;
            void (*Run)(CPlanovaView& view);
        };
        const Step steps[] = {
            {"a day chosen in the calendar",
             [](CPlanovaView& view) { view.Information()->Calendar()->setSelectedDate(QDate(2024, 7, 3)); }},
            {"a view switch", [](CPlanovaView& view) { view.ExecuteCommand(CommandId::WeekView); }},
            {"a step forward", [](CPlanovaView& view) { view.ExecuteCommand(CommandId::Forward); }},
            {"the ToDo pane shown", [](CPlanovaView& view) { view.ExecuteCommand(CommandId::ToDoView); }},
        };
        for (const Step& step : steps) {
            const int before = second.RefreshCount();
            step.Run(first);
            QVERIFY2(second.RefreshCount() > before, step.Name);
        }
        // Each window keeps its own day and mode.
        QVERIFY(first.Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, 7, 10)));
        QCOMPARE(first.Planner().Mode(), ViewMode::Week);
        QVERIFY(second.Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, 6, 10)));
        QCOMPARE(second.Planner().Mode(), ViewMode::Month);
        QVERIFY(!document.Doc->IsModified());
    }

    void TheKeysEveryPlannerHas()
    {
        CMainFrame& frame = Shell->App.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CPlanovaView& view = ViewOf(*Shell->App.Documents().ActiveFrame());
        view.setFocus();
        QApplication::setActiveWindow(&frame);
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(frame.windowHandle(), key, modifiers);
        };
        const auto shows = [&](ViewMode mode, int month, int day) {
            return view.Planner().Mode() == mode &&
                   view.Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, month, day));
        };
        press(Qt::Key_3, Qt::ControlModifier);
        QVERIFY(shows(ViewMode::Month, 6, 10));
        press(Qt::Key_Right, Qt::AltModifier);
        QVERIFY(shows(ViewMode::Month, 7, 10));
        press(Qt::Key_Left, Qt::AltModifier);
        press(Qt::Key_Left, Qt::AltModifier);
        QVERIFY(shows(ViewMode::Month, 5, 10));
        press(Qt::Key_2, Qt::ControlModifier);
        QVERIFY(shows(ViewMode::Week, 5, 10));
        press(Qt::Key_Home);
        QVERIFY(shows(ViewMode::Week, 6, 10));
        QCOMPARE(view.Information()->Calendar()->selectedDate(), QDate(2024, 6, 10));
        press(Qt::Key_1, Qt::ControlModifier);
        QVERIFY(shows(ViewMode::Day, 6, 10));
        press(Qt::Key_Left, Qt::AltModifier);
        QVERIFY(shows(ViewMode::Day, 6, 9));

        // "今日" is on the toolbar too.
        QAction* today = frame.Actions().Action(CommandId::Today);
        QVERIFY(frame.StandardToolbar().actions().contains(today));
        QVERIFY(today->isEnabled());
        today->trigger();
        QVERIFY(shows(ViewMode::Day, 6, 10));
    }

    void TheWindowMenuListsTheOpenWindows()
    {
        CMainFrame& frame = Shell->App.MainFrame();
        DocumentManager& documents = Shell->App.Documents();
        OpenDocument& first = *documents.ActiveDocument();
        documents.NewWindow(first);
        documents.NewDocument();
        documents.ActiveDocument()->Doc->SetModified(true);
        documents.DocumentEdited(*documents.ActiveDocument());

        QMenu* windows = nullptr;
        for (QAction* action : frame.menuBar()->actions())
            if (action->menu() && action->text() == QStringLiteral("ウィンドウ(&W)"))
                windows = action->menu();
        QVERIFY(windows != nullptr);
        emit windows->aboutToShow();
        QStringList shown;
        QAction* checked = nullptr;
        QAction* firstWindow = nullptr;
        for (QAction* action : windows->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            shown << action->text();
            if (action->isChecked())
                checked = action;
            if (action->text().startsWith(QStringLiteral("&1 ")))
                firstWindow = action;
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("新しいウィンドウを開く"),
                                     QStringLiteral("ウィンドウ(&W)..."), QStringLiteral("&1 Planova1:1"),
                                     QStringLiteral("&2 Planova1:2"), QStringLiteral("&3 Planova2*")}));
        QVERIFY(checked != nullptr && checked->text() == QStringLiteral("&3 Planova2*"));

        QVERIFY(firstWindow != nullptr && firstWindow->isEnabled());
        firstWindow->trigger();
        QCOMPARE(documents.ActiveFrame(), first.Frames.front());
        emit windows->aboutToShow();
        QVERIFY(firstWindow->isChecked());
    }
};

QTEST_MAIN(ViewNavigationTest)
#include "ViewNavigationTest.moc"
