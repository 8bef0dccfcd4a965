#pragma once

// What the painting benchmarks share: the texts the program drew, captured to be drawn again into the
// same rectangles with bare QPainter::drawText calls (the cost of the glyphs alone), and their main.

#include "canvas/FontSubstitution.h"
#include "canvas/QtCanvas.h"
#include "canvas/QtText.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QRect>
#include <QString>

#include <benchmark/benchmark.h>

#include <vector>

namespace planova::bench {

/// One text the program drew: what bare drawText calls repeat.
struct DrawnText
{
    int FontIndex; ///< into TextCapture::Fonts
    QRect Area;
    int Flags;
    QString Text;
    bool AtPoint;
};

/// A QtCanvas that also notes every text it draws and every font it selects.
class TextCapture : public QtCanvas
{
public:
    TextCapture(QPainter& painter, Rgb background) : QtCanvas(painter, background), Painter(painter) {}
    std::vector<DrawnText> Texts;
    std::vector<QFont> Fonts;

    void SetFont(const std::string& faceUtf8, double pointSize) override
    {
        QtCanvas::SetFont(faceUtf8, pointSize);
        Fonts.push_back(Painter.font());
    }
    void DrawText(const Rect& rect, std::string_view cp932, unsigned flags) override
    {
        if (!cp932.empty() && rect.Width() > 0 && rect.Height() > 0) {
            const int qtFlags = (flags & TextWordBreak ? Qt::TextWordWrap : 0) |
                                (flags & TextSingleLine ? Qt::TextSingleLine : 0) |
                                (flags & TextCenter ? Qt::AlignHCenter : 0);
            Texts.push_back({static_cast<int>(Fonts.size()) - 1,
                             QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), qtFlags,
                             DisplayText(cp932), false});
        }
        QtCanvas::DrawText(rect, cp932, flags);
    }
    void DrawTextAt(Point topLeft, std::string_view cp932) override
    {
        Texts.push_back({static_cast<int>(Fonts.size()) - 1, QRect(topLeft.X, topLeft.Y, 0, 0), 0,
                         DisplayText(cp932), true});
        QtCanvas::DrawTextAt(topLeft, cp932);
    }

private:
    QPainter& Painter;
};

/// Draws the captured texts with bare QPainter calls, in the fonts they were drawn in.
inline void DrawBareTexts(QPainter& painter, const std::vector<DrawnText>& texts,
                          const std::vector<QFont>& fonts)
{
    int font = -1;
    for (const DrawnText& text : texts) {
        if (text.FontIndex != font) {
            font = text.FontIndex;
            painter.setFont(fonts[static_cast<std::size_t>(font)]);
        }
        if (text.AtPoint)
            painter.drawText(text.Area.topLeft(), text.Text);
        else
            painter.drawText(text.Area, text.Flags, text.Text);
    }
}

/// The main program of a benchmark that paints: Qt Gui (offscreen without a display) and the planner's faces.
inline int RunQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace planova::bench
