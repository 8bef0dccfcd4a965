#include "gui/QtCanvas.h"

#include "model/Cp932Codec.h"

#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <mutex>

namespace planova {

namespace {

/// Image files and resources, loaded once.
const QImage& CachedImage(const std::string& name)
{
    static QHash<QString, QImage> images;
    const QString key = QString::fromStdString(name);
    auto found = images.find(key);
    if (found == images.end())
        found = images.insert(key, QImage(key));
    return *found;
}

int QtAlignment(unsigned flags)
{
    int qt = 0;
    if (flags & TextCenter)
        qt |= Qt::AlignHCenter;
    else if (flags & TextRight)
        qt |= Qt::AlignRight;
    else
        qt |= Qt::AlignLeft;
    qt |= (flags & TextVCenter) && (flags & TextSingleLine) ? Qt::AlignVCenter : Qt::AlignTop;
    if (flags & TextWordBreak)
        qt |= Qt::TextWordWrap;
    if (flags & TextSingleLine)
        qt |= Qt::TextSingleLine;
    if (flags & TextNoClip)
        qt |= Qt::TextDontClip;
    return qt;
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

} // namespace

void InstallFontSubstitutions()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        const QStringList substitutes{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
        QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), substitutes);
        QFont::insertSubstitutions(QStringLiteral("MS PGothic"), substitutes);
    });
}

QString DisplayText(std::string_view cp932)
{
    QString text = QString::fromUtf8(Cp932ToUtf8Lenient(cp932));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QtCanvas::QtCanvas(QPainter& painter, Rgb deviceBackground, Point physicalOffset)
    : Painter(painter), Background(deviceBackground), Offset(physicalOffset)
{
    InstallFontSubstitutions();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter.setBackgroundMode(Qt::TransparentMode);
    Painter.setBackground(QBrush(Qt::white));
    Painter.setPen(QPen(Qt::black));
}

int QtCanvas::DpiX() const
{
    return Painter.device()->logicalDpiX();
}

int QtCanvas::DpiY() const
{
    return Painter.device()->logicalDpiY();
}

void QtCanvas::SetFont(const std::string& faceUtf8, int pointSize)
{
    // The em height of the point size on this device; when the face's lines are taller than that
    // (IPAPGothic rounds to one pixel more), a smaller size keeps every text line on the layout's
    // grid of lines, as the face the planner was designed with does.
    const int em = std::max(1, static_cast<int>(std::lround(pointSize * DpiY() / 72.0)));
    Font = QFont(QString::fromStdString(faceUtf8));
    int pixels = em;
    for (;;) {
        Font.setPixelSize(pixels);
        Metrics.emplace(Font, Painter.device());
        if (pixels == 1 || Metrics->height() <= em)
            break;
        --pixels;
    }
    Painter.setFont(Font);
}

LineMetrics QtCanvas::GetLineMetrics() const
{
    if (!Metrics)
        return {};
    return {Metrics->height(), Metrics->ascent(), Metrics->descent(), Metrics->leading()};
}

Size QtCanvas::TextExtent(std::string_view cp932) const
{
    if (!Metrics)
        return {};
    return {Metrics->horizontalAdvance(Converted(cp932)), Metrics->height()};
}

void QtCanvas::SetTextColour(Rgb colour)
{
    Painter.setPen(QPen(ToQColor(colour)));
}

void QtCanvas::SetBackgroundColour(Rgb colour)
{
    Painter.setBackground(QBrush(ToQColor(colour)));
}

void QtCanvas::SetOpaqueBackground(bool opaque)
{
    Painter.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

const QString& QtCanvas::Converted(std::string_view cp932) const
{
    auto found = Texts.find(std::string(cp932));
    if (found == Texts.end())
        found = Texts.emplace(std::string(cp932), DisplayText(cp932)).first;
    return found->second;
}

void QtCanvas::DrawText(const Rect& rect, std::string_view cp932, unsigned flags)
{
    if (cp932.empty())
        return;
    if (!(flags & TextNoClip) && (rect.Width() <= 0 || rect.Height() <= 0))
        return;
    const QString& text = Converted(cp932);
    if (flags & TextFitWidth) {
        const int width = Metrics ? Metrics->horizontalAdvance(text) : 0;
        if (width > rect.Width()) {
            // Condensed horizontally into the rectangle, drawn on one line.
            const double factor = static_cast<double>(rect.Width()) / width;
            Painter.save();
            Painter.translate(rect.Left, 0);
            Painter.scale(factor, 1.0);
            Painter.drawText(QRect(0, rect.Top, width, rect.Height()), QtAlignment(flags) | Qt::TextSingleLine, text);
            Painter.restore();
            return;
        }
    }
    Painter.drawText(ToQRect(rect), QtAlignment(flags), text);
}

void QtCanvas::DrawTextAt(Point topLeft, std::string_view cp932)
{
    if (cp932.empty() || !Metrics)
        return;
    Painter.drawText(QPoint(topLeft.X, topLeft.Y + Metrics->ascent()), Converted(cp932));
}

void QtCanvas::SetPen(Rgb colour, int width)
{
    PenColour = ToQColor(colour);
    PenWidth = std::max(0, width);
}

void QtCanvas::SetBrush(Rgb colour)
{
    BrushColour = ToQColor(colour);
}

void QtCanvas::DrawRectangle(const Rect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const QRect area = ToQRect(rect);
    if (BrushColour)
        Painter.fillRect(area, *BrushColour);
    if (PenWidth == 0)
        return;
    // The outline lies inside the rectangle, PenWidth pixels wide, so neighbouring cells share no pixels twice.
    const int w = std::min({PenWidth, rect.Width(), rect.Height()});
    Painter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), w), PenColour);
    Painter.fillRect(QRect(rect.Left, rect.Bottom - w, rect.Width(), w), PenColour);
    Painter.fillRect(QRect(rect.Left, rect.Top, w, rect.Height()), PenColour);
    Painter.fillRect(QRect(rect.Right - w, rect.Top, w, rect.Height()), PenColour);
}

void QtCanvas::FillRectangle(const Rect& rect, Rgb colour)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    Painter.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::DrawLine(Point from, Point to)
{
    if (PenWidth == 0 || from == to)
        return;
    // Straight lines are filled pixel runs that stop before the end point.
    if (from.X == to.X) {
        Painter.fillRect(QRect(from.X, std::min(from.Y, to.Y) + (from.Y > to.Y ? 1 : 0), PenWidth,
                               std::abs(to.Y - from.Y)),
                         PenColour);
        return;
    }
    if (from.Y == to.Y) {
        Painter.fillRect(QRect(std::min(from.X, to.X) + (from.X > to.X ? 1 : 0), from.Y, std::abs(to.X - from.X),
                               PenWidth),
                         PenColour);
        return;
    }
    const QPen saved = Painter.pen();
    Painter.setPen(QPen(PenColour, PenWidth));
    Painter.drawLine(QPoint(from.X, from.Y), QPoint(to.X, to.Y));
    Painter.setPen(saved);
}

void QtCanvas::DrawBitmap(const std::string& image, const Rect& source, const Rect& target)
{
    const QImage& loaded = CachedImage(image);
    if (loaded.isNull())
        return;
    Painter.drawImage(ToQRect(target), loaded, ToQRect(source));
}

} // namespace planova
