#pragma once

#include <QProgressDialog>

namespace planova {

/**
 * A modal progress dialog for work done in steps (the days of automatic data creation). It shows
 * itself only when the work takes longer than a moment; "キャンセル" asks the work to stop before
 * its next step.
 */
class StepProgressDialog : public QProgressDialog
{
    Q_OBJECT
public:
    StepProgressDialog(QWidget* parent, const QString& title, const QString& label);

    /// Called after each step: shows how far the work got; false once "キャンセル" was pressed.
    bool Step(int done, int total);
};

} // namespace planova
