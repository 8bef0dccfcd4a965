#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/PropertySheet.h"
#endif

#include <QWidget>

#include <array>
#include <map>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace planova {

/**
 * The property page "表示": the birthday for the biorhythm, the view at start, the first weekday,
 * the ToDo pane at start, the ToDo sort key and the biorhythm switch. Controls carry their numbers
 * as object names (1105 … 1187).
 *
 * (Formerly CBirthdayPage.)
 */
class QtDisplayPage : public QWidget
{
    Q_OBJECT
public:
    explicit QtDisplayPage(QWidget* parent = nullptr);

    void Fill(const DisplayPageValues& values);
    /// Reads the controls into the values; false (after telling the user, the field selected) when a
    /// birthday field holds no whole number.
    bool Read(DisplayPageValues& values);

private:
    /// A click on a radio button: its group's member changes, and every group shows its member.
    void ClickRadio(int controlId);
    void ShowRadios();

    std::array<QLineEdit*, 3> Birthday;
    std::map<DisplayRadioGroup, QButtonGroup*> Groups;
    QCheckBox* ShowToDoFirst;
    QCheckBox* NoBiorhythm;
    DisplayPageValues Values;
};

} // namespace planova
