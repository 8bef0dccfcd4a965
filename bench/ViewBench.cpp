// Full redraw of the week and month views at 1920 × 1080 into a QImage from a document of twenty
// school years, side by side with drawing the same strings into the same rectangles with bare
// QPainter::drawText calls (the cost of the glyphs alone). Budget: redraw ≤ 1.5 × bare text.

#include "canvas/QtCanvas.h"
#include "model/CPlanovaDoc.h"
#include "support/ViewSchoolYear.h"
#include "view/PlannerView.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using namespace planova;

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr Rgb Window{239, 239, 239};

/// One text the planner drew: what bare drawText calls repeat.
struct DrawnText
{
    int FontIndex; ///< into TextCapture::Fonts
    QRect Area;
    int Flags;
    QString Text;
    bool AtPoint;
};

/// A QtCanvas that also notes every text it draws.
class TextCapture : public QtCanvas
{
public:
    TextCapture(QPainter& painter, Rgb background) : QtCanvas(painter, background), Painter(painter) {}
    std::vector<DrawnText> Texts;
    std::vector<QFont> Fonts;

    void SetFont(const std::string& faceUtf8, int pointSize) override
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

/// The document of twenty school years, built once.
CPlanovaDoc& TwentyYears()
{
    static CPlanovaDoc document = test::SchoolYearDocument(2005, 20);
    return document;
}

std::unique_ptr<PlannerView> ViewOf(ViewMode mode)
{
    auto view = std::make_unique<PlannerView>(TwentyYears());
    view->InitialUpdate(DateTime::FromDate(2024, 11, 13));
    view->ShowView(mode);
    return view;
}

const DateTime Moment = DateTime::FromDateTime(2024, 11, 13, 8, 15, 0);
const ScreenGeometry Geometry{Width, Height, 140, 16};

void Redraw(benchmark::State& state, ViewMode mode)
{
    const std::unique_ptr<PlannerView> view = ViewOf(mode);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(Window.Red, Window.Green, Window.Blue));
        QPainter painter(&image);
        QtCanvas canvas(painter, Window);
        benchmark::DoNotOptimize(view->DrawScreen(canvas, Geometry, Moment));
    }
}

void BareText(benchmark::State& state, ViewMode mode)
{
    const std::unique_ptr<PlannerView> view = ViewOf(mode);
    QImage image(Width, Height, QImage::Format_RGB32);
    std::vector<DrawnText> texts;
    std::vector<QFont> fonts;
    {
        QPainter painter(&image);
        TextCapture capture(painter, Window);
        view->DrawScreen(capture, Geometry, Moment);
        texts = capture.Texts;
        fonts = capture.Fonts;
    }
    state.counters["texts"] = static_cast<double>(texts.size());
    for (auto _ : state) {
        image.fill(QColor(Window.Red, Window.Green, Window.Blue));
        QPainter painter(&image);
        int font = -1;
        for (const DrawnText& text : texts) {
            if (text.FontIndex != font) {
                font = text.FontIndex;
                painter.setFont(fonts[font]);
            }
            if (text.AtPoint)
                painter.drawText(text.Area.topLeft(), text.Text);
            else
                painter.drawText(text.Area, text.Flags, text.Text);
        }
    }
}

void WeekRedraw(benchmark::State& state)
{
    Redraw(state, ViewMode::Week);
}
void WeekBareText(benchmark::State& state)
{
    BareText(state, ViewMode::Week);
}
void MonthRedraw(benchmark::State& state)
{
    Redraw(state, ViewMode::Month);
}
void MonthBareText(benchmark::State& state)
{
    BareText(state, ViewMode::Month);
}

BENCHMARK(WeekRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(WeekBareText)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthBareText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
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
