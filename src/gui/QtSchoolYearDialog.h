#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/SchoolYearDialog.h"
#endif

#include <QDialog>

#include <array>

class QCheckBox;
class QDateEdit;
class QPushButton;

namespace planova {

/**
 * The dialog "データの自動作成": the range to create, the four vacations and the foundation day
 * (each with its check box enabling its date pickers) and the overwrite switch. OK refuses a range
 * whose start is after its end, or a date that exists in no year, with a message; the dialog then
 * stays open.
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

    QDateEdit* StartPicker;
    QDateEdit* EndPicker;
    std::array<QCheckBox*, SchoolYearRowCount> Switches{};
    std::array<QDateEdit*, SchoolYearRowCount> FirstPickers{};
    std::array<QDateEdit*, SchoolYearRowCount> LastPickers{};
    QCheckBox* Overwrite;
    QPushButton* Ok;
    QPushButton* Cancel;
    SchoolYearDialogValues Values;
};

} // namespace planova
