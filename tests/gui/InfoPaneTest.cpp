// The information pane of a real view: the month calendar while the read-out timer runs, the
// read-out fields, and the pane in a low window.

#include "gui/CPlanovaView.h"
#include "gui/InfoPane.h"
#include "edit/CommandIds.h"
#include "model/CPlanovaDoc.h"
#include "model/Clock.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
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
        QVERIFY(View->ExecuteCommand(CommandId::DayView));
        QVERIFY(View->ExecuteCommand(CommandId::Back));
        QCOMPARE(Calendar().selectedDate(), QDate(2024, 2, 29));
        QCOMPARE(Calendar().monthShown(), 2);
        QTest::qWait(600);
        QCOMPARE(Calendar().monthShown(), 2);
    }

    void EachReadoutShowsItsWholeValueAndCanBeCopied()
    {
        Open(1200, 800);
        View->RefreshSky();
        InfoPane& pane = *View->Information();
        QLineEdit* julianDay = pane.Field(InfoField::JulianDay);
        QCOMPARE(julianDay->text(), QStringLiteral("2460371"));
        for (int id : {InfoField::SolarTime, InfoField::SunLongitude, InfoField::MoonAgeAt21,
                       InfoField::FirstPlanet + 9}) {
            QLineEdit* field = pane.Field(id);
            QVERIFY(!field->text().isEmpty());
            QCOMPARE(field->toolTip(), field->text());
        }
        // A click puts the cursor in the field; the whole value is selected and copied with the keys.
        QLineEdit* longitude = pane.Field(InfoField::SunLongitude);
        QTest::mouseClick(longitude, Qt::LeftButton);
        QVERIFY(longitude->hasFocus());
        QTest::keyClick(longitude, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(longitude, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), longitude->text());
        QVERIFY(longitude->text().startsWith(QStringLiteral("341.39")));
    }

    void ALowWindowScrollsThePane()
    {
        // What a 1024 × 600 screen leaves for the view below the menus, the toolbar and the tabs.
        Open(1024, 440);
        QScrollArea& scroller = *View->InformationScroller();
        QCOMPARE(scroller.geometry(), QRect(0, 0, 160, 440));
        QScrollBar* bar = scroller.verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        // Every field lies fully inside the visible width, the bar beside them included.
        const QRect visible = scroller.viewport()->rect();
        for (int id : {InfoField::MoonAgeAt21, InfoField::JulianDay, InfoField::SunLongitude,
                       InfoField::FirstPlanet + 8}) {
            QLineEdit* field = View->Information()->Field(id);
            const QRect shown(field->mapTo(scroller.viewport(), QPoint(0, 0)), field->size());
            QVERIFY2(visible.left() <= shown.left() && shown.right() <= visible.right(),
                     qPrintable(
                         QStringLiteral("field %1 at %2..%3").arg(id).arg(shown.left()).arg(shown.right())));
        }
        QVERIFY(
            visible.contains(QRect(Calendar().mapTo(scroller.viewport(), QPoint(0, 0)), Calendar().size())));
        // The icons drawn from x = 8 of the pane are not cut on the left.
        QVERIFY(View->Information()->mapTo(scroller.viewport(), QPoint(8, 0)).x() >= 0);
        // Scrolled down, Saturn's altitude comes into view.
        QLineEdit* saturn = View->Information()->Field(InfoField::FirstPlanet + 9);
        QVERIFY(saturn->mapTo(scroller.viewport(), QPoint(0, saturn->height())).y() > visible.bottom());
        bar->setValue(bar->maximum());
        QVERIFY(visible.contains(QRect(saturn->mapTo(scroller.viewport(), QPoint(0, 0)), saturn->size())));

        // A window tall enough for the whole pane shows no bar, and the pane stands at its place.
        View->resize(1024, 800);
        QTRY_VERIFY(!bar->isVisible());
        QCOMPARE(View->Information()->mapTo(View.get(), QPoint(0, 0)), QPoint(0, 0));
    }
};

QTEST_MAIN(InfoPaneTest)
#include "InfoPaneTest.moc"
