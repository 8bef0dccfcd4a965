// The information pane of a real view: the month calendar while the read-out timer runs, the
// read-out fields, and the pane in a low window.

#include "gui/CPlanovaView.h"
#include "gui/InfoPane.h"
#include "model/CPlanovaDoc.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace planova;

class InfoPaneTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FixedNowScope> Clock;
    std::unique_ptr<CPlanovaDoc> Document;
    std::unique_ptr<CPlanovaView> View;

    void Open(int width, int height)
    {
        View = std::make_unique<CPlanovaView>(*Document, nullptr);
        View->resize(width, height);
        View->show();
        QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    }

    QCalendarWidget& Calendar() const { return *View->Information()->Calendar(); }

    void ClickArrow(const char* name)
    {
        auto* arrow = Calendar().findChild<QToolButton*>(QString::fromLatin1(name));
        QVERIFY(arrow != nullptr);
        QTest::mouseClick(arrow, Qt::LeftButton);
    }

private slots:
    void init()
    {
        Clock = std::make_unique<FixedNowScope>(DateTime::FromDateTime(2024, 3, 1, 21, 0, 0));
        Document = std::make_unique<CPlanovaDoc>();
    }

    void cleanup()
    {
        View.reset();
        Document.reset();
        Clock.reset();
    }

    void TheCalendarArrowsBrowseMonthsWhileTheTimerRuns()
    {
        Open(1200, 800);
        QVERIFY(View->SkyTimer()->isActive());
        ClickArrow("qt_calendar_nextmonth");
        ClickArrow("qt_calendar_nextmonth");
        QCOMPARE(Calendar().monthShown(), 5);
        // Four refreshes of the read-outs leave the browsed month where it is.
        QTest::qWait(2000);
        QCOMPARE(Calendar().monthShown(), 5);
        QCOMPARE(Calendar().yearShown(), 2024);
        ClickArrow("qt_calendar_prevmonth");
        QTest::qWait(600);
        QCOMPARE(Calendar().monthShown(), 4);
        // Browsing chooses no day: the planner still shows the first of March.
        QVERIFY(View->Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, 3, 1)));
        QCOMPARE(Calendar().selectedDate(), QDate(2024, 3, 1));

        // When the view changes its date, the calendar follows it.
        QVERIFY(View->ExecuteCommand(ViewCommand::DayView));
        QVERIFY(View->ExecuteCommand(ViewCommand::Back));
        QCOMPARE(Calendar().selectedDate(), QDate(2024, 2, 29));
        QCOMPARE(Calendar().monthShown(), 2);
        QTest::qWait(600);
        QCOMPARE(Calendar().monthShown(), 2);
    }
};

QTEST_MAIN(InfoPaneTest)
#include "InfoPaneTest.moc"
