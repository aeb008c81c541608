// The CAD view's construction and its simple properties.
#include "caddraw/cad_draw.h"

namespace brevant {

TDFilter FilterFromNumber(int number) {
    switch (number) {
    case 1:
        return TDFilter::fPoints;
    case 2:
        return TDFilter::fLines;
    case 3:
        return TDFilter::fArcs;
    case 10:
        return TDFilter::fPointLine;
    case 11:
        return TDFilter::fPointArc;
    case 8:
        return TDFilter::fLineArc;
    default:
        return TDFilter::fAll;
    }
}

TCadDraw::TCadDraw() {
    ScreenScale = 1;
}

void TCadDraw::Resize(double width, double height) {
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    if (canvas_) {
        canvas_->Resize(static_cast<int>(width_), static_cast<int>(height_));
        Redraw();
    }
    ZoomAll();
}

void TCadDraw::SetMousePan(bool pan) {
    CadSettings().mouse_pan = pan;
    Redraw();
}

void TCadDraw::SetShowAxis(bool show) {
    CadSettings().draw_axis_flag = show;
    Redraw();
}

void TCadDraw::SetView(TDView view) {
    TSettings& s = CadSettings();
    if (view == TDView::vISO) {
        if (s.current_plot_window == 4) {
            s.view_x = s.old_view_x = -70;
            s.view_y = s.old_view_y = 0;
            s.view_z = s.old_view_z = -20;
        } else {
            s.view_x = s.old_view_x;
            s.view_y = s.old_view_y;
            s.view_z = s.old_view_z;
        }
    }
    s.current_plot_window = WindowOf(view);
    if (view == TDView::vTOP) s.view_x = 0, s.view_y = 0, s.view_z = 0;
    if (view == TDView::vFRONT) s.view_x = -90, s.view_y = 0, s.view_z = 0;
    if (view == TDView::vSIDE) s.view_x = -90, s.view_y = 0, s.view_z = -90;
    if (OnChangeView) OnChangeView(*this, view);
    Redraw();
}

double TCadDraw::CenterX() const {
    return CadSettings().screen_center_x[CadSettings().current_plot_window];
}

double TCadDraw::CenterY() const {
    return CadSettings().screen_center_y[CadSettings().current_plot_window];
}

void TCadDraw::Invalidate() {
    if (OnInvalidate) OnInvalidate(*this);
}

ICanvas* TCadDraw::Target() const {
    if (CadSettings().print_on && printer_) return &printer_->Canvas();
    return canvas_;
}

} // namespace brevant
