#include "canvas/QtCanvas.h"

#include "canvas/FontSubstitution.h"
#include "canvas/QtText.h"

#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

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

/// Lets the text cache be searched with a string_view.
struct TextHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

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

/**
 * The font of the face whose em height is the point size on the device; when the face's lines are
 * taller than that (IPAPGothic rounds to one pixel more), a smaller size keeps every text line on
 * the layout's grid of lines, as the face the planner was designed with does.
 */
QFont ResolveFont(const std::string& faceUtf8, double pointSize, QPaintDevice* device)
{
    const int em = std::max(1, static_cast<int>(std::lround(pointSize * device->logicalDpiY() / 72.0)));
    QFont font(QString::fromStdString(faceUtf8));
    for (int pixels = em; pixels >= 1; --pixels) {
        font.setPixelSize(pixels);
        if (pixels == 1 || QFontMetrics(font, device).height() <= em)
            break;
    }
    return font;
}

} // namespace

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

void QtCanvas::SetFont(const std::string& faceUtf8, double pointSize)
{
    // Fonts are kept once resolved: the font engines behind them then live from redraw to redraw.
    struct FontKey
    {
        std::string Face;
        double PointSize;
        int Dpi;
        bool operator<(const FontKey& other) const
        {
            return std::tie(Face, PointSize, Dpi) < std::tie(other.Face, other.PointSize, other.Dpi);
        }
    };
    static std::map<FontKey, QFont> fonts;
    const FontKey key{faceUtf8, pointSize, DpiY()};
    auto found = fonts.find(key);
    if (found == fonts.end())
        found = fonts.emplace(key, ResolveFont(faceUtf8, pointSize, Painter.device())).first;
    Font = found->second;
    Painter.setFont(Font);
    Metrics.emplace(Font, Painter.device());
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

const QString& QtCanvas::Converted(std::string_view cp932)
{
    // Every redraw shows mostly the texts of the previous one: their conversions are kept across
    // canvases (the planner is drawn on the user-interface thread only), up to a bound.
    constexpr std::size_t MaxKeptTexts = 8192;
    static std::unordered_map<std::string, QString, TextHash, std::equal_to<>> texts;
    auto found = texts.find(cp932);
    if (found == texts.end()) {
        if (texts.size() >= MaxKeptTexts)
            texts.clear();
        found = texts.emplace(std::string(cp932), DisplayText(cp932)).first;
    }
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
            Painter.drawText(QRect(0, rect.Top, width, rect.Height()),
                             QtAlignment(flags) | Qt::TextSingleLine, text);
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
    // The outline lies inside the rectangle, PenWidth pixels wide, so neighbouring cells share no pixels
    // twice.
    const int w = std::min({PenWidth, rect.Width(), rect.Height()});
    FillRun(QRect(rect.Left, rect.Top, rect.Width(), w));
    FillRun(QRect(rect.Left, rect.Bottom - w, rect.Width(), w));
    FillRun(QRect(rect.Left, rect.Top, w, rect.Height()));
    FillRun(QRect(rect.Right - w, rect.Top, w, rect.Height()));
}

void QtCanvas::FillRectangle(const Rect& rect, Rgb colour)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    Painter.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtCanvas::FillRun(const QRect& run)
{
    if (dynamic_cast<QPagedPaintDevice*>(Painter.device()) == nullptr) {
        Painter.fillRect(run, PenColour);
        return;
    }
    // A printed page may be shown scaled down (the print preview), where a run thinner than a screen
    // pixel would vanish; stroked as a line along its middle it keeps at least one pixel.
    const bool across = run.width() >= run.height();
    const QPen saved = Painter.pen();
    Painter.setPen(QPen(PenColour, across ? run.height() : run.width(), Qt::SolidLine, Qt::FlatCap));
    if (across) {
        const double y = run.top() + run.height() / 2.0;
        Painter.drawLine(QPointF(run.left(), y), QPointF(run.left() + run.width(), y));
    } else {
        const double x = run.left() + run.width() / 2.0;
        Painter.drawLine(QPointF(x, run.top()), QPointF(x, run.top() + run.height()));
    }
    Painter.setPen(saved);
}

void QtCanvas::DrawLine(Point from, Point to)
{
    if (PenWidth == 0 || from == to)
        return;
    // Straight lines are filled pixel runs that stop before the end point.
    if (from.X == to.X) {
        FillRun(QRect(from.X, std::min(from.Y, to.Y) + (from.Y > to.Y ? 1 : 0), PenWidth,
                      std::abs(to.Y - from.Y)));
        return;
    }
    if (from.Y == to.Y) {
        FillRun(QRect(std::min(from.X, to.X) + (from.X > to.X ? 1 : 0), from.Y, std::abs(to.X - from.X),
                      PenWidth));
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

Size QtCanvas::ImageSize(const std::string& image) const
{
    const QImage& loaded = CachedImage(image);
    return {loaded.width(), loaded.height()};
}

} // namespace planova
