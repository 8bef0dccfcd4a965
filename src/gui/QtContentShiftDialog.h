#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/ContentShiftDialog.h"
#endif

#include <QDialog>

class QButtonGroup;
class QDateEdit;
class QLabel;
class QPushButton;

namespace planova {

class ModelTextEdit;

/**
 * The dialog "「内容」の繰り上げ・繰り下げ": the direction as two push-like radio buttons, the range
 * and the class name. OK is enabled exactly when a class name is typed and the start is not after
 * the end; a line under the fields says why it is not. The class name is checked for code page 932
 * at OK.
 *
 * (Formerly CKuriageKurisageDlg.)
 */
class QtContentShiftDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtContentShiftDialog(QWidget* parent = nullptr);

    void Start(const ContentShiftValues& values);
    const ContentShiftValues& Confirmed() const { return Values; }

    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }
    /// Why OK is disabled now (empty when it is enabled).
    QLabel& Reason() const { return *Why; }

public slots:
    void accept() override;

private:
    ContentShiftValues ReadControls() const;
    /// Sets the direction buttons and the OK button from what the controls hold.
    void Update();

    QButtonGroup* Direction;
    QDateEdit* StartPicker;
    QDateEdit* EndPicker;
    ModelTextEdit* ClassName;
    QLabel* Why;
    QPushButton* Ok;
    QPushButton* Cancel;
    ContentShiftValues Values;
};

} // namespace planova
