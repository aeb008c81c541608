// Liang-Barsky clipping of a segment to an axis-aligned box.
#pragma once

#include <algorithm>
#include <cmath>

namespace brevant {

// Clips the segment (x1, y1)-(x2, y2) to the box [minX, maxX] x [minY, maxY]; false when nothing
// is left or a coordinate is not finite. An end inside the box keeps its value exactly.
inline bool ClipSegmentToBox(double& x1, double& y1, double& x2, double& y2, double minX,
                             double maxX, double minY, double maxY) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    if (t0 > 0 || t1 < 1) {
        const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
        if (t1 < 1) x2 = x1 + t1 * dx, y2 = y1 + t1 * dy;
        x1 = ax, y1 = ay;
    }
    return true;
}

} // namespace brevant
