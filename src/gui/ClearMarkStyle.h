#pragma once

#include <QProxyStyle>

namespace planova {

/**
 * A style that draws the marks of checked check boxes and radio buttons in the text colour, so they
 * are as clear as the text beside them. Fusion draws them in a darker shade of the text colour,
 * which on a dark look leaves a grey mark on a dark box. Everything else is the base style's.
 */
class ClearMarkStyle : public QProxyStyle
{
    Q_OBJECT
public:
    /// Takes ownership of the base style.
    explicit ClearMarkStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace planova
