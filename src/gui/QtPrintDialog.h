#pragma once

// moc cannot parse the standard library's concepts that the date header pulls in, and it needs
// nothing from this header.
#ifndef Q_MOC_RUN
#include "dialogs/PrintDialog.h"
#endif

#include <QDialog>

#include <map>

class QAbstractButton;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace planova {

class NumberField;

/**
 * The print options dialog "印刷" (dialog 316). It shows what the Qt-free PrintDialogModel says
 * (values, enable states, check marks, labels) and reports every change of a control to it; a
 * number field that does not hold an acceptable value is reported in a message box and gets the
 * focus, and the dialog stays open.
 *
 * (Formerly CPrintDlg.)
 */
class QtPrintDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtPrintDialog(QWidget* parent = nullptr);

    /// Runs the dialog modally on the model; true on "印刷" with the model holding the confirmed values.
    bool Run(PrintDialogModel& model);
    /// Shows the model in the controls (what Run does before the modal loop; tests use it alone).
    void Start(PrintDialogModel& model);

    /// The radio button or check box of a control identifier.
    QAbstractButton& Button(int control) const { return *Buttons.at(control); }
    /// The text field of a number control.
    QLineEdit& NumberEdit(int control) const;
    QDateEdit& DateEdit(int control) const { return *Dates.at(control); }
    QPushButton& OkButton() const { return *Ok; }
    QPushButton& ColourButton() const { return *Colour; }

public slots:
    void accept() override;

private:
    QGroupBox* BuildPrintType();
    QGroupBox* BuildPaper();
    QGroupBox* BuildPageOptions();
    QGroupBox* BuildAdjustment();
    QGroupBox* BuildDates();
    QWidget* AddButton(int control);
    NumberField* AddNumber(int control);
    /// What the controls hold now.
    PrintDialogReading ReadControls() const;
    /// A control was changed by the user.
    void Changed(int control);
    /// Writes the model's values, marks, enable states and labels into the controls.
    void WriteControls();
    /// Writes the marks of the buttons only (after a refused change, the texts stay as typed).
    void WriteButtons();
    void ShowFieldError(const FieldError& error);
    void ChooseColour();

    PrintDialogModel* Model = nullptr;
    std::map<int, QAbstractButton*> Buttons;
    std::map<int, NumberField*> Numbers;
    std::map<int, QDateEdit*> Dates;
    QPushButton* Colour = nullptr;
    std::uint32_t ColourValue = 0;
    QPushButton* Ok = nullptr;
    bool Writing = false;
};

} // namespace planova
