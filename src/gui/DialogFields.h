#pragma once

// moc cannot parse the standard library's concepts that the date header pulls in, and needs nothing from it.
#ifndef Q_MOC_RUN
#include "model/DateTime.h"
#endif

#include <QDate>
#include <QLineEdit>
#include <QString>

#include <optional>
#include <string>

class QDateEdit;
class QWidget;

namespace planova {

/**
 * Pieces the settings and tool dialogs share: controls named by their control numbers, date pickers,
 * one-line fields for model texts and whole numbers, and how a field that cannot be taken is shown.
 */

/// Names a control by its number ("1105"), so that tests and the dialog find it by that number.
void SetControlId(QWidget& control, int id);

/// The control of a number among the widget's children, or nullptr.
template <typename Control> Control* FindControl(const QWidget& parent, int id)
{
    return parent.findChild<Control*>(QString::number(id));
}

/// A date picker (QDateEdit; dates convert with ToQDate / FromQDate of gui/InfoPane.h) with the calendar
/// popup, "yyyy/MM/dd", years 100 to 9999.
QDateEdit* NewDatePicker(QWidget* parent, int controlId);

/**
 * Brings the field into view (the tab page it is on), tells the user the message, and puts the
 * focus on the field with `length` characters from `position` selected (−1: the whole text).
 */
void ShowFieldProblem(QWidget& field, const QString& message, int position = 0, int length = -1);

/**
 * A one-line field for a model text (code page 932). Left as it was filled, it gives back the
 * bytes it was filled with, even bytes that could not be shown; a changed text is converted, and a
 * character that code page 932 cannot hold is refused with a message naming it, never replaced.
 */
class ModelTextEdit : public QLineEdit
{
    Q_OBJECT
public:
    ModelTextEdit(QWidget* parent, int controlId);

    void SetModelText(const std::string& cp932);
    /// The text as model bytes; nothing (after telling the user, the character selected) when it
    /// holds a character code page 932 cannot hold.
    std::optional<std::string> TakeModelText();

private:
    std::string StartBytes;
    QString StartText;
};

/// A whole-number field: digits (also full-width) and a sign may be typed.
QLineEdit* NewNumberField(QWidget* parent, int controlId, bool signedNumber);

/**
 * The number in the field; nothing (after telling the user "整数を入力してください。", or the range
 * message when min … max is given, with the field selected) when it holds none.
 */
std::optional<int> TakeNumber(QLineEdit& field);
std::optional<int> TakeNumber(QLineEdit& field, int min, int max);

} // namespace planova
