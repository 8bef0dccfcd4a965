// Every look keeps the screen readable and whole: the calendar's weekend colours against their
// background, the whole calendar, the edit dialog at its smallest size and the About box.

#include "gui/ApplicationLook.h"
#include "gui/CAboutDlg.h"
#include "gui/QtEntryDialog.h"
#include "gui/InfoPane.h"
#include "view/ReadableColour.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTextCharFormat>
#include <QtTest>

#include <algorithm>
#include <initializer_list>
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

    void TheCalendarIsWholeAndItsWeekendReadableInEveryLook()
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

            // The whole calendar is shown: no week row is cut.
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

    void TheEditDialogIsWholeAtItsSmallestSizeInEveryLook()
    {
        for (int look : {205, 210, 216}) {
            ApplyLook(look);
            for (int mode : {EditKindAndEvent, EditPeriodRow, EditMemo, EditToDo}) {
                QtEntryDialog dialog;
                EntryDialogValues values;
                values.EditMode = mode;
                values.ColorIndex = 1;
                dialog.Start(values);
                dialog.show();
                QVERIFY(QTest::qWaitForWindowExposed(&dialog));
                dialog.resize(100, 100); // as small as the window lets it become
                QCoreApplication::processEvents();
                const QRect client = dialog.rect();
                std::vector<QWidget*> shown;
                for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                    if (child->isVisible())
                        shown.push_back(child);
                for (QWidget* control : shown) {
                    const QString name = QStringLiteral("look %1 mode %2: %3 \"%4\"")
                                             .arg(look)
                                             .arg(mode)
                                             .arg(QString::fromLatin1(control->metaObject()->className()),
                                                  control->property("text").toString());
                    QVERIFY2(client.contains(control->geometry()), qPrintable(name));
                    // A caption or a radio never covers another control: its text is whole.
                    for (QWidget* other : shown)
                        if (other != control &&
                            (qobject_cast<QLabel*>(control) || qobject_cast<QRadioButton*>(control)))
                            QVERIFY2(!control->geometry().intersects(other->geometry()), qPrintable(name));
                    const QSize needed = control->minimumSizeHint();
                    if (qobject_cast<QLabel*>(control) || qobject_cast<QRadioButton*>(control))
                        QVERIFY2(control->width() >= needed.width(), qPrintable(name));
                }
                if (mode == EditPeriodRow) {
                    // Every colour can be clicked: "黄" and "茶" too.
                    for (int colour = 0; colour < CellColourCount; ++colour) {
                        QTest::mouseClick(&dialog.Radio(colour), Qt::LeftButton);
                        QVERIFY(dialog.Radio(colour).isChecked());
                    }
                }
            }
        }
    }

    void CheckAndRadioMarksAreAsClearAsTheText()
    {
        QWidget window;
        auto* check = new QCheckBox(QStringLiteral("曜日を表示する"), &window);
        auto* radio = new QRadioButton(QStringLiteral("縦置き"), &window);
        radio->move(0, 40);
        check->setChecked(true);
        radio->setChecked(true);
        window.resize(200, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int look : AllLooks()) {
            ApplyLook(look);
            QCoreApplication::processEvents();
            const QPalette palette = window.palette();
            const Rgb box = RgbOf(palette.color(QPalette::Base));
            // The text stands on the window colour; the mark in its box on the base colour, with at
            // least the contrast the text colour has there.
            const double wanted = ContrastRatio(RgbOf(palette.color(QPalette::Text)), box);
            for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{check, radio}) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QStyle::SubElement element =
                    button == check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
                const QRect indicator = button->style()->subElementRect(element, &option, button);
                const QImage image = button->grab().toImage();
                double best = 0;
                for (int y = indicator.top(); y <= indicator.bottom(); ++y)
                    for (int x = indicator.left(); x <= indicator.right(); ++x)
                        best = std::max(best, ContrastRatio(RgbOf(image.pixelColor(x, y)), box));
                QVERIFY2(best >= wanted - 0.05, qPrintable(QStringLiteral("look %1, %2: mark %3:1, text %4:1")
                                                               .arg(look)
                                                               .arg(button->text())
                                                               .arg(best, 0, 'f', 2)
                                                               .arg(wanted, 0, 'f', 2)));
            }
        }
    }

    void TheAboutBoxShowsItsWholeTitle()
    {
        CAboutDlg about(nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // The title bar's text needs the title's width and room for the window's buttons beside it.
        QFont titleFont = QApplication::font();
        titleFont.setBold(true);
        const int title = QFontMetrics(titleFont).horizontalAdvance(about.windowTitle());
        QVERIFY2(about.width() >= title + 100,
                 qPrintable(QStringLiteral("%1 wide for a title of %2").arg(about.width()).arg(title)));
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
