#pragma once

#ifndef Q_MOC_RUN
#include "caldav/EventImport.h"
#endif

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace planova {

/**
 * The preview of "行事予定を取り込む...": each day whose 行事 changes, with its 行事 now and as it
 * will be. Nothing changes before "OK"; "キャンセル" leaves every day as it is.
 */
class QtEventImportPreview : public QDialog
{
    Q_OBJECT
public:
    QtEventImportPreview(const EventImportPlan& plan, QWidget* parent = nullptr);

    QTableWidget& Table() const { return *Days; }
    QLabel& Summary() const { return *Heading; }
    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }

private:
    QLabel* Heading;
    QTableWidget* Days;
    QPushButton* Ok;
    QPushButton* Cancel;
};

} // namespace planova
