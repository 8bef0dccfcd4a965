#include "gui/ClearMarkStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include <algorithm>

namespace planova {

ClearMarkStyle::ClearMarkStyle(QStyle* base) : QProxyStyle(base) {}

void ClearMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const bool indicator = element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton;
    if (!indicator || !(option->state & State_On)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The empty box or circle from the base style, then the mark in the text colour.
    QStyleOption box(*option);
    box.state = (box.state & ~State_On) | State_Off;
    QProxyStyle::drawPrimitive(element, &box, painter, widget);

    const QColor mark = option->palette.color(QPalette::Text);
    const QRectF area = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (element == PE_IndicatorRadioButton) {
        const qreal inset = area.width() * 0.3;
        painter->setPen(Qt::NoPen);
        painter->setBrush(mark);
        painter->drawEllipse(area.adjusted(inset, inset, -inset, -inset));
    } else {
        const qreal inset = area.width() * 0.22;
        const QRectF tick = area.adjusted(inset, inset, -inset, -inset);
        QPainterPath path(QPointF(tick.left(), tick.center().y()));
        path.lineTo(tick.left() + tick.width() * 0.4, tick.bottom());
        path.lineTo(tick.right(), tick.top());
        painter->setPen(
            QPen(mark, std::max<qreal>(2.0, area.width() / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
    }
    painter->restore();
}

} // namespace planova
