// Repainting the bitmap: in full, or, when only the view's offset moved since it was painted
// (a pan), by scrolling its pixels and painting the strips the scroll uncovers.
#include "caddraw/cad_draw.h"
#include "caddraw/element_painter.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace brevant {

namespace {

using painter_detail::Win;

// The settings a picture depends on: without the offsets (a pan moves those), the centres and
// the zoom history (what the offsets follow from) and the mouse state (never painted).
TSettings PictureSettings(const TSettings& s) {
    TSettings p = s;
    p.x_plot_origin = {}, p.y_plot_origin = {};
    p.screen_center_x = {}, p.screen_center_y = {};
    p.last_screen_center_x = {}, p.last_screen_center_y = {}, p.last_view_height = {};
    p.Mouse_x = p.Mouse_y = 0;
    p.pan_flag = p.dynamic_rotate_flag = p.pick_flag = false;
    p.begin_point = p.end_point = {};
    p.type_of_pick = 0;
    p.redraw_mode = 0;
    return p;
}

bool WholeNumber(double v) {
    return std::isfinite(v) && v == std::nearbyint(v);
}

} // namespace

TCadDraw::TPicture TCadDraw::PictureNow(int mode, bool axes) const {
    TPicture p;
    p.settings = PictureSettings(CadSettings());
    p.elements = Elements().Generation();
    p.canvas = canvas_;
    p.canvasGeneration = canvas_ ? canvas_->Generation() : 0;
    p.density = canvas_ ? canvas_->PixelDensity() : 1;
    p.width = width_, p.height = height_, p.screenScale = ScreenScale;
    p.background = BackgroundColor();
    p.mode = mode;
    p.axes = axes;
    const int w = Win(CadSettings());
    p.xOrigin = CadSettings().x_plot_origin[w];
    p.yOrigin = CadSettings().y_plot_origin[w];
    return p;
}

bool TCadDraw::ScrollShift(int mode, bool axes, int& dx, int& dy) const {
    const TPicture& was = picture_;
    // The axes run out to a length that follows the centre: a picture with them is repainted.
    if (!was.valid || was.axes || axes) return false;
    const TPicture now = PictureNow(mode, axes);
    const bool same = now.settings == was.settings && now.elements == was.elements &&
                      now.canvas == was.canvas && now.canvasGeneration == was.canvasGeneration &&
                      now.density == was.density && now.width == was.width &&
                      now.height == was.height && now.screenScale == was.screenScale &&
                      now.background == was.background && now.mode == was.mode;
    if (!same) return false;
    const double fx = now.xOrigin - was.xOrigin, fy = now.yOrigin - was.yOrigin;
    if (!WholeNumber(fx) || !WholeNumber(fy)) return false;
    // Nothing moved: repainted in full all the same, as a redraw asked for without a change is
    // meant to refresh the picture. Moved by the whole bitmap or more: nothing left to keep.
    if (fx == 0 && fy == 0) return false;
    if (std::fabs(fx) >= static_cast<int>(width_) || std::fabs(fy) >= static_cast<int>(height_))
        return false;
    dx = static_cast<int>(fx), dy = static_cast<int>(fy);
    return !(was.ties && (dx % 2 != 0 || dy % 2 != 0));
}

void TCadDraw::RepaintFull(ICanvas& target, int mode, bool axes) {
    target.Clear(BackgroundColor());
    if (std::as_const(*this).Elements().Empty()) return;
    PaintElements(mode);
    if (axes) PaintAxes();
}

void TCadDraw::PaintStrip(ICanvas& target, const TPaintBox& box, int mode) {
    if (box.width <= 0 || box.height <= 0) return;
    target.SetClipBox(box.left, box.top, box.width, box.height);
    target.Clear(BackgroundColor());
    paintBox_ = box;
    if (!std::as_const(*this).Elements().Empty()) PaintElements(mode);
    paintBox_.reset();
    target.ClearClipBox();
}

void TCadDraw::Repaint(int mode, bool axes) {
    ICanvas* target = Target();
    if (!target) {
        picture_.valid = false;
        return;
    }
    axes = axes && !std::as_const(*this).Elements().Empty();
    const bool screen = target == canvas_ && !CadSettings().print_on;
    int dx = 0, dy = 0;
    const bool scrolled = screen && ScrollShift(mode, axes, dx, dy) && target->ScrollPixels(dx, dy);
    const bool tiesKept = scrolled && picture_.ties;
    paintedTie_ = false;
    if (scrolled) {
        const int w = static_cast<int>(width_), h = static_cast<int>(height_);
        // The columns uncovered, then the rows uncovered beside them.
        const TPaintBox columns{dx > 0 ? 0 : w + dx, 0, std::abs(dx), h};
        const int left = dx > 0 ? dx : 0, width = w - std::abs(dx);
        const TPaintBox rows{left, dy > 0 ? 0 : h + dy, width, std::abs(dy)};
        PaintStrip(*target, columns, mode);
        PaintStrip(*target, rows, mode);
    } else {
        RepaintFull(*target, mode, axes);
    }
    if (!screen) {
        picture_.valid = false;
        return;
    }
    picture_ = PictureNow(mode, axes);
    picture_.ties = tiesKept || paintedTie_;
    picture_.valid = true;
}

} // namespace brevant
