#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/PropertySheet.h"
#endif

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

namespace planova {

class ModelTextEdit;

/**
 * The property page "印刷": the user's name printed on pages (1188) and the print font-size table,
 * one size of 1 … 50 points per print type and paper (1125 … 1150), with "初期化" (1140) for the
 * default table.
 *
 * (Formerly CInnsatsuPage.)
 */
class QtPrintPage : public QWidget
{
    Q_OBJECT
public:
    explicit QtPrintPage(QWidget* parent = nullptr);

    void Fill(const PrintPageValues& values);
    /// Reads the controls into the values; false (after telling the user, the field selected) when a
    /// size is no whole number of 1 … 50 or the name holds a character code page 932 cannot hold.
    bool Read(PrintPageValues& values);

    QPushButton& ResetButton() const { return *Reset; }

private:
    void ShowSizes(const std::array<int, CPlanovaDoc::FontPointCount>& sizes);

    ModelTextEdit* UserName;
    std::array<QLineEdit*, CPlanovaDoc::FontPointCount> Sizes{};
    QPushButton* Reset;
};

} // namespace planova
