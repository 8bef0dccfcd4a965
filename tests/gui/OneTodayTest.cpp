// Today is one date everywhere: the month calendar (its marked cell, not only its selected date),
// the view, "今日", the print dialog's range and the printed footer all take it from the program's
// one clock, whatever the locale and the time zone say. CMake runs this test under C.UTF-8 and
// ja_JP.UTF-8 and in several time zones.

#include "ShellTestSupport.h"

#include "canvas/PrintOutput.h"
#include "edit/CommandIds.h"
#include "gui/CChildFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/DocumentManager.h"
#include "gui/InfoPane.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QTableView>

using namespace planova;
using namespace planova::test;

namespace {

/// The day number in the cell the month calendar marks (what the user sees, which Qt can leave
/// behind when the columns move).
int MarkedDay(const CPlanovaView& view)
{
    return view.Information()->Calendar()->findChild<QTableView*>()->currentIndex().data().toInt();
}

} // namespace

class OneTodayTest : public QObject
{
    Q_OBJECT

private slots:
    void EveryPlaceShowsTheClocksDay_data();
    void EveryPlaceShowsTheClocksDay();
};

void OneTodayTest::EveryPlaceShowsTheClocksDay_data()
{
    QTest::addColumn<DateTime>("now");
    // Hours where the UTC date and the local date differ in Tokyo (UTC+9) or Los Angeles (UTC−8).
    QTest::newRow("Tokyo's early morning, UTC's day before")
        << DateTime::FromDateTime(2026, 12, 11, 3, 59, 0);
    QTest::newRow("Los Angeles' evening, UTC's next day") << DateTime::FromDateTime(2026, 12, 10, 23, 30, 0);
    QTest::newRow("New Year's midnight") << DateTime::FromDateTime(2027, 1, 1, 0, 0, 0);
    QTest::newRow("a Saturday") << DateTime::FromDateTime(2026, 12, 12, 12, 0, 0);
}

void OneTodayTest::EveryPlaceShowsTheClocksDay()
{
    QFETCH(DateTime, now);
    const FixedNowScope clock(now);
    const DateTime today = now.DateOnly();
    ShellSandbox sandbox;
    DialogScript dialogs;
    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));
    auto* view = dynamic_cast<CPlanovaView*>(app.Documents().ActiveFrame()->View());
    QVERIFY(view != nullptr);

    QCOMPARE(view->Planner().State.CurrentDate, today);
    QCOMPARE(view->Information()->CalendarDate(), today);
    QCOMPARE(MarkedDay(*view), today.Day());
    QCOMPARE(view->Planner().Print.PrintStartDate, today);

    // Away and back with "今日": the calendar's mark follows.
    view->ShowDate(DateTime::FromDate(2024, 4, 8));
    QCOMPARE(MarkedDay(*view), 8);
    QVERIFY(view->ExecuteCommand(CommandId::Today));
    QCOMPARE(view->Planner().State.CurrentDate, today);
    QCOMPARE(MarkedDay(*view), today.Day());

    const PrintEnvironment footer = PrintEnvironmentAt(Now(), QString());
    QCOMPARE(footer.FooterDate,
             QDate(now.Year(), now.Month(), now.Day()).toString(QStringLiteral("yyyy/MM/dd")).toStdString());
}

QTEST_MAIN(OneTodayTest)
#include "OneTodayTest.moc"
