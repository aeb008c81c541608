// The state record of one drawing and the view that shows it: new-element attributes, layers,
// view windows, extents, mouse and pick state, print switches and file-format choices.
#pragma once

#include "caddraw/pixel_point.h"
#include "core/controls.h"

#include <array>
#include <cstdint>
#include <string>

namespace brevant {

// One entry per view window, indexed 1 to 4 (entry 0 is unused).
template <typename T> using TWindowArray = std::array<T, 5>;

// A 3 by 3 projection matrix (m[row][column], rows and columns 0..2) and its in-use flag.
struct TArcView {
    std::array<std::array<double, 3>, 3> m{};
    int flag = 1;
    bool operator==(const TArcView&) const = default;
};

inline constexpr int kLayerCount = 255; // layer numbers 0 to 254

// File formats (the cad_type field).
inline constexpr int kCadTypeCdl = 1;
inline constexpr int kCadTypeDxf = 2;
inline constexpr int kCadTypeIges = 3;

// The file format a CAD save writes for a file name, by its upper-cased extension: ".CDL"
// CDL, ".IGS" or ".IGES" IGES, anything else DXF.
int CadTypeOfPath(const std::string& path);

class TSettings {
public:
    TSettings();

    // Font and pen (checked properties).
    const std::string& FontFamily() const { return fontFamily_; }
    void SetFontFamily(const std::string& family);
    float FontSize() const { return fontSize_; }
    void SetFontSize(float size); // below 1 or above 100 stores 10
    float PenWidth() const { return penWidth_; }
    void SetPenWidth(float width); // clamped to 1..5

    // Attributes given to new elements.
    TColor CurrentColor = kColorLimeGreen;
    std::int32_t current_linetype = 0;
    std::int32_t current_layer = 1;
    std::int32_t current_view = 1;

    // Visible layers, indexed by layer number 0 to 254.
    std::array<bool, kLayerCount> visible_layer{};

    // View windows 1 (XY), 2 (front), 3 (side), 4 (isometric).
    int current_plot_window = 1;
    TWindowArray<float> x_plot_origin{};
    TWindowArray<float> y_plot_origin{};
    TWindowArray<double> xscale{};
    TWindowArray<double> yscale{};
    TWindowArray<double> screen_center_x{};
    TWindowArray<double> screen_center_y{};
    TWindowArray<double> last_screen_center_x{};
    TWindowArray<double> last_screen_center_y{};
    TWindowArray<float> view_height{};
    TWindowArray<float> last_view_height{};

    // Projection matrices that place arcs lying in a plane other than XY.
    TWindowArray<TArcView> arc_view{};

    // 3D view angles (degrees), the kept isometric angles and the rotation coefficients.
    double view_x = -70, view_y = 0, view_z = -20;
    double old_view_x = -70, old_view_y = 0, old_view_z = -20;
    double coff_ax = 1, coff_bx = 0, coff_cx = 0;
    double coff_ay = 0, coff_by = 1, coff_cy = 0;
    double coff_az = 0, coff_bz = 0, coff_cz = 1;

    // Drawing extents (world); a new record holds the empty box min 9000, max -9000.
    double min_x = 9000, min_y = 9000, max_x = -9000, max_y = -9000;
    double min_z = 0, max_z = 0;

    // Mouse and picking.
    bool mouse_pan = true;
    float Mouse_x = 0, Mouse_y = 0;
    bool pan_flag = false;
    bool dynamic_rotate_flag = false;
    TPixelPoint begin_point;
    TPixelPoint end_point;
    bool pick_flag = false;
    int type_of_pick = 0;
    int pick_filter = 0;
    double pick_tolerance = 6;
    double ChainTolerance = 0.0001;

    // Printing.
    bool print_on = false;
    bool print_monochrome = false;
    float print_stroke_width = 1;

    // Files.
    int cad_type = kCadTypeCdl;
    std::string cdl_filename;
    bool merge_cad = false;
    bool metric_machine = false;
    int number_unit = 0; // IGES writer unit: 1 centimetres, 2 millimetres, otherwise inches
    bool abort2 = false;

    // Rendering switches.
    bool draw_axis_flag = false;
    bool linearcs = false;
    int redraw_mode = 1;

    // Brush colours.
    TColor Draw_Pen = kColorLime;
    TColor solid_brush = kColorCyan;

    // Copies the view state the record shares with another view (not the font, pen width,
    // extents, file type, line style, redraw mode, chain tolerance or print stroke width) and
    // clears the drag and pick state.
    void Assign(const TSettings& source);

    bool operator==(const TSettings&) const = default;

    // Resets window w's projection matrix to the one a new view has.
    void ResetArcView(int w);

private:
    std::string fontFamily_ = "Tahoma";
    float fontSize_ = 10;
    float penWidth_ = 1;
};

} // namespace brevant
