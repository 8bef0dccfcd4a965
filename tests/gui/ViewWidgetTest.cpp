#include "edit/CommandIds.h"
#include "gui/CPlanovaView.h"
#include "gui/InfoPane.h"
#include "model/Clock.h"
#include "model/Cp932Codec.h"
#include "sky/SkyReadout.h"
#include "support/Dates.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace planova;

namespace {

using planova::test::Date;

bool SameDay(const DateTime& a, const DateTime& b)
{
    return a.IsIdenticalTo(b);
}

/// Whether some pixel of the area is (close to) the colour.
bool HasColour(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 && std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40)
                return true;
        }
    }
    return false;
}

} // namespace

class ViewWidgetTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FixedNowScope> Clock;
    std::unique_ptr<CPlanovaDoc> Document;
    std::unique_ptr<CPlanovaView> View;

    void Open(int width = 1200, int height = 800)
    {
        View = std::make_unique<CPlanovaView>(*Document, nullptr);
        View->resize(width, height);
        View->show();
        QVERIFY(QTest::qWaitForWindowExposed(View.get()));
    }

    void AddToDos(int count)
    {
        for (int n = 0; n < count; ++n) {
            CToDo item;
            item.SetKennmei(Utf8ToCp932("項目" + std::to_string(n)));
            Document->AppendToDo(item);
        }
        Document->SetModified(false);
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

    void TheInitialUpdateShowsTodayAndStartsTheTimer()
    {
        Document->DspType = 1;
        Open();
        QVERIFY(SameDay(View->Planner().State.CurrentDate, Date(2024, 3, 1)));
        QCOMPARE(View->Planner().Mode(), ViewMode::Week);
        QCOMPARE(View->Information()->Calendar()->selectedDate(), QDate(2024, 3, 1));
        QVERIFY(!Document->CanUndo());
        QVERIFY(View->SkyTimer()->isActive());
        QCOMPARE(View->SkyTimer()->interval(), 500);
        QVERIFY(!View->ToDoScrollBar()->isVisible());
        // Before the first refresh the read-outs show zero and empty texts.
        QCOMPARE(View->Information()->FieldText(InfoField::JulianDay), QStringLiteral("0"));
        QCOMPARE(View->Information()->FieldText(InfoField::SolarTime), QString());
    }

    void TheViewCommandsAreAlwaysAvailable()
    {
        Open();
        for (const int id : {CommandId::DayView, CommandId::WeekView, CommandId::MonthView,
                             CommandId::ToDoView, CommandId::Forward, CommandId::Back})
            QVERIFY(View->IsCommandEnabled(id));
        QVERIFY(!View->IsCommandEnabled(CommandId::EditCopy)); // copy belongs to another part of the view
        QVERIFY(!View->ExecuteCommand(CommandId::EditCopy));

        QVERIFY(View->ExecuteCommand(CommandId::MonthView));
        QCOMPARE(View->Planner().Mode(), ViewMode::Month);
        QVERIFY(View->IsCommandChecked(CommandId::MonthView));
        QVERIFY(!View->IsCommandChecked(CommandId::DayView));
        QVERIFY(!View->Planner().State.ToDoView);
        QVERIFY(View->ExecuteCommand(CommandId::ToDoView));
        QVERIFY(View->IsCommandChecked(CommandId::ToDoView));
        QVERIFY(View->ExecuteCommand(CommandId::Forward));
        QVERIFY(SameDay(View->Planner().State.CurrentDate, Date(2024, 4, 1)));
        QCOMPARE(View->Information()->Calendar()->selectedDate(), QDate(2024, 4, 1));
        QVERIFY(View->ExecuteCommand(CommandId::Back));
        QVERIFY(View->ExecuteCommand(CommandId::Back));
        QVERIFY(SameDay(View->Planner().State.CurrentDate, Date(2024, 2, 1)));
        QVERIFY(!Document->IsModified());
    }

    void ChoosingADayInTheCalendarShowsIt()
    {
        Open();
        View->Planner().State.SelectedCell = 3;
        View->Information()->Calendar()->setSelectedDate(QDate(2024, 5, 20));
        QVERIFY(SameDay(View->Planner().State.CurrentDate, Date(2024, 5, 20)));
        QCOMPARE(View->Planner().State.SelectedCell, -1);
    }

    void TheTimerWritesTheReadoutsWithoutRedrawingThePlanner()
    {
        Open();
        QTRY_VERIFY(View->PaintCount() > 0);
        QApplication::processEvents();
        const int paints = View->PaintCount();
        View->RefreshSky();
        QApplication::processEvents();
        QCOMPARE(View->PaintCount(), paints);
        InfoPane* pane = View->Information();
        QCOMPARE(pane->FieldText(InfoField::JulianDay), QStringLiteral("2460371"));
        QCOMPARE(pane->FieldText(InfoField::SolarTime), QStringLiteral("21:00:00"));
        QCOMPARE(pane->FieldText(InfoField::SiderealTime), QStringLiteral("7:57:17"));
        // Rounded to what the narrow fields hold, the whole value in the tooltip.
        QCOMPARE(pane->FieldText(InfoField::SunLongitude), QStringLiteral("341.391"));
        QCOMPARE(pane->Field(InfoField::SunLongitude)->toolTip(), QStringLiteral("341.390733061959"));
        QVERIFY(pane->FieldText(InfoField::MoonAge).startsWith(QStringLiteral("20.5")));
        QVERIFY(pane->FieldText(InfoField::MoonAge).size() <= 6); // two digits, the point, three decimals
        // The 21:00 moon age of the shown day was computed by the drawing and written by the refresh.
        QCOMPARE(pane->FieldText(InfoField::MoonAgeAt21), pane->FieldText(InfoField::MoonAge));
        for (int id = InfoField::FirstPlanet; id < InfoField::FirstPlanet + 10; ++id) {
            const QString shown = pane->FieldText(id);
            QVERIFY(!shown.isEmpty());
            QVERIFY2(shown.indexOf(QLatin1Char('.')) < 0 ||
                         shown.size() - shown.indexOf(QLatin1Char('.')) <= 4,
                     qPrintable(shown));
            QVERIFY(qAbs(pane->Field(id)->toolTip().toDouble() - shown.toDouble()) <= 0.0005);
        }
    }

    void TheToDoScrollBarAppearsWhenTheItemsFillThePane()
    {
        AddToDos(60);
        Open(1200, 800);
        QTRY_VERIFY(View->ToDoScrollBar()->isVisible());
        QScrollBar* bar = View->ToDoScrollBar();
        QCOMPARE(bar->maximum(), 60);
        // At the pane's right edge, below the header row.
        QCOMPARE(bar->geometry().right() + 1, 1200 - 7);
        QCOMPARE(bar->geometry().top(), 7 + 2 * 12);

        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(View->Planner().State.ToDoScrollPos, 1);
        QCOMPARE(View->Planner().State.ToDoScrollTop, 1);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(View->Planner().State.ToDoScrollPos, 60);
        QCOMPARE(bar->sliderPosition(), 60);
        QCOMPARE(View->Planner().State.ToDoScrollTop, 60 - View->Planner().State.ToDoVisibleRows + 1);

        View->ExecuteCommand(CommandId::WeekView); // the week view hides the pane and its bar
        QTRY_VERIFY(!View->ToDoScrollBar()->isVisible());
    }

    void TheWindowShowsPlannerColoursAndIcons()
    {
        Document->UpdateDay(Date(2024, 3, 3), [](CDayData& day) { // a Sunday
            day.SetIro(2, 4);                                     // a green period row
            day.SetYotei(2, Utf8ToCp932("理科"));
        });
        Document->DspType = 1;
        Document->ToDoView = false;
        Open(1280, 720);
        View->ShowDate(Date(2024, 3, 3));
        const QImage image = View->grab().toImage();
        const Rect sunday = View->Planner().State.CellRects[0];
        QVERIFY(HasColour(image, QRect(sunday.Left, sunday.Top, sunday.Width(), sunday.Height()),
                          QColor(255, 0, 0)));
        const Rect saturday = View->Planner().State.CellRects[6 * 13];
        QVERIFY(HasColour(image, QRect(saturday.Left, saturday.Top, saturday.Width(), saturday.Height()),
                          QColor(0, 0, 255)));
        const Rect row = View->Planner().State.CellRects[4];
        QCOMPARE(image.pixelColor(row.Left + 3, row.Top + 3), QColor(200, 255, 200));
        // The moon-phase icon sits at the end of the icon row, below the calendar.
        QVERIFY(View->Information()->Calendar()->geometry().bottom() < 170);
        const int spacing = (View->Information()->Calendar()->width() - 128) / 3 + 32;
        QVERIFY(image.pixelColor(8 + 3 * spacing + 16, 170 + 16) != image.pixelColor(2, 2));
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
        QCOMPARE(pane.Field(InfoField::SolarTime)->toolTip(), pane.FieldText(InfoField::SolarTime));
        // A number is rounded to what its field holds; its tooltip has the whole value.
        for (int id : {InfoField::SunLongitude, InfoField::MoonAgeAt21, InfoField::FirstPlanet + 9}) {
            QLineEdit* field = pane.Field(id);
            QVERIFY(!field->text().isEmpty());
            QVERIFY(field->toolTip().size() >= field->text().size());
            QVERIFY(qAbs(field->toolTip().toDouble() - field->text().toDouble()) <= 0.0005);
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

    void EveryReadoutFitsItsFieldAtBothScreenSizes()
    {
        // The widest values each field meets: a Julian day with its fraction, three-digit azimuths,
        // negative altitudes, a late clock time.
        sky::SkyReadout wide;
        wide.SolarTimeText = "23:59:59";
        wide.SiderealTimeText = "23:59:58";
        wide.JulianDayNow = 2461385.98765432;
        wide.SunLongitudeNow = 359.87654321;
        wide.SunAzimuthNow = 301.23456789;
        wide.SunAltitudeNow = -48.7654321;
        wide.MoonAzimuthNow = 128.7654321;
        wide.MoonAltitudeNow = -71.2345678;
        wide.MoonAgeNow = 29.4567891;
        for (sky::PlanetReadout& planet : wide.Planets) {
            planet.Azimuth = 248.9876543;
            planet.Altitude = -63.4567891;
        }
        std::vector<int> fields{InfoField::JulianDay,    InfoField::SiderealTime, InfoField::SolarTime,
                                InfoField::SunLongitude, InfoField::MoonAge,      InfoField::MoonAgeAt21,
                                InfoField::SunAzimuth,   InfoField::SunAltitude,  InfoField::MoonAzimuth,
                                InfoField::MoonAltitude};
        for (int id = InfoField::FirstPlanet; id < InfoField::FirstPlanet + 10; ++id)
            fields.push_back(id);
        // A full-HD window, and what a 1024 × 600 screen leaves for the view.
        for (const QSize size : {QSize(1920, 1000), QSize(1024, 440)}) {
            Open(size.width(), size.height());
            InfoPane& pane = *View->Information();
            pane.ShowReadout(wide);
            pane.ShowMoonAgeAt21(wide.MoonAgeNow);
            for (const int id : fields) {
                QLineEdit* field = pane.Field(id);
                const QString text = field->text();
                QVERIFY(!text.isEmpty());
                // A text wider than its field scrolls when the cursor goes to its end: its start moves.
                field->setCursorPosition(0);
                const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
                field->setCursorPosition(static_cast<int>(text.size()));
                const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
                QVERIFY2(end - start >= field->fontMetrics().horizontalAdvance(text),
                         qPrintable(QStringLiteral("field %1 cuts \"%2\" at %3×%4")
                                        .arg(id)
                                        .arg(text)
                                        .arg(size.width())
                                        .arg(size.height())));
                field->setCursorPosition(0);
                // Rounded, never cut to other digits: the tooltip's whole value rounds to what is shown.
                const int decimals =
                    text.contains(u'.') ? static_cast<int>(text.size() - text.indexOf(u'.') - 1) : 0;
                if (id != InfoField::SolarTime && id != InfoField::SiderealTime)
                    QVERIFY(qAbs(field->toolTip().toDouble() - text.toDouble()) <=
                            0.5 * std::pow(10.0, -decimals));
            }
            // No field covers a label.
            for (const QLabel* label : pane.findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QRect text(label->pos(), QSize(label->fontMetrics().horizontalAdvance(label->text()),
                                                     label->height()));
                for (const int id : fields)
                    QVERIFY2(!text.intersects(pane.Field(id)->geometry()),
                             qPrintable(QStringLiteral("field %1 covers \"%2\"").arg(id).arg(label->text())));
            }
            // The Julian day keeps the time of day to four decimals (about nine seconds).
            QCOMPARE(pane.FieldText(InfoField::JulianDay), QStringLiteral("2461385.9877"));
        }
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

QTEST_MAIN(ViewWidgetTest)
#include "ViewWidgetTest.moc"
