#include "gui/DialogFields.h"

#include "gui/InfoPane.h"

#include "gui/UserDialogs.h"
#include "canvas/QtText.h"
#include "dialogs/IntegerField.h"

#include <QDateEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTabWidget>

namespace planova {
namespace {

std::optional<int> Taken(QLineEdit& field, const IntegerFieldValue& read)
{
    if (!read.Value)
        ShowFieldProblem(field, Utf8Text(read.Message));
    return read.Value;
}

} // namespace

void SetControlId(QWidget& control, int id)
{
    control.setObjectName(QString::number(id));
}

QDateEdit* NewDatePicker(QWidget* parent, int controlId)
{
    auto* picker = new QDateEdit(parent);
    SetControlId(*picker, controlId);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    picker->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    ColourWeekend(*picker->calendarWidget());
    return picker;
}

void ShowFieldProblem(QWidget& field, const QString& message, int position, int length)
{
    // A field on a tab page that is not shown: show its page first.
    for (QWidget* page = &field; page != nullptr; page = page->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr)
            static_cast<QTabWidget*>(stack->parentWidget())->setCurrentWidget(page);
    }
    ShowError(field.window(), message);
    field.setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(&field)) {
        if (length < 0)
            edit->selectAll();
        else
            edit->setSelection(position, length);
    }
}

ModelTextEdit::ModelTextEdit(QWidget* parent, int controlId) : QLineEdit(parent)
{
    SetControlId(*this, controlId);
}

void ModelTextEdit::SetModelText(const std::string& cp932)
{
    StartBytes = cp932;
    StartText = EditText(cp932);
    setText(StartText);
}

std::optional<std::string> ModelTextEdit::TakeModelText()
{
    if (text() == StartText)
        return StartBytes;
    Cp932Text converted = ToCp932(text());
    if (!converted.Ok) {
        ShowFieldProblem(*this, converted.Error, converted.Position, converted.Length);
        return std::nullopt;
    }
    return std::move(converted.Bytes);
}

QLineEdit* NewNumberField(QWidget* parent, int controlId, bool signedNumber)
{
    auto* field = new QLineEdit(parent);
    SetControlId(*field, controlId);
    const QString digits = QStringLiteral("[0-9０-９]*");
    const QString pattern =
        signedNumber ? QStringLiteral("\\s*[-+－＋−]?") + digits + QStringLiteral("\\s*") : digits;
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    return field;
}

std::optional<int> TakeNumber(QLineEdit& field)
{
    return Taken(field, ReadIntegerField(field.text().toStdString()));
}

std::optional<int> TakeNumber(QLineEdit& field, int min, int max)
{
    return Taken(field, ReadIntegerField(field.text().toStdString(), min, max));
}

} // namespace planova
