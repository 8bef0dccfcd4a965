#pragma once

#include "model/CellColours.h"
// moc cannot parse the standard library's concepts that the date header pulls in, and it needs
// nothing from these headers.
#ifndef Q_MOC_RUN
#include "dialogs/EntryDialog.h"
#endif

#include <QDate>
#include <QDialog>

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace planova {

class DateField;

/**
 * The cell edit dialog: one resizable modal dialog in four modes (time-table kind and event,
 * period row, memo, ToDo item). The controls are placed in pixels of the client area and placed
 * again after every change of size.
 *
 * Texts come in and go out as code page 932 bytes. A field left unchanged gives back its bytes
 * untouched; a changed field holding a character that code page 932 cannot hold is refused at OK
 * with a message naming it, and the dialog stays open with the text as typed.
 *
 * (Formerly CDayDataIns.)
 */
class QtEntryDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtEntryDialog(QWidget* parent = nullptr);

    /// Runs the dialog modally; on OK the values are updated, on cancel they are left alone.
    bool Run(EntryDialogValues& values);

    /// Fills the controls for the values (what Run does before the modal loop; tests use it alone).
    void Start(const EntryDialogValues& values);
    /// The values as confirmed by the last OK.
    const EntryDialogValues& Confirmed() const { return Values; }

    QComboBox& Combo() const { return *ComboBox; }
    QPlainTextEdit& Edit(int n) const { return *Edits[static_cast<std::size_t>(n - 1)]; }
    DateField& DatePicker() const { return *Deadline; }
    QLabel& Label(int n) const { return *Labels[static_cast<std::size_t>(n - 1)]; }
    QRadioButton& Radio(int colour) const { return *Radios[static_cast<std::size_t>(colour)]; }
    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }

public slots:
    void accept() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceControls();
    void OrderFocus();
    /// The control of an EntryControl number (placed by the mode's layout).
    QWidget& Control(int control) const;
    /// Reads every field into values; false (after telling the user) when a text cannot be held
    /// or the deadline is no date.
    bool ReadFields(EntryDialogValues& values);
    void KeepOuterMinimumSize();

    QComboBox* ComboBox;
    std::array<QPlainTextEdit*, 3> Edits;
    DateField* Deadline;
    std::array<QLabel*, 4> Labels;
    std::array<QRadioButton*, CellColourCount> Radios;
    QButtonGroup* Colours;
    QPushButton* Ok;
    QPushButton* Cancel;

    EntryDialogValues Values;
    /// The texts shown at the start, to tell which fields the user changed.
    QString StartCombo;
    std::array<QString, 3> StartEdits;
    QString StartDeadline;
    bool Started = false;
};

} // namespace planova
