// Writing the full-scale pattern PDF of the largest pattern that still fits in 59 pages: a
// strip 59 Letter tiles wide whose edges are fine short lines, as the print drawings make them.
#include "documents/pattern_pdf.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace brevant;

namespace {

constexpr float kTileWidth = 7.9f;
constexpr float kTileHeight = 10.4f;
constexpr float kStripWidth = 58.5f * kTileWidth; // 59 columns
constexpr float kStripHeight = 10;                // one row

// The strip's top and bottom as wavy curves of 0.05 inch lines, and its two ends.
std::vector<PdfLine> StripLines() {
    std::vector<PdfLine> lines;
    const int n = static_cast<int>(kStripWidth / 0.05f);
    for (float base : {0.5f, kStripHeight - 0.5f}) {
        for (int i = 0; i < n; ++i) {
            const float x1 = float(i) * 0.05f, x2 = float(i + 1) * 0.05f;
            lines.push_back({x1, base + 0.3f * std::sin(x1), x2, base + 0.3f * std::sin(x2)});
        }
    }
    lines.push_back({0, 0.5f, 0, kStripHeight - 0.5f});
    lines.push_back({kStripWidth, 0.5f, kStripWidth, kStripHeight - 0.5f});
    return lines;
}

void TileTheStrip(benchmark::State& state) {
    const std::vector<PdfLine> lines = StripLines();
    for (auto _ : state) {
        PdfTiles tiles =
            TilePattern({0, 0, kStripWidth, kStripHeight}, kTileWidth, kTileHeight, lines);
        benchmark::DoNotOptimize(tiles);
    }
    state.counters["lines"] = double(lines.size());
}

void WriteTheStripPdf(benchmark::State& state) {
    const std::vector<PdfLine> lines = StripLines();
    const PdfTiles tiles =
        TilePattern({0, 0, kStripWidth, kStripHeight}, kTileWidth, kTileHeight, lines);
    PatternPdfJob job;
    job.ScaleNote = "Border 7.9 x 10.4 in: measure it to check the print scale";
    job.CreationDate = "20240101000000";
    std::size_t bytes = 0;
    for (auto _ : state) {
        TPrintPDF pdf;
        BuildPatternPdf(pdf, tiles, lines, job);
        bytes = pdf.Document().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pages"] = double(tiles.Used());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

} // namespace

BENCHMARK(TileTheStrip)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTheStripPdf)->Unit(benchmark::kMillisecond);
