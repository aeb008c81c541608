// The view transform: world to pixel and back, rotation coefficients and every zoom operation.
#include "caddraw/cad_draw.h"
#include "caddraw/draw_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace brevant {

namespace {

int Win(const TSettings& s) {
    return std::clamp(s.current_plot_window, 1, 4);
}

// Below this pixel size at the present scale a fit is computed from the world size.
constexpr double kFitExactBelowPixels = 64;

double RoundEven(double v) {
    return std::nearbyint(v);
} // the default mode rounds ties to even

} // namespace

void TCadDraw::ComputeCoefficients() {
    TSettings& s = CadSettings();
    const double x = s.view_x / kDrawDegreesPerRadian;
    const double y = s.view_y / kDrawDegreesPerRadian;
    const double z = s.view_z / kDrawDegreesPerRadian;
    const double sx = std::sin(x), cx = std::cos(x), sy = std::sin(y), cy = std::cos(y);
    const double sz = std::sin(z), cz = std::cos(z);
    s.coff_ax = cy * cz;
    s.coff_bx = -cy * sz;
    s.coff_cx = sy;
    s.coff_ay = sx * sy * cz + cx * sz;
    s.coff_by = -sx * sy * sz + cx * cz;
    s.coff_cy = -sx * cy;
    s.coff_az = -cx * sy * cz + sx * sz;
    s.coff_bz = cx * sy * sz + sx * cz;
    s.coff_cz = cx * cy;
}

TPixelPoint TCadDraw::CoordToPixel(double x, double y, double z) const {
    const TSettings& s = CadSettings();
    const int w = Win(s);
    double u = x, v = y;
    if (w != 1) {
        u = s.coff_ax * x + s.coff_bx * y + s.coff_cx * z;
        v = s.coff_ay * x + s.coff_by * y + s.coff_cy * z;
    }
    return {RoundEven(u * s.xscale[w] + s.x_plot_origin[w]),
            RoundEven(v * s.yscale[w] + s.y_plot_origin[w])};
}

TDPoint TCadDraw::PixelToCoord(double x, double Y) const {
    const TSettings& s = CadSettings();
    const int w = Win(s);
    const double u = (std::trunc(x) - s.x_plot_origin[w]) / s.xscale[w];
    const double v = (std::trunc(Y) - s.y_plot_origin[w]) / s.yscale[w];
    switch (w) {
    case 2:
        return {u, 0, v};
    case 3:
        return {0, u, v};
    case 4: {
        // The point of the z = 0 plane whose isometric projection is (u, v).
        const TDPoint unitX = drawgeo::IsoProject(1, 0, 0), unitY = drawgeo::IsoProject(0, 1, 0);
        const double det = unitX.x * unitY.y - unitY.x * unitX.y;
        return {(u * unitY.y - v * unitY.x) / det, (unitX.x * v - unitX.y * u) / det, 0};
    }
    default:
        return {u, v, 0};
    }
}

void TCadDraw::ScaleFromHeight(double h) {
    TSettings& s = CadSettings();
    const int w = Win(s);
    s.xscale[w] = h / s.view_height[w];
    s.yscale[w] = -s.xscale[w];
}

void TCadDraw::PlaceOrigin(double halfW, double halfH, bool truncateHalves) {
    TSettings& s = CadSettings();
    const int w = Win(s);
    if (truncateHalves) halfW = std::trunc(halfW), halfH = std::trunc(halfH);
    s.x_plot_origin[w] = static_cast<float>(halfW - RoundEven(s.screen_center_x[w] * s.xscale[w]));
    s.y_plot_origin[w] = static_cast<float>(halfH - RoundEven(s.screen_center_y[w] * s.yscale[w]));
}

void TCadDraw::PanPlacement() {
    // The control's own (fractional) size, raised to 4 pixels like a zoom step does, so a view
    // that has not been sized yet cannot get a zero scale.
    const double width = std::max(width_, 4.0), height = std::max(height_, 4.0);
    ScaleFromHeight(height);
    PlaceOrigin(width / 2, height / 2, false);
}

void TCadDraw::FitStep() {
    TSettings& s = CadSettings();
    const int w = Win(s);
    s.last_view_height[w] = s.view_height[w];
    s.last_screen_center_x[w] = s.screen_center_x[w];
    s.last_screen_center_y[w] = s.screen_center_y[w];
    auto px = [&](double x) { return RoundEven(x * s.xscale[w] + s.x_plot_origin[w]); };
    auto py = [&](double y) { return RoundEven(y * s.yscale[w] + s.y_plot_origin[w]); };
    const double pxmin = px(s.min_x), pxmax = px(s.max_x);
    const double pymin = py(s.min_y), pymax = py(s.max_y);
    const double worldW = s.max_x - s.min_x, worldH = s.max_y - s.min_y;
    const double exact = std::max(worldW * std::fabs(s.xscale[w]), worldH * std::fabs(s.yscale[w]));
    const bool degenerate = pymin == pymax || pxmin == pxmax;
    const double m = std::min(W(), H());
    const double margin = m - RoundEven(m / 10);
    if (worldW > 0 && worldH > 0 && (degenerate || exact < kFitExactBelowPixels)) {
        // A drawing that covers only a few pixels at the present scale (a small part shown after
        // a large one): its rounded pixel size would give a rough fit, or none, so the fit is
        // taken from its size in the world.
        s.view_height[w] = static_cast<float>(s.view_height[w] * exact * ScreenScale / margin);
    } else if (degenerate) {
        s.view_height[w] = static_cast<float>(s.max_y - s.min_y);
        if (s.view_height[w] < kMinViewHeight) {
            s.view_height[w] = static_cast<float>(kMinViewHeight);
            s.min_x = s.min_y = -kMinViewHeight;
            s.max_x = s.max_y = kMinViewHeight;
        }
    } else {
        const double d = std::max(std::fabs(pxmin - pxmax), std::fabs(pymin - pymax));
        s.view_height[w] = static_cast<float>(s.view_height[w] * d * ScreenScale / margin);
    }
    s.screen_center_x[w] = s.min_x + (s.max_x - s.min_x) / 2;
    s.screen_center_y[w] = s.min_y + (s.max_y - s.min_y) / 2;
}

void TCadDraw::ZoomStep(int mode, double factor) {
    TSettings& s = CadSettings();
    const int w = Win(s);
    ScaleFromHeight(H());
    switch (mode) {
    case kZoomFit:
        FitStep();
        break;
    case kZoomLast:
        std::swap(s.view_height[w], s.last_view_height[w]);
        std::swap(s.screen_center_x[w], s.last_screen_center_x[w]);
        std::swap(s.screen_center_y[w], s.last_screen_center_y[w]);
        break;
    case kZoomOut:
        s.view_height[w] *= 2;
        break;
    case kZoomIn:
        s.view_height[w] /= 2;
        s.last_view_height[w] = s.view_height[w];
        break;
    case kZoomFactor:
        // A factor that is not a positive number would give an unusable scale; it is ignored.
        if (factor > 0 && std::isfinite(factor)) {
            s.view_height[w] = static_cast<float>(s.view_height[w] / factor);
            s.last_view_height[w] = s.view_height[w];
        }
        break;
    default:
        break;
    }
    // Also catches a height written by the caller that is not a finite number.
    if (!(s.view_height[w] >= kMinViewHeight) || !std::isfinite(s.view_height[w]))
        s.view_height[w] = static_cast<float>(kMinViewHeight);
    ScaleFromHeight(H());
    PlaceOrigin(W() / 2.0, H() / 2.0, true);
}

void TCadDraw::FireZoom() {
    const int w = Win(CadSettings());
    if (OnZoom)
        OnZoom(*this, CadSettings().view_height[w], CadSettings().screen_center_x[w],
               CadSettings().screen_center_y[w]);
}

void TCadDraw::ZoomAll() {
    ZoomStep(kZoomFit);
    Redraw();
    FireZoom();
}

void TCadDraw::ZoomDouble() {
    ZoomStep(kZoomIn);
    Redraw();
    FireZoom();
}

void TCadDraw::ZoomHalf() {
    ZoomStep(kZoomOut);
    Redraw();
    FireZoom();
}

void TCadDraw::ZoomLast() {
    ZoomStep(kZoomLast);
    Redraw();
    FireZoom();
}

void TCadDraw::ZoomByFactor(double factor) {
    ZoomStep(kZoomFactor, factor);
    Redraw();
    FireZoom();
}

void TCadDraw::ZoomWindow(double x1, double y1, double x2, double y2) {
    TSettings& s = CadSettings();
    const int w = Win(s);
    if (x1 != x2 && y1 != y2) {
        s.last_view_height[w] = s.view_height[w];
        s.last_screen_center_x[w] = s.screen_center_x[w];
        s.last_screen_center_y[w] = s.screen_center_y[w];
        const double dx = std::fabs(x1 - x2), dy = std::fabs(y1 - y2);
        const double vh = dy < dx ? s.view_height[w] * dx / W() : s.view_height[w] * dy / H();
        s.view_height[w] = static_cast<float>(std::max(vh, kMinViewHeight));
        const double cx = RoundEven((x1 - x2) / 2 + x2), cy = RoundEven((y1 - y2) / 2 + y2);
        s.screen_center_x[w] += (cx - W() / 2) / s.xscale[w];
        s.screen_center_y[w] += (cy - H() / 2) / s.yscale[w];
        ScaleFromHeight(H());
        PlaceOrigin(W() / 2, H() / 2, false);
    }
    Redraw();
    FireZoom();
}

void TCadDraw::ViewCenter(double x, double Y) {
    const int w = Win(CadSettings());
    CadSettings().screen_center_x[w] = x;
    CadSettings().screen_center_y[w] = Y;
    ZoomStep(kZoomApply);
    Redraw();
}

void TCadDraw::Pan(double x, double Y) {
    const int w = Win(CadSettings());
    CadSettings().screen_center_x[w] += x;
    CadSettings().screen_center_y[w] += Y;
    PanPlacement();
    Redraw();
}

double TCadDraw::ViewSize() const {
    return 2.0 * CadSettings().view_height[Win(CadSettings())];
}

void TCadDraw::SetViewSize(double size) {
    CadSettings().view_height[Win(CadSettings())] = static_cast<float>(size / 2);
    ZoomStep(kZoomApply);
    if (OnChangeView) OnChangeView(*this, View());
    Redraw();
}

void TCadDraw::SetCenterX(double x) {
    CadSettings().screen_center_x[Win(CadSettings())] = x;
    PlaceOrigin(W() / 2.0, H() / 2.0, true);
}

void TCadDraw::SetCenterY(double y) {
    CadSettings().screen_center_y[Win(CadSettings())] = y;
    PlaceOrigin(W() / 2.0, H() / 2.0, true);
}

void TCadDraw::RotateView(double x, double Y, double Z) {
    CadSettings().view_x = x;
    CadSettings().view_y = Y;
    CadSettings().view_z = Z;
    CadSettings().current_plot_window = 4;
    if (OnChangeView) OnChangeView(*this, TDView::vISO);
    Redraw();
}

} // namespace brevant
