// Writing and reading CDL, DXF and IGES files of growing drawings, in memory.
#include "caddraw/cad_draw.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

namespace {

using brevant::TCadDraw;

// A drawing of n elements: lines, arcs and points in turn, on a few layers and colours.
std::unique_ptr<TCadDraw> MakeDrawing(int n) {
    auto view = std::make_unique<TCadDraw>();
    view->Elements().Reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double x = i % 1000 * 0.37;
        const double y = i / 1000 * 0.53;
        const int layer = 1 + i % 4;
        const brevant::TColor color = i % 2 ? 0xFFFF0000 : 0xFFFFFFFF;
        if (i % 3 == 0) {
            view->AddElement(brevant::kElementLine, color, {x, y, 0, x + 1.25, y + 0.5, 0}, 0, 1,
                             layer, 0, {}, 1);
        } else if (i % 3 == 1) {
            view->AddElement(brevant::kElementArc, color, {x, y, 0, 2.5, 15, 195}, 0, 1, layer, 0,
                             {}, 1);
        } else {
            view->AddElement(brevant::kElementPoint, color, {x, y, 0, 0, 0, 0}, 0, 0, layer, 0, {},
                             1);
        }
    }
    return view;
}

std::string Written(const TCadDraw& view, int format) {
    std::ostringstream out;
    if (format == 1) brevant::WriteCdl(out, view.Elements(), view.CadSettings());
    if (format == 2) brevant::WriteDxf(out, view.Elements(), view.CadSettings());
    if (format == 3) brevant::WriteIges(out, view.Elements(), view.CadSettings(), "bench.igs");
    return out.str();
}

void Write(benchmark::State& state, int format) {
    const auto view = MakeDrawing(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = Written(*view, format);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void Read(benchmark::State& state, int format) {
    const std::string text = Written(*MakeDrawing(static_cast<int>(state.range(0))), format);
    for (auto _ : state) {
        std::istringstream in(text);
        TCadDraw view;
        if (format == 1) brevant::ReadCdl(in, view);
        if (format == 2) brevant::ReadDxf(in, view);
        if (format == 3) brevant::ReadIges(in, view);
        if (view.Elements().Count() != state.range(0)) state.SkipWithError("elements lost");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_WriteCdl(benchmark::State& state) {
    Write(state, 1);
}
void BM_WriteDxf(benchmark::State& state) {
    Write(state, 2);
}
void BM_WriteIges(benchmark::State& state) {
    Write(state, 3);
}
void BM_ReadCdl(benchmark::State& state) {
    Read(state, 1);
}
void BM_ReadDxf(benchmark::State& state) {
    Read(state, 2);
}
void BM_ReadIges(benchmark::State& state) {
    Read(state, 3);
}

// Ten times more elements per step, to show how the cost grows.
void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_WriteCdl)->Apply(Sizes);
BENCHMARK(BM_WriteDxf)->Apply(Sizes);
BENCHMARK(BM_WriteIges)->Apply(Sizes);
BENCHMARK(BM_ReadCdl)->Apply(Sizes);
BENCHMARK(BM_ReadDxf)->Apply(Sizes);
BENCHMARK(BM_ReadIges)->Apply(Sizes);

} // namespace
