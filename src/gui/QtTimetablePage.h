#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/PropertySheet.h"
#endif

#include <QWidget>

#include <array>

class QCheckBox;

namespace planova {

class ModelTextEdit;

/**
 * The property page "時間割": the weekly timetable, Monday to Saturday ("月曜" … "土曜") by periods
 * "①" … "⑥" (text k in control 1068 + k), and the check box 1104 "「予定」に時間割を上書きする".
 *
 * (Formerly CJikannwariPage.)
 */
class QtTimetablePage : public QWidget
{
    Q_OBJECT
public:
    explicit QtTimetablePage(QWidget* parent = nullptr);

    void Fill(const TimetablePageValues& values);
    /// Reads the controls into the values; false (after telling the user, the character selected)
    /// when a text holds a character code page 932 cannot hold.
    bool Read(TimetablePageValues& values);

private:
    std::array<ModelTextEdit*, CPlanovaDoc::JikannwariCount> Texts{};
    QCheckBox* Overwrite;
};

} // namespace planova
