#include "gui/QtPropertySheet.h"

#include "gui/QtDisplayPage.h"
#include "gui/QtPrintPage.h"
#include "gui/QtTimetablePage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace planova {

QtPropertySheet::QtPropertySheet(QWidget* parent)
    : QDialog(parent), Tabs(new QTabWidget(this)), Display(new QtDisplayPage), Print(new QtPrintPage),
      Timetable(new QtTimetablePage), Ok(new QPushButton(QStringLiteral("OK"), this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setWindowTitle(QStringLiteral("プロパティ"));
    Tabs->addTab(Display, QStringLiteral("表示"));
    Tabs->addTab(Print, QStringLiteral("印刷"));
    Tabs->addTab(Timetable, QStringLiteral("時間割"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel, QDialogButtonBox::RejectRole);
    Ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QtPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QtPropertySheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tabs);
    layout->addWidget(buttons);
}

void QtPropertySheet::Start(const PropertySheetValues& values)
{
    Values = values;
    Display->Fill(values.Display);
    Print->Fill(values.Print);
    Timetable->Fill(values.Timetable);
    Tabs->setCurrentIndex(0);
}

void QtPropertySheet::accept()
{
    PropertySheetValues read = Values;
    if (!Display->Read(read.Display) || !Print->Read(read.Print) || !Timetable->Read(read.Timetable))
        return;
    Values = read;
    QDialog::accept();
}

} // namespace planova
