// Colours of the pattern drawings and small helpers that set the pen and add flat lines.
#pragma once

#include "caddraw/cad_draw.h"

namespace brevant {

inline constexpr TColor kPenWhite = 0xFFFFFFFF;
inline constexpr TColor kPenRed = 0xFFFF0000;
inline constexpr TColor kPenCyan = 0xFF00FFFF;
inline constexpr TColor kPenGreen = 0xFF00FF00;
inline constexpr TColor kPenYellow = 0xFFFFFF00;
inline constexpr TColor kPenLightGreen = 0xFF90EE90;
inline constexpr TColor kPenGrey = 0xFF808080;
inline constexpr TColor kPenBlue = 0xFF0000FF;

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
inline void FlatLine(TCadDraw& view, double x1, double y1, double x2, double y2) {
    view.MakeLine(x1, y1, 0, x2, y2, 0);
}
inline void FlatArc(TCadDraw& view, double x, double y, double radius, double start, double end) {
    view.MakeArc(1, x, y, 0, radius, start, end);
}

} // namespace brevant
