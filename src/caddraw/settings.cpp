// Defaults, checked properties and sharing of the CAD view's settings record.
#include "caddraw/settings.h"

#include "core/string_util.h"

namespace brevant {

int CadTypeOfPath(const std::string& path) {
    const std::string ext = ToUpperAscii(ExtensionOf(path));
    if (ext == ".CDL") return kCadTypeCdl;
    if (ext == ".IGS" || ext == ".IGES") return kCadTypeIges;
    return kCadTypeDxf;
}

TSettings::TSettings() {
    visible_layer.fill(true);
    for (int w = 1; w <= 4; ++w) {
        x_plot_origin[w] = 10;
        y_plot_origin[w] = 10;
        xscale[w] = 1;
        yscale[w] = -1;
        view_height[w] = 10;
        ResetArcView(w);
    }
}

void TSettings::ResetArcView(int w) {
    if (w < 1 || w > 4) return;
    using Rows = std::array<std::array<double, 3>, 3>;
    static constexpr std::array<Rows, 5> kMatrices = {{
        {},
        {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
        {{{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}},
        {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}},
        {},
    }};
    arc_view[w].m = kMatrices[w];
    arc_view[w].flag = 1;
}

void TSettings::SetFontFamily(const std::string& family) {
    fontFamily_ = family;
    if (fontSize_ < 1 || fontSize_ > 100) fontSize_ = 10;
}

void TSettings::SetFontSize(float size) {
    fontSize_ = (size < 1 || size > 100) ? 10 : size;
}

void TSettings::SetPenWidth(float width) {
    penWidth_ = width < 1 ? 1 : (width > 5 ? 5 : width);
}

void TSettings::Assign(const TSettings& source) {
    Draw_Pen = source.Draw_Pen;
    solid_brush = source.solid_brush;
    current_view = source.current_view;
    pick_filter = source.pick_filter;
    pick_tolerance = source.pick_tolerance;
    current_layer = source.current_layer;
    CurrentColor = source.CurrentColor;
    cdl_filename = source.cdl_filename;
    for (int w = 1; w <= 4; ++w)
        arc_view[w].flag = source.arc_view[w].flag;
    print_monochrome = source.print_monochrome;
    current_plot_window = source.current_plot_window;
    visible_layer = source.visible_layer;
    xscale = source.xscale;
    yscale = source.yscale;
    x_plot_origin = source.x_plot_origin;
    y_plot_origin = source.y_plot_origin;
    view_height = source.view_height;
    screen_center_x = source.screen_center_x;
    screen_center_y = source.screen_center_y;
    last_screen_center_x = source.last_screen_center_x;
    last_screen_center_y = source.last_screen_center_y;
    view_x = source.view_x;
    view_y = source.view_y;
    view_z = source.view_z;
    old_view_x = source.old_view_x;
    old_view_y = source.old_view_y;
    old_view_z = source.old_view_z;
    mouse_pan = source.mouse_pan;
    metric_machine = source.metric_machine;
    draw_axis_flag = source.draw_axis_flag;
    linearcs = source.linearcs;
    abort2 = false;
    pan_flag = false;
    pick_flag = false;
    type_of_pick = 0;
}

} // namespace brevant
