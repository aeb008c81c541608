// Benchmarks of the CAD view: full redraws onto a software raster, extents and duplicate removal.
#include "bench_drawings.h"
#include "caddraw/cad_draw.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace {

using namespace brevant;
using brevant::bench::FillDrawing;

// A minimal raster canvas: clipped Bresenham lines and arcs as short chords, 1 pixel wide.
class RasterCanvas : public ICanvas {
public:
    RasterCanvas(int w, int h) { Resize(w, h); }
    void Resize(int w, int h) override {
        w_ = std::max(w, 1), h_ = std::max(h, 1);
        pixels_.assign(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), 0);
    }
    void Clear(TColor color) override {
        if (tape) tape->background = color;
        std::fill(pixels_.begin(), pixels_.end(), color);
    }
    void SetStrokeColor(TColor color) override { color_ = color; }
    void SetStrokeWidth(double) override {}
    void SetDash(TDashStyle) override {}
    void SetFillColor(TColor) override {}
    void DrawLine(double x1, double y1, double x2, double y2) override {
        if (Clip(x1, y1, x2, y2)) Bresenham(int(x1), int(y1), int(x2), int(y2));
    }
    void DrawPolyline(const std::vector<TPixelPoint>& p) override {
        for (std::size_t i = 1; i < p.size(); ++i)
            DrawLine(p[i - 1].x, p[i - 1].y, p[i].x, p[i].y);
    }
    void DrawArc(double cx, double cy, double r, double start, double sweep) override {
        const int n = std::clamp(static_cast<int>(std::fabs(r) * sweep / 57.3 / 4), 4, 720);
        double px = cx + r * std::cos(start / 57.2957795),
               py = cy + r * std::sin(start / 57.2957795);
        for (int i = 1; i <= n; ++i) {
            const double a = (start + sweep * i / n) / 57.2957795;
            const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
            DrawLine(px, py, x, y);
            px = x, py = y;
        }
    }
    // A batch's lines and polylines whose box lies inside the bitmap go straight to Bresenham:
    // clipping would leave them as they are, so the pixels are those of the calls one by one.
    void DrawStrokes(const TStrokeBatch& batch) override {
        if (tape) tape->runs.push_back({color_, batch});
        if (!batched) {
            ICanvas::DrawStrokes(batch);
            return;
        }
        for (const TStrokeBatch::TStroke& s : batch.Strokes()) {
            if (s.kind == TStrokeBatch::TKind::Arc) {
                const TStrokeBatch::TArc& a = batch.ArcOf(s);
                DrawArc(a.cx, a.cy, a.radius, a.startAngle, a.sweep);
                continue;
            }
            const TPixelPoint* p = batch.PointsOf(s);
            const bool inside = Inside(p, s.count);
            for (std::uint32_t i = 1; i < s.count; ++i) {
                if (inside)
                    Bresenham(int(p[i - 1].x), int(p[i - 1].y), int(p[i].x), int(p[i].y));
                else
                    DrawLine(p[i - 1].x, p[i - 1].y, p[i].x, p[i].y);
            }
        }
    }
    void DrawEllipse(double, double, double, double, bool) override {}
    void DrawRectangle(double, double, double, double, bool) override {}
    void DrawPolygon(const std::vector<TPixelPoint>&, bool) override {}
    TTextSize MeasureText(const std::string& t) override { return {7.0 * double(t.size()), 12}; }
    void FillText(double, double, double, double, const std::string&, TColor) override {}

    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    bool batched = true; // false: batches painted call by call

    // The batches of a redraw, kept to be painted again without the view.
    struct TTape {
        TColor background = 0;
        std::vector<std::pair<TColor, TStrokeBatch>> runs;
    };
    TTape* tape = nullptr; // set: batches are also kept there
    void Replay(const TTape& t) {
        Clear(t.background);
        for (const auto& [color, batch] : t.runs) {
            SetStrokeColor(color);
            DrawStrokes(batch);
        }
    }

private:
    bool Inside(const TPixelPoint* p, std::uint32_t n) const {
        for (std::uint32_t i = 0; i < n; ++i)
            if (!(p[i].x >= 0 && p[i].x <= w_ - 1 && p[i].y >= 0 && p[i].y <= h_ - 1)) return false;
        return true;
    }
    // Cohen-Sutherland clipping to the bitmap; false when the segment misses it.
    bool Clip(double& x1, double& y1, double& x2, double& y2) const {
        const double xmax = w_ - 1, ymax = h_ - 1;
        auto code = [&](double x, double y) {
            return (x < 0 ? 1 : 0) | (x > xmax ? 2 : 0) | (y < 0 ? 4 : 0) | (y > ymax ? 8 : 0);
        };
        int c1 = code(x1, y1), c2 = code(x2, y2);
        for (int guard = 0; guard < 8; ++guard) {
            if (!(c1 | c2)) return true;
            if (c1 & c2) return false;
            const int c = c1 ? c1 : c2;
            double x = 0, y = 0;
            if (c & 8)
                x = x1 + (x2 - x1) * (ymax - y1) / (y2 - y1), y = ymax;
            else if (c & 4)
                x = x1 + (x2 - x1) * (0 - y1) / (y2 - y1), y = 0;
            else if (c & 2)
                y = y1 + (y2 - y1) * (xmax - x1) / (x2 - x1), x = xmax;
            else
                y = y1 + (y2 - y1) * (0 - x1) / (x2 - x1), x = 0;
            if (c == c1)
                x1 = x, y1 = y, c1 = code(x1, y1);
            else
                x2 = x, y2 = y, c2 = code(x2, y2);
        }
        return false;
    }
    void Bresenham(int x0, int y0, int x1, int y1) {
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            pixels_[static_cast<std::size_t>(y0) * static_cast<std::size_t>(w_) +
                    static_cast<std::size_t>(x0)] = color_;
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }
    int w_ = 1, h_ = 1;
    TColor color_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// The batched path of the raster gives the same pixels as its calls one by one.
bool BatchesPaintAsCalls(TDView window) {
    RasterCanvas one(1024, 768), batched(1024, 768);
    one.batched = false;
    for (RasterCanvas* canvas : {&one, &batched}) {
        TCadDraw view;
        view.SetCanvas(canvas);
        FillDrawing(view, 20000);
        view.Resize(1024, 768);
        view.SetView(window);
        view.ZoomAll();
        view.ZoomByFactor(3); // some strokes cross the edges
    }
    return one.Pixels() == batched.Pixels();
}

void BM_Redraw(benchmark::State& state) {
    if (!BatchesPaintAsCalls(TDView::vTOP)) {
        state.SkipWithError("the raster's batches paint other pixels than its calls");
        return;
    }
    RasterCanvas canvas(1024, 768);
    TCadDraw view;
    view.SetCanvas(&canvas);
    FillDrawing(view, static_cast<int>(state.range(0)));
    view.Resize(1024, 768); // fits the drawing
    for (auto _ : state)
        view.Redraw();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Redraw)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The raster alone: the batches of one BM_Redraw painted again, without the view. What a redraw
// costs beyond this is the view's own work on the painting thread; on a noisy machine the ratio
// of the two is the steadier figure.
void BM_RasterOnly(benchmark::State& state) {
    RasterCanvas canvas(1024, 768);
    RasterCanvas::TTape tape;
    TCadDraw view;
    view.SetCanvas(&canvas);
    FillDrawing(view, static_cast<int>(state.range(0)));
    view.Resize(1024, 768);
    canvas.tape = &tape;
    view.Redraw();
    canvas.tape = nullptr;
    const std::vector<std::uint32_t> redrawn = canvas.Pixels();
    canvas.Replay(tape);
    if (canvas.Pixels() != redrawn) {
        state.SkipWithError("the kept batches paint other pixels than the redraw");
        return;
    }
    for (auto _ : state)
        canvas.Replay(tape);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RasterOnly)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same drawing with every arc as a polyline (the front view).
void BM_RedrawFrontView(benchmark::State& state) {
    if (!BatchesPaintAsCalls(TDView::vFRONT)) {
        state.SkipWithError("the raster's batches paint other pixels than its calls");
        return;
    }
    RasterCanvas canvas(1024, 768);
    TCadDraw view;
    view.SetCanvas(&canvas);
    FillDrawing(view, static_cast<int>(state.range(0)));
    view.Resize(1024, 768);
    view.SetView(TDView::vFRONT);
    view.ZoomAll();
    for (auto _ : state)
        view.Redraw();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RedrawFrontView)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SetExtents(benchmark::State& state) {
    TCadDraw view;
    FillDrawing(view, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        view.SetExtents();
        benchmark::DoNotOptimize(view.CadSettings().max_x);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SetExtents)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// A drawing where about one element in five repeats an earlier one (some reversed).
void FillWithRepeats(TCadDraw& source, int n) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> pos(0, 1000);
    std::uniform_int_distribution<int> pick(0, 4);
    for (int i = 0; i < n; ++i) {
        const int count = source.Elements().Count();
        if (count > 0 && pick(rng) == 0) {
            const TElement e = source.Elements()[static_cast<int>(rng() % unsigned(count))];
            const bool reverse = e.Etype == 2 && pick(rng) < 2;
            const TCoords& c = e.Coords;
            source.AddElement(e.Etype, 0, reverse ? TCoords{c[3], c[4], c[5], c[0], c[1], c[2]} : c,
                              0, 0, e.Layer, 0, {}, 1);
        } else if (i % 3 == 0) {
            source.MakePoint(pos(rng), pos(rng), 0);
        } else if (i % 3 == 1) {
            source.MakeLine(pos(rng), pos(rng), 0, pos(rng), pos(rng), 0);
        } else {
            source.MakeArc(1, pos(rng), pos(rng), 0, 5, 0, 90);
        }
    }
}

void BM_DeleteDuplicates(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TCadDraw source;
    FillWithRepeats(source, n);
    TElements work;
    for (auto _ : state) {
        state.PauseTiming();
        work.Assign(source.Elements());
        state.ResumeTiming();
        benchmark::DoNotOptimize(work.DeleteDuplicates(false));
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DeleteDuplicates)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The pairwise scan the bucketed pass replaces, for comparison at small sizes.
bool Near(double a, double b) {
    return std::fabs(a - b) <= 0.0005;
}

bool PairwiseDuplicates(const TElement& a, const TElement& b) {
    if (a.Etype != b.Etype || a.Layer != b.Layer) return false;
    auto same = [&](int ia, int ib, int k) {
        for (int i = 0; i < k; ++i)
            if (!Near(a.Coords[std::size_t(ia + i)], b.Coords[std::size_t(ib + i)])) return false;
        return true;
    };
    if (a.Etype == 1) return same(0, 0, 3);
    if (a.Etype == 2) return same(0, 0, 6) || (same(0, 3, 3) && same(3, 0, 3));
    return a.Etype == 3 && same(0, 0, 6);
}

void BM_DeleteDuplicatesPairwise(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TCadDraw source;
    FillWithRepeats(source, n);
    std::vector<TElement> work;
    for (auto _ : state) {
        state.PauseTiming();
        work.assign(source.Elements().begin(), source.Elements().end());
        state.ResumeTiming();
        for (std::size_t i = 0; i < work.size(); ++i)
            for (std::size_t j = i + 1; j < work.size();) {
                if (PairwiseDuplicates(work[i], work[j]))
                    work.erase(work.begin() + std::ptrdiff_t(j));
                else
                    ++j;
            }
        benchmark::DoNotOptimize(work.size());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DeleteDuplicatesPairwise)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace
