// Mouse handling of the CAD view: pan and rotate drags, wheel zoom about the mouse, box zoom,
// and picking the element nearest to a click.
#include "caddraw/interaction.h"
#include "caddraw/cad_draw.h"
#include "caddraw/draw_geometry.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

constexpr TShiftState kButtons = kShiftLeft | kShiftRight | kShiftMiddle;
constexpr int kPickArmed = 10;

int Win(const TSettings& s) {
    return std::clamp(s.current_plot_window, 1, 4);
}

} // namespace

bool FilterAccepts(TDFilter filter, int Etype) {
    switch (filter) {
    case TDFilter::fPoints:
        return Etype == kElementPoint;
    case TDFilter::fLines:
        return Etype == kElementLine;
    case TDFilter::fArcs:
        return Etype == kElementArc;
    case TDFilter::fPointLine:
        return Etype == kElementPoint || Etype == kElementLine;
    case TDFilter::fPointArc:
        return Etype == kElementPoint || Etype == kElementArc;
    case TDFilter::fLineArc:
        return Etype == kElementLine || Etype == kElementArc;
    default:
        return true;
    }
}

bool AngleOnArc(double angle, double startAngle, double endAngle) {
    double s = startAngle, e = endAngle;
    if (s < 0 || e < 0) s = drawgeo::FixAngle(s), e = drawgeo::FixAngle(e);
    if (std::fabs(s - e) < 0.00001) return true;
    if (e < s) e += 360;
    if (angle < s && e > 360) angle += 360;
    return angle >= s && angle <= e;
}

void TCadDraw::PaintZoomBox(ICanvas& canvas) const {
    if (!zoomBox_.visible) return;
    constexpr TColor kZoomBoxColor = kColorRed;
    const double left = std::min(zoomBox_.left, zoomBox_.left + zoomBox_.width);
    const double top = std::min(zoomBox_.top, zoomBox_.top + zoomBox_.height);
    canvas.SetStrokeColor(kZoomBoxColor);
    canvas.SetStrokeWidth(1);
    canvas.SetDash(TDashStyle::DashDot);
    canvas.DrawRectangle(left, top, std::fabs(zoomBox_.width), std::fabs(zoomBox_.height), false);
}

void TCadDraw::Pick(bool active) {
    CadSettings().pick_flag = active;
    CadSettings().type_of_pick = kPickArmed;
}

void TCadDraw::PickZoomWindow() {
    zoomWindowArmed_ = true;
}

void TCadDraw::MouseDown(TShiftState /*shift*/, double X, double Y) {
    CadSettings().pan_flag = false;
    if (zoomWindowArmed_) {
        zoomBox_ = {true, X, Y, 1, 1};
        Invalidate();
    }
    CadSettings().Mouse_x = static_cast<float>(X);
    CadSettings().Mouse_y = static_cast<float>(Y);
    CadSettings().begin_point = {X, Y};
}

void TCadDraw::PanBy(double dxPixels, double dyPixels) {
    TSettings& s = CadSettings();
    const int w = Win(s);
    s.screen_center_x[w] += dxPixels / s.xscale[w];
    s.screen_center_y[w] += dyPixels / s.yscale[w];
    PanPlacement();
    s.pan_flag = true;
    Repaint(kRedrawPreview, false);
    Invalidate();
}

bool TCadDraw::RotateDrag(double X, double Y) {
    TSettings& s = CadSettings();
    s.dynamic_rotate_flag = true;
    s.view_x = drawgeo::FixAngle(s.view_x - (s.Mouse_y - Y) / 8);
    s.view_y = drawgeo::FixAngle(s.view_y - (s.Mouse_x - X) / 8);
    const int w = Win(s);
    if (w == 4) {
        s.old_view_x = s.view_x;
        s.old_view_y = s.view_y;
        s.old_view_z = s.view_z;
    }
    if (w != 1) {
        ComputeCoefficients();
        if (ICanvas* target = Target()) target->Clear(BackgroundColor());
        PaintElements(kRedrawPreview);
        Invalidate();
    }
    if (OnChangeView) OnChangeView(*this, View());
    return true;
}

void TCadDraw::MouseMove(TShiftState shift, double X, double Y) {
    TSettings& s = CadSettings();
    if (zoomWindowArmed_ && (shift & kButtons) == kShiftLeft) {
        s.Mouse_x = static_cast<float>(X);
        s.Mouse_y = static_cast<float>(Y);
        zoomBox_.width = X - zoomBox_.left;
        zoomBox_.height = Y - zoomBox_.top;
        Invalidate();
        return;
    }
    if (shift == (kShiftLeft | kShiftCtrl) || shift == kShiftMiddle) {
        PanBy(s.Mouse_x - std::trunc(X), s.Mouse_y - std::trunc(Y));
    } else if (shift == (kShiftLeft | kShiftAlt)) {
        RotateDrag(X, Y);
    } else {
        s.pan_flag = false;
    }
    s.Mouse_x = static_cast<float>(X);
    s.Mouse_y = static_cast<float>(Y);
}

void TCadDraw::MouseUp(TShiftState /*shift*/, double X, double Y) {
    TSettings& s = CadSettings();
    s.end_point = {X, Y};
    if (zoomWindowArmed_) {
        zoomWindowArmed_ = false;
        zoomBox_.visible = false;
        const TZoomBox b = zoomBox_;
        ZoomWindow(std::trunc(b.left), std::trunc(b.top), std::trunc(b.left + b.width),
                   std::trunc(b.top + b.height));
        return;
    }
    if (s.pick_flag) {
        s.pick_flag = false;
        TPickResult r;
        if (PickAt(static_cast<int>(std::trunc(X)), static_cast<int>(std::trunc(Y)), PickFilter(),
                   r) &&
            OnPick)
            OnPick(*this, r.ElementNumber, r.NearEnd, r.FarEnd, r.Mid, r.Closest);
    } else if (s.pan_flag || s.dynamic_rotate_flag) {
        s.pan_flag = false;
        s.dynamic_rotate_flag = false;
        Redraw();
    }
    if (wheelFlag_) {
        wheelFlag_ = false;
        Redraw();
    }
}

void TCadDraw::WheelZoom(int WheelDelta) {
    TSettings& s = CadSettings();
    const int w = Win(s);
    const double k = WheelDelta < 0 ? 1.1 : 0.9;
    // The point under the mouse in the window's own plane coordinates, so that it stays put in
    // every window.
    const double u = (std::trunc(s.Mouse_x) - s.x_plot_origin[w]) / s.xscale[w];
    const double v = (std::trunc(s.Mouse_y) - s.y_plot_origin[w]) / s.yscale[w];
    s.screen_center_x[w] = u + k * (s.screen_center_x[w] - u);
    s.screen_center_y[w] = v + k * (s.screen_center_y[w] - v);
    s.view_height[w] = static_cast<float>(s.view_height[w] * k);
    ZoomStep(kZoomApply);
}

void TCadDraw::MouseWheel(TShiftState /*shift*/, int WheelDelta, bool handled) {
    if (handled) return;
    WheelZoom(WheelDelta);
    if (Elements().Count() <= kLargeDrawing) {
        Redraw();
        return;
    }
    wheelFlag_ = true;
    if (ICanvas* target = Target()) target->Clear(BackgroundColor());
    PaintElements(kRedrawPreview);
    Invalidate();
}

} // namespace brevant
