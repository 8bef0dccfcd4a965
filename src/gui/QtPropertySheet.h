#pragma once

#ifndef Q_MOC_RUN
#include "dialogs/PropertySheet.h"
#endif

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace planova {

class QtDisplayPage;
class QtPrintPage;
class QtTimetablePage;

/**
 * The property sheet of the command "プロパティ...": the pages "表示", "印刷" and "時間割" on copies
 * of the settings. OK reads the pages in that order; a page that cannot be read is brought to the
 * front with its field selected, and the sheet stays open. Cancel changes nothing.
 *
 * (Formerly CPropertySheet.)
 */
class QtPropertySheet : public QDialog
{
    Q_OBJECT
public:
    explicit QtPropertySheet(QWidget* parent = nullptr);

    /// Fills the pages from the values; run the sheet with exec(), and on OK read Confirmed().
    void Start(const PropertySheetValues& values);
    /// The values as confirmed by the last OK.
    const PropertySheetValues& Confirmed() const { return Values; }

    QTabWidget& Pages() const { return *Tabs; }
    QPushButton& OkButton() const { return *Ok; }
    QPushButton& CancelButton() const { return *Cancel; }

public slots:
    void accept() override;

private:
    QTabWidget* Tabs;
    QtDisplayPage* Display;
    QtPrintPage* Print;
    QtTimetablePage* Timetable;
    QPushButton* Ok;
    QPushButton* Cancel;
    PropertySheetValues Values;
};

} // namespace planova
