// Painting the drawing: redraw modes, one element by type, the axis cross and immediate drawing.
#include "caddraw/cad_draw.h"
#include "caddraw/element_painter.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

using painter_detail::Win;

constexpr TColor kAxisColor = kColorRed;

} // namespace

bool TCadDraw::Selects(const TElement& e, int mode) const {
    if (e.Deleted) return false;
    switch (mode) {
    case kRedrawAll:
        return true;
    case kRedrawGroup:
        return e.Highlight == kHighlightGroup;
    case kRedrawCopies:
        return e.Highlight == kHighlightCopy;
    default:
        if (mode >= 10) return e.Layer == mode - 9; // a single layer (10 to 100 in use)
        return e.Layer < kLayerCount && LayerVisible(e.Layer);
    }
}

void TCadDraw::PaintElements(int mode) {
    TElementPainter painter(*this, true);
    if (!painter.Ready()) return;
    if (paintAhead_ && mode != kRedrawPreview && painter.Batched() &&
        Elements().Count() >= painter_detail::kPaintAheadElements &&
        PaintElementsAhead(painter, mode))
        return;
    int painted = 0;
    for (const TElement& e : Elements()) {
        if (!Selects(e, mode)) continue;
        if (mode == kRedrawPreview && ++painted > kPreviewElements) break;
        painter.Element(e, false);
    }
}

void TCadDraw::PaintAxes() {
    TElementPainter painter(*this, true);
    if (!painter.Ready()) return;
    const int w = Win(CadSettings());
    const double l = std::max(std::fabs(CadSettings().screen_center_x[w]),
                              std::fabs(CadSettings().screen_center_y[w])) +
                     CadSettings().view_height[w];
    painter.Line({-l, 0, 0}, {l, 0, 0}, kAxisColor, 0);
    painter.Line({0, -l, 0}, {0, l, 0}, kAxisColor, 0);
    painter.Line({0, 0, -l}, {0, 0, l}, kAxisColor, 0);
}

void TCadDraw::Redraw() {
    ComputeCoefficients(); // also used by the mouse handling of an empty drawing
    Repaint(CadSettings().redraw_mode, CadSettings().draw_axis_flag);
    CadSettings().redraw_mode = kRedrawNormal;
    Invalidate();
}

void TCadDraw::DrawLayer(int LayerNumber) {
    const int window = CadSettings().current_plot_window;
    CadSettings().current_plot_window = 1;
    PaintElements(LayerNumber + 9);
    CadSettings().current_plot_window = window;
    Invalidate();
}

void TCadDraw::DrawElement(int Index) {
    if (!Elements().ValidIndex(Index) || Elements()[Index].Deleted) return;
    TElementPainter painter(*this);
    if (!painter.Ready()) return;
    painter.Element(Elements()[Index], true);
    Invalidate();
}

} // namespace brevant
