#include "gui/PlaceholderView.h"

#include "model/CPlanovaDoc.h"

#include <QPainter>

namespace planova {

PlaceholderView::PlaceholderView(CPlanovaDoc& document, QWidget* parent)
    : QWidget(parent), Document(document)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumSize(320, 200);
}

bool PlaceholderView::IsCommandEnabled(int commandId) const
{
    (void)commandId;
    return false;
}

bool PlaceholderView::ExecuteCommand(int commandId)
{
    (void)commandId;
    return false;
}

void PlaceholderView::RefreshFromDocument()
{
    ++Refreshes;
    update();
}

void PlaceholderView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    const QString text = QStringLiteral("予定表 %1 日分、ToDo %2 件")
                             .arg(Document.DayList().size())
                             .arg(Document.ToDoList().size());
    painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignLeft | Qt::AlignTop, text);
}

} // namespace planova
