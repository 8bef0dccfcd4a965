#pragma once

#include <QDate>
#include <QLineEdit>

class QAction;
class QCalendarWidget;

namespace planova {

/**
 * A date field that takes a whole typed date: "2026/12/15", "2026-12-15" or "20261215" (full-width
 * digits and separators as an input method gives them count too). Tab into it selects the whole
 * date, so typing replaces it; ↑ and ↓ step one day; the button at its right edge (or Alt+↓, F4)
 * drops down a month calendar to pick from. The field shows the date as "yyyy/MM/dd".
 *
 * The text is read when the caller asks: a text that is no date is never turned into another
 * date; Problem() says why it is refused.
 */
class DateField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    /// Shows a date as "yyyy/MM/dd".
    void SetDate(QDate date);
    /// The date the text names, or an invalid date when it names none.
    QDate Date() const;
    /// Why the text is not taken as a date (Japanese), or empty when it is one.
    QString Problem() const;

    /// Drops down the month calendar on the shown date.
    void ShowCalendar();
    /// The drop-down calendar (made on first use).
    QCalendarWidget& Calendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    /// The drop-down arrow follows the look.
    void changeEvent(QEvent* event) override;

private:
    void Pick(QDate picked);
    /// Moves the shown date by whole days, never past the dates the program holds.
    void StepDays(int days);

    QAction* DropDownAction = nullptr;
    QCalendarWidget* DropDown = nullptr;
};

} // namespace planova
