// Helpers of the spiral flight tests: the drawn elements by layer and the arc lengths.
#pragma once

#include "caddraw/cad_draw.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace brevant::testing {

// The undeleted elements of one type on one layer (any layer when layer is 0).
inline std::vector<TElement> ElementsOf(const TCadDraw& view, int type, int layer = 0) {
    std::vector<TElement> out;
    const TElements& list = view.Elements();
    for (int i = 0; i < list.Count(); ++i) {
        const TElement& el = list[i];
        if (!el.Deleted && el.Etype == type && (layer == 0 || el.Layer == layer)) out.push_back(el);
    }
    return out;
}

// Counter-clockwise sweep of an arc element in degrees; equal angles are a full turn.
inline double Sweep(const TElement& arc) {
    double sweep = std::fmod(arc.Coord(6) - arc.Coord(5) + 720.0, 360.0);
    return sweep == 0 ? 360 : sweep;
}

inline double ArcLength(const TElement& arc) {
    return arc.Coord(4) * Sweep(arc) * std::numbers::pi / 180;
}

// The outline's outer and inner arc (layer 1), larger radius first.
struct RingArcs {
    TElement outer, inner;
};
inline RingArcs OutlineArcs(const TCadDraw& view) {
    const auto arcs = ElementsOf(view, kElementArc, 1);
    if (arcs.size() != 2) return {};
    return arcs[0].Coord(4) > arcs[1].Coord(4) ? RingArcs{arcs[0], arcs[1]}
                                               : RingArcs{arcs[1], arcs[0]};
}

} // namespace brevant::testing
