#include "gui/DateField.h"

#include "dialogs/TypedDate.h"
#include "gui/InfoPane.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace planova {

namespace {

const QString ShownForm = QStringLiteral("yyyy/MM/dd");

/// A down arrow as the style draws it for combo boxes, in the widget's colours.
QIcon DropDownIcon(const QWidget& widget)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.initFrom(&widget);
    option.rect = QRect(3, 4, 10, 8);
    option.state |= QStyle::State_Enabled;
    widget.style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, &widget);
    return QIcon(pixmap);
}

/// The typed text as the date reader takes it: full-width digits, "／" and "－" become ASCII.
std::string Normalised(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).toStdString();
}

} // namespace

DateField::DateField(QWidget* parent) : QLineEdit(parent)
{
    setToolTip(QStringLiteral("「2026/12/15」「2026-12-15」「20261215」の形で入力できます。\n"
                              "↑↓で1日ずつ変わり、Alt+↓でカレンダーが開きます。"));
    DropDownAction = addAction(DropDownIcon(*this), QLineEdit::TrailingPosition);
    DropDownAction->setObjectName(QStringLiteral("ShowCalendar"));
    DropDownAction->setToolTip(QStringLiteral("カレンダーから選ぶ"));
    connect(DropDownAction, &QAction::triggered, this, &DateField::ShowCalendar);
}

void DateField::SetDate(QDate date)
{
    setText(date.toString(ShownForm));
}

QDate DateField::Date() const
{
    const TypedDate read = ReadTypedDate(Normalised(text()));
    if (!read.Ok())
        return {};
    return QDate(read.Date.Year(), read.Date.Month(), read.Date.Day());
}

QString DateField::Problem() const
{
    return QString::fromStdString(ReadTypedDate(Normalised(text())).Error);
}

QCalendarWidget& DateField::Calendar()
{
    if (!DropDown) {
        DropDown = new QCalendarWidget(this);
        DropDown->setWindowFlags(Qt::Popup);
        DropDown->setObjectName(QStringLiteral("DateFieldCalendar"));
        DropDown->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
        DropDown->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        ColourWeekend(*DropDown);
        connect(DropDown, &QCalendarWidget::clicked, this, &DateField::Pick);
        connect(DropDown, &QCalendarWidget::activated, this, &DateField::Pick);
    }
    return *DropDown;
}

void DateField::ShowCalendar()
{
    QCalendarWidget& calendar = Calendar();
    const QDate shown = Date();
    if (shown.isValid())
        calendar.setSelectedDate(shown);
    calendar.adjustSize();
    calendar.move(mapToGlobal(QPoint(0, height())));
    calendar.show();
    calendar.setFocus(Qt::PopupFocusReason);
}

void DateField::Pick(QDate picked)
{
    SetDate(picked);
    DropDown->hide();
    setFocus(Qt::PopupFocusReason);
}

void DateField::StepDays(int days)
{
    const QDate shown = Date();
    if (!shown.isValid())
        return;
    const QDate next = shown.addDays(days);
    if (DateTime::FromDate(next.year(), next.month(), next.day()).IsValid())
        SetDate(next);
}

void DateField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        DropDownAction->setIcon(DropDownIcon(*this));
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    if ((alt && event->key() == Qt::Key_Down) || event->key() == Qt::Key_F4) {
        ShowCalendar();
        return;
    }
    if (!alt && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        StepDays(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace planova
