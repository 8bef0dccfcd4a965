#pragma once

// Driving the settings and tool dialogs in tests: their controls by number, typing, clicking.

#include "ShellTestSupport.h"

#include "gui/DialogFields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

namespace planova::test {

/// The control of a number in the dialog; the test stops when there is none.
template <typename Control = QLineEdit> Control& At(const QWidget& dialog, int id)
{
    auto* control = FindControl<Control>(dialog, id);
    if (control == nullptr)
        qFatal("no control %d", id);
    return *control;
}

/// Clicks a radio button or check box on its indicator (a wide button takes clicks on its text only).
inline void Click(QAbstractButton& button)
{
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
}

/// Replaces a field's text as the user does: select all, delete, then the input method commits the text.
inline void Type(QLineEdit& field, const QString& text)
{
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    Commit(field, text);
}

} // namespace planova::test
