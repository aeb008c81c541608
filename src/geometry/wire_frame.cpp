// The ring wire frame of cones and squares to round.
#include "geometry/wire_frame.h"

#include <algorithm>

namespace brevant {

void AddRingWireFrame(WireFrame& out, const TPathArray& top, const TPathArray& bottom,
                      const TDPoint& topCentre) {
    const size_t n = std::min(top.size(), bottom.size());
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) {
            out.Line(Standing(top[i - 1]), Standing(top[i]), kColorLime);
            out.Line(Standing(bottom[i - 1]), Standing(bottom[i]), kColorLime);
        }
        out.Line(Standing(top[i]), Standing(bottom[i]), kColorLime);
    }
    if (n > 0) {
        out.Line(Standing(top[n - 1]), Standing(top[0]), kColorLime);
        out.Line(Standing(bottom[n - 1]), Standing(bottom[0]), kColorLime);
    }
    out.Point({0, 0, 0}, kColorLime);
    out.Point(topCentre, kColorLime);
}

} // namespace brevant
