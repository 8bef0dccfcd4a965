// Two windows of one document in the real application: every view is redrawn when one of them
// changes what it shows.

#include "ShellTestSupport.h"

#include "edit/CommandIds.h"
#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/DocumentManager.h"
#include "gui/InfoPane.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QMdiArea>

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
        // Each window keeps its own day and mode; the acting one has the working day.
        QVERIFY(first.Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, 7, 10)));
        QCOMPARE(first.Planner().Mode(), ViewMode::Week);
        QVERIFY(second.Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, 6, 10)));
        QCOMPARE(second.Planner().Mode(), ViewMode::Month);
        QVERIFY(document.Doc->WorkDay.GetDate().IsIdenticalTo(DateTime::FromDate(2024, 7, 10)));
        QVERIFY(!document.Doc->IsModified());
    }
};

QTEST_MAIN(ViewNavigationTest)
#include "ViewNavigationTest.moc"
