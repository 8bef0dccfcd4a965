// Every drop-down date calendar colours Saturdays blue and Sundays red like the side calendar.

#include "ShellTestSupport.h"

#include "gui/DateField.h"
#include "gui/DialogFields.h"
#include "gui/InfoPane.h"
#include "gui/QtPrintDialog.h"

#include <QCalendarWidget>
#include <QDateEdit>

#include <functional>
#include <memory>

using namespace planova;
using namespace planova::test;

class DateDropDownTest : public QObject
{
    Q_OBJECT

private slots:
    void WeekendsAreColouredInEveryDropDown();
};

void DateDropDownTest::WeekendsAreColouredInEveryDropDown()
{
    QWidget owner;
    DateField field(&owner);
    QDateEdit* picker = NewDatePicker(&owner, 1001);
    CPlanovaDoc document;
    PrintDialogModel model(CopyPrintSettings(document), DateTime::FromDate(2026, 12, 11), false);
    QtPrintDialog print;
    print.Start(model);
    InfoPane pane(nullptr);
    const std::pair<const char*, QCalendarWidget*> calendars[] = {
        {"the side calendar", pane.Calendar()},
        {"a date field's drop-down", &field.Calendar()},
        {"a date picker's drop-down", picker->calendarWidget()},
        {"the print range's drop-down", print.DateEdit(PrintControl::StartDate).calendarWidget()},
    };
    for (const auto& [name, calendar] : calendars) {
        const QColor saturday = calendar->weekdayTextFormat(Qt::Saturday).foreground().color();
        const QColor sunday = calendar->weekdayTextFormat(Qt::Sunday).foreground().color();
        QVERIFY2(saturday.blue() > 128 && saturday.red() < 100 && saturday.green() < 100, name);
        QVERIFY2(sunday.red() > 128 && sunday.blue() < 100 && sunday.green() < 100, name);
    }
}

QTEST_MAIN(DateDropDownTest)
#include "DateDropDownTest.moc"
