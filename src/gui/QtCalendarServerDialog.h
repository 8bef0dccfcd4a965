#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/CalendarServerDialog.h"
#endif

#include <QDialog>

#include <optional>

class QCheckBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace planova {

/**
 * The dialog of "カレンダーサーバーに公開..." and "行事予定を取り込む...": the server's URL, the user
 * and the password, the range, and for an import whether the events come from the server or from
 * an iCalendar file; for a publish whether to publish after every save. A line under the fields
 * says where the password is kept, another why OK is disabled.
 */
class QtCalendarServerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtCalendarServerDialog(QWidget* parent = nullptr);

    /// Shows the values; `keyring` says whether the desktop's keyring keeps the password (unknown:
    /// it has not been asked yet).
    void Start(const CalendarServerValues& values, std::optional<bool> keyring);
    const CalendarServerValues& Confirmed() const { return Values; }

    QLineEdit& UrlField() const { return *Url; }
    QLineEdit& UserField() const { return *User; }
    QLineEdit& PasswordField() const { return *Password; }
    QDateEdit& FromPicker() const { return *From; }
    QDateEdit& ToPicker() const { return *To; }
    QRadioButton& ServerChoice() const { return *FromServer; }
    QRadioButton& FileChoice() const { return *FromFile; }
    QLineEdit& FileField() const { return *IcsFile; }
    QCheckBox& AfterSaveBox() const { return *AfterSave; }
    QLabel& KeyringNote() const { return *Note; }
    /// Why OK is disabled now (empty when it is enabled).
    QLabel& Reason() const { return *Why; }
    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }

public slots:
    void accept() override;

private:
    CalendarServerValues ReadControls() const;
    void Update();
    void ChooseFile();

    QRadioButton* FromServer;
    QRadioButton* FromFile;
    QLineEdit* IcsFile;
    QPushButton* Browse;
    QLineEdit* Url;
    QLineEdit* User;
    QLineEdit* Password;
    QLabel* Note;
    QDateEdit* From;
    QDateEdit* To;
    QCheckBox* AfterSave;
    QLabel* Why;
    QPushButton* Ok;
    QPushButton* Cancel;
    QWidget* SourceRow;
    /// The rows; an import shows its source row, a publish its after-save row.
    QFormLayout* Form;
    CalendarServerValues Values;
};

/// What the dialog says about the password: kept by the keyring, or for this session only.
QString KeyringNoteText(std::optional<bool> keyring);

} // namespace planova
