// Drawings the CAD view benchmarks paint: many short lines and arcs scattered over a square.
#pragma once

#include "caddraw/cad_draw.h"

#include <cmath>
#include <random>

namespace brevant::bench {

// Half lines, half arcs, scattered over a 1000 x 1000 drawing.
inline void FillDrawing(TCadDraw& view, int n, unsigned seed = 7) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> pos(0, 1000), len(-20, 20), ang(0, 360);
    view.Elements().Reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double x = pos(rng), y = pos(rng);
        if (i % 2 == 0)
            view.MakeLine(x, y, 0, x + len(rng), y + len(rng), 0);
        else
            view.MakeArc(1, x, y, 0, std::fabs(len(rng)) + 1, ang(rng), ang(rng));
    }
}

} // namespace brevant::bench
