// The flat pattern drawn as CAD elements.
#include "caddraw/flat_pattern_render.h"

#include <type_traits>

namespace brevant {

namespace {

void AddStroke(TCadDrawing& d, const FlatStroke& s) {
    d.CadSettings().current_layer = s.Pen.Layer;
    d.SetDrawColor(s.Pen.Color);
    std::visit(
        [&](const auto& shape) {
            using T = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<T, FlatLine>) {
                d.MakeLine(shape.From.x, shape.From.y, shape.From.z, shape.To.x, shape.To.y,
                           shape.To.z);
            } else if constexpr (std::is_same_v<T, FlatArc>) {
                d.MakeArc(1, shape.Centre.x, shape.Centre.y, shape.Centre.z, shape.Radius,
                          shape.StartAngle, shape.EndAngle);
            } else {
                d.MakeRectangle(shape.Centre.x, shape.Centre.y, shape.Width, shape.Height,
                                shape.FillColor, s.Pen.Color);
            }
        },
        s.Shape);
}

} // namespace

void RenderFlatPattern(TCadDrawing& drawing, const FlatPattern& pattern) {
    for (const FlatStroke& s : pattern.Strokes)
        AddStroke(drawing, s);
}

void ShowFlatPattern(TCadDraw& view, const FlatPattern& pattern) {
    view.DeleteAllElements();
    RenderFlatPattern(view, pattern);
    TSettings& s = view.CadSettings();
    if (pattern.View.ViewHeight) {
        s.view_height[1] = static_cast<float>(*pattern.View.ViewHeight);
        view.SetScale(kZoomApply);
    }
    if (pattern.View.FixedView) {
        s.dynamic_rotate_flag = false;
        s.mouse_pan = false;
    }
    view.SetExtents();
    view.ZoomAll();
}

} // namespace brevant
