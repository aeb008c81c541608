// The layers of the flat patterns (cone, cylinder, square to round, spiral flight, branch pipe,
// sheet layout) and small helpers that set the pen and add flat lines.
#pragma once

#include "caddraw/cad_draw.h"
#include "core/colors.h"

namespace brevant {

// Layers of a flat pattern.
inline constexpr int kLayerOutline = 1;
inline constexpr int kLayerOverlap = 2;
inline constexpr int kLayerSideCut = 3;
inline constexpr int kLayerBend = 4;
inline constexpr int kLayerDimension = 5;
inline constexpr int kLayerArrow = 7;
inline constexpr int kLayerBoundingBox = 8;

inline void SetPen(TCadDraw& view, int layer, TColor color) {
    view.CadSettings().current_layer = layer;
    view.SetDrawColor(color);
}
inline void PenLine(TCadDraw& view, double x1, double y1, double x2, double y2) {
    view.MakeLine(x1, y1, 0, x2, y2, 0);
}
inline void PenArc(TCadDraw& view, double x, double y, double radius, double start, double end) {
    view.MakeArc(1, x, y, 0, radius, start, end);
}

} // namespace brevant
