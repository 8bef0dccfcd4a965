#include "gui/QtEventImportPreview.h"

#include "calendar/ToolDates.h"
#include "canvas/QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace planova {
namespace {

/// A stored event text as the table shows it: its lines one under the other.
QString ShownLines(const std::string& cp932)
{
    QString text = DisplayText(cp932);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    return item;
}

} // namespace

QtEventImportPreview::QtEventImportPreview(const EventImportPlan& plan, QWidget* parent)
    : QDialog(parent), Heading(new QLabel(this)), Days(new QTableWidget(this)),
      Ok(new QPushButton(QStringLiteral("OK"), this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setWindowTitle(QStringLiteral("行事予定の取り込み"));
    Heading->setText(QStringLiteral("%1 日の行事が次のように変わります。よろしければ OK を押してください。")
                         .arg(plan.Changes.size()));
    Heading->setWordWrap(true);

    Days->setColumnCount(3);
    Days->setHorizontalHeaderLabels(
        {QStringLiteral("日付"), QStringLiteral("現在の行事"), QStringLiteral("取り込み後の行事")});
    Days->setRowCount(static_cast<int>(plan.Changes.size()));
    Days->verticalHeader()->hide();
    Days->setWordWrap(true);
    Days->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < Days->rowCount(); ++row) {
        const EventTextChange& change = plan.Changes[static_cast<std::size_t>(row)];
        Days->setItem(row, 0, Cell(Utf8Text(JapaneseDate(change.Date))));
        Days->setItem(row, 1, Cell(ShownLines(change.Before)));
        Days->setItem(row, 2, Cell(ShownLines(change.After)));
    }
    QHeaderView& header = *Days->horizontalHeader();
    header.setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header.setSectionResizeMode(1, QHeaderView::Stretch);
    header.setSectionResizeMode(2, QHeaderView::Stretch);
    // Rows follow the wrapped texts as the columns take the dialog's width.
    Days->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading);
    layout->addWidget(Days, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel, QDialogButtonBox::RejectRole);
    Ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}

} // namespace planova
