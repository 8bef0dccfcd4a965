#include "gui/StepProgressDialog.h"

#include <QPushButton>

namespace planova {

StepProgressDialog::StepProgressDialog(QWidget* parent, const QString& title, const QString& label)
    : QProgressDialog(parent)
{
    setWindowTitle(title);
    setLabelText(label);
    setCancelButton(new QPushButton(QStringLiteral("キャンセル"), this));
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(300);
    setValue(0);
}

bool StepProgressDialog::Step(int done, int total)
{
    if (maximum() != total)
        setRange(0, total);
    // A modal progress dialog lets the user's click on "キャンセル" in while it is shown.
    setValue(done);
    return !wasCanceled();
}

} // namespace planova
