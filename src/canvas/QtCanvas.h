#pragma once

#include "canvas/FontSubstitution.h"
#include "canvas/QtText.h"
#include "view/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <optional>
#include <string>

class QPainter;

namespace planova {

/**
 * The Canvas over a QPainter: a widget, a QImage, a printer or a PDF writer. The painter must be
 * active and outlive the canvas. Device pixels are the painter's device coordinates.
 */
class QtCanvas : public Canvas
{
public:
    /// deviceBackground is the colour behind the planner (the window colour on screen, white on paper).
    QtCanvas(QPainter& painter, Rgb deviceBackground, Point physicalOffset = {});

    int DpiX() const override;
    int DpiY() const override;
    Point PhysicalOffset() const override { return Offset; }
    Rgb DeviceBackground() const override { return Background; }

    void SetFont(const std::string& faceUtf8, double pointSize) override;
    LineMetrics GetLineMetrics() const override;
    Size TextExtent(std::string_view cp932) const override;
    void SetTextColour(Rgb colour) override;
    void SetBackgroundColour(Rgb colour) override;
    void SetOpaqueBackground(bool opaque) override;
    void DrawText(const Rect& rect, std::string_view cp932, unsigned flags) override;
    void DrawTextAt(Point topLeft, std::string_view cp932) override;

    void SetPen(Rgb colour, int width) override;
    void SetBrush(Rgb colour) override;
    void SetHollowBrush() override { BrushColour.reset(); }
    void DrawRectangle(const Rect& rect) override;
    void FillRectangle(const Rect& rect, Rgb colour) override;
    void DrawLine(Point from, Point to) override;

    void DrawBitmap(const std::string& image, const Rect& source, const Rect& target) override;
    Size ImageSize(const std::string& image) const override;

private:
    /// Fills the pixels of a straight line or an outline's edge with the pen colour.
    void FillRun(const QRect& run);
    /// The display text of model bytes (converted once and kept).
    static const QString& Converted(std::string_view cp932);

    QPainter& Painter;
    Rgb Background;
    Point Offset;
    QFont Font;
    std::optional<QFontMetrics> Metrics;
    QColor PenColour{Qt::black};
    int PenWidth = 1;
    std::optional<QColor> BrushColour{QColor(Qt::white)};
};

/// A Qt colour of an RGB value.
inline QColor ToQColor(Rgb colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

/// The RGB value of a Qt colour.
inline Rgb ToRgb(const QColor& colour)
{
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
}

} // namespace planova
