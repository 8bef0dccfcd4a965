#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/SchoolYearDialog.h"
#endif

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;

namespace planova {

/**
 * The dialog "データの自動作成": the range to create, the four vacations and the foundation day
 * (each with its check box enabling its date pickers), the overwrite switch, the holiday rules and
 * "地域の休日" (none, a place, or the own dates typed into the field under it, which takes input only
 * while chosen). OK refuses a range whose start is after its end, a date that exists in no year, or
 * own dates that cannot be taken, with a message; the dialog then stays open.
 *
 * (Formerly CMakeAuto.)
 */
class QtSchoolYearDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtSchoolYearDialog(QWidget* parent = nullptr);

    void Start(const SchoolYearDialogValues& values);
    const SchoolYearDialogValues& Confirmed() const { return Values; }

    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }

public slots:
    void accept() override;

private:
    SchoolYearDialogValues ReadControls() const;
    /// Each row's pickers take input exactly when its check box is on.
    void EnablePickers();
    /// The own-dates field takes input exactly while "自分で指定する" is chosen.
    void EnableOwnDates();
    QWidget* NewHolidayGroup();

    QDateEdit* StartPicker;
    QDateEdit* EndPicker;
    std::array<QCheckBox*, SchoolYearRowCount> Switches{};
    std::array<QDateEdit*, SchoolYearRowCount> FirstPickers{};
    std::array<QDateEdit*, SchoolYearRowCount> LastPickers{};
    QCheckBox* Overwrite;
    QComboBox* RuleSets = nullptr;
    QComboBox* LocalHolidays = nullptr;
    QPlainTextEdit* OwnDates = nullptr;
    QPushButton* Ok;
    QPushButton* Cancel;
    SchoolYearDialogValues Values;
};

} // namespace planova
