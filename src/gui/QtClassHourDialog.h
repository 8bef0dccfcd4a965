#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/ClassHourDialog.h"
#endif

#include <QDialog>

#include <array>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace planova {

class ModelTextEdit;

/**
 * The dialog "時数計算": ten rows of class name, offset and (read-only) result, the period and
 * "設定を保存する". In entry mode button 1 reads "計算" and checks what was typed (names held by
 * code page 932, whole-number offsets, a start not after the end); in result mode it reads "OK",
 * "キャンセル" is hidden and only "設定を保存する" is taken from the dialog.
 *
 * (Formerly CJisuuKeisanDlg.)
 */
class QtClassHourDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtClassHourDialog(QWidget* parent = nullptr);

    void Start(const ClassHourValues& values);
    const ClassHourValues& Confirmed() const { return Values; }

    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }

public slots:
    void accept() override;

private:
    bool ReadEntries(ClassHourValues& values);

    std::array<ModelTextEdit*, CPlanovaDoc::ClassCount> Names{};
    std::array<QLineEdit*, CPlanovaDoc::ClassCount> Offsets{};
    std::array<QLineEdit*, CPlanovaDoc::ClassCount> Results{};
    QDateEdit* StartPicker;
    QDateEdit* EndPicker;
    QCheckBox* Save;
    QPushButton* Ok;
    QPushButton* Cancel;
    ClassHourValues Values;
};

} // namespace planova
