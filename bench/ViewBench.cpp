// Full redraw of the week and month views at 1920 × 1080 into a QImage from a document of twenty
// school years, side by side with drawing the same strings into the same rectangles with bare
// QPainter::drawText calls (the cost of the glyphs alone). Budget: redraw ≤ 1.5 × bare text.

#include "TextCapture.h"
#include "canvas/QtCanvas.h"
#include "model/CPlanovaDoc.h"
#include "support/ViewSchoolYear.h"
#include "view/PlannerView.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using namespace planova;
using bench::DrawBareTexts;
using bench::DrawnText;
using bench::TextCapture;

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr Rgb Window{239, 239, 239};

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
        DrawBareTexts(painter, texts, fonts);
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
    return planova::bench::RunQtBenchmarks(argc, argv);
}
