// Benchmarks of the CAD view painted as the desktop program paints it: antialiased strokes
// with QPainter on the view's off-screen image, for a full redraw of the fitted drawing, a
// pan step and a redraw zoomed in on a quarter of it. Runs without a display (Qt's offscreen
// platform).
#include "bench_drawings.h"
#include "caddraw/cad_draw.h"
#include "painter_canvas.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace brevant;
using brevant::bench::FillDrawing;

constexpr int kWidth = 1024, kHeight = 768;

struct PaintedView {
    ImageCanvas canvas;
    TCadDraw view;
    explicit PaintedView(int n) {
        view.SetCanvas(&canvas);
        FillDrawing(view, n);
        view.Resize(kWidth, kHeight); // fits the drawing
    }
};

void BM_PaintRedraw(benchmark::State& state) {
    PaintedView v(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        v.view.Redraw();
        benchmark::DoNotOptimize(v.canvas.Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaintRedraw)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// One step of a drag pan: the centre moves by a few pixels and the view is painted again.
void BM_PaintPan(benchmark::State& state) {
    PaintedView v(static_cast<int>(state.range(0)));
    const double step = 3 / v.view.CadSettings().xscale[1];
    int k = 0;
    for (auto _ : state) {
        v.view.Pan((k++ % 20) < 10 ? step : -step, 0);
        benchmark::DoNotOptimize(v.canvas.Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaintPan)->Arg(100000)->Unit(benchmark::kMillisecond);

// Zoomed in four times on the middle: most of the drawing lies outside the view.
void BM_PaintRedrawZoomed(benchmark::State& state) {
    PaintedView v(static_cast<int>(state.range(0)));
    v.view.ZoomByFactor(4);
    for (auto _ : state) {
        v.view.Redraw();
        benchmark::DoNotOptimize(v.canvas.Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaintRedrawZoomed)->Arg(100000)->Unit(benchmark::kMillisecond);

// Zoomed out sixteen times: the drawing fills a small square and most elements are under a
// pixel.
void BM_PaintRedrawZoomedOut(benchmark::State& state) {
    PaintedView v(static_cast<int>(state.range(0)));
    v.view.ZoomByFactor(1.0 / 16);
    for (auto _ : state) {
        v.view.Redraw();
        benchmark::DoNotOptimize(v.canvas.Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PaintRedrawZoomedOut)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
