// Reads a CDL stream into a drawing: VIEW matrices, points, lines, arcs and circles.
#include "caddraw/cad_colors.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/cad_field.h"
#include "caddraw/cad_number_text.h"
#include "caddraw/cad_read_rules.h"
#include "caddraw/cdl_format.h"
#include "caddraw/text_line_reader.h"

#include <string_view>

namespace brevant {

namespace {

// One prepared CDL line and the drawing it goes into.
class TCdlLineReader {
public:
    TCdlLineReader(std::string_view line, TCadDrawing& drawing)
        : line_(line), fields_(PrepareCadFields(line, CadFieldFlavor::Cdl)), drawing_(drawing) {}

    void Read();

private:
    bool Has(std::string_view word) const { return line_.find(word) != std::string_view::npos; }
    double F(int n) const { return CadFieldOf(fields_, n); }
    int I(int n) const { return RoundToInt(F(n)); }
    TColor Color(int n) const { return ColorFromCdlIndex(I(n), drawing_.BackgroundColor()); }
    int Layer(int n) const { return I(n) % 256; }

    void ReadView();
    void ReadLine(int first_attribute);
    void ReadPoint(int first_attribute);
    void ReadArc();
    void ReadCircle();

    std::string_view line_;
    std::string fields_;
    TCadDrawing& drawing_;
};

void TCdlLineReader::Read() {
    if (Has("VIEW")) ReadView();
    if (Has("SPLINE")) return;
    if (Has("VLINE")) return ReadLine(8); // field 7 is a view number, lines stay in view 1
    if (Has("LINETYPE")) return;
    if (Has("LINE")) return ReadLine(7);
    if (Has("ARC")) return ReadArc();
    if (Has("CIRCLE")) return ReadCircle();
    if (Has("VPOINT")) return ReadPoint(5); // field 4 is a view number
    if (Has("POINT")) return ReadPoint(4);
}

void TCdlLineReader::ReadView() {
    int window = I(1);
    if (window > 4) window = 4;
    if (window < 1) return; // not a view window
    TArcView& arc_view = drawing_.CadSettings().arc_view[static_cast<std::size_t>(window)];
    int n = 2;
    for (std::size_t column = 0; column < 3; ++column) {
        for (std::size_t row = 0; row < 3; ++row)
            arc_view.m[row][column] = F(n++);
    }
    arc_view.flag = 1;
}

void TCdlLineReader::ReadLine(int first_attribute) {
    const TCoords coords = {F(1), F(2), F(3), F(4), F(5), F(6)};
    drawing_.AddElement(kElementLine, Color(first_attribute), coords, 0, I(first_attribute + 2),
                        Layer(first_attribute + 1), 0, {}, 1);
}

void TCdlLineReader::ReadPoint(int first_attribute) {
    const TCoords coords = {F(1), F(2), F(3), 0, 0, 0};
    drawing_.AddElement(kElementPoint, Color(first_attribute), coords, 0, 0,
                        Layer(first_attribute + 1), 0, {}, 1);
}

void TCdlLineReader::ReadArc() {
    const double radius = F(4), start = F(5);
    double end = F(6);
    if (radius <= 0 || !WithinReadLimit(start) || !WithinReadLimit(end)) return;
    if (end > -0.0001 && end < 0.0001) end = 0;
    int plane = I(7);
    if (plane < 1 || plane > 4) plane = 1;
    const TCoords coords = {F(1), F(2), F(3), radius, start, end};
    drawing_.AddElement(kElementArc, Color(8), coords, 0, I(10), Layer(9), 0, {}, plane);
}

void TCdlLineReader::ReadCircle() {
    const double radius = F(4);
    if (radius <= 0) return;
    int plane = I(5);
    if (plane < 1 || plane > 4) plane = 1;
    const double x = F(1), y = F(2), z = F(3);
    TCoords coords = {x, y, z, radius, 0, 360};
    int arc_view = 1;
    if (plane == 2) {
        coords = {x, -z, y, radius, 0, 360};
        arc_view = 2;
    } else if (plane == 3) {
        coords = {-x, z, y, radius, 0, 360};
        arc_view = 2;
    } else if (plane == 4) {
        coords = {-x, y, -z, radius, 0, 360};
    }
    drawing_.AddElement(kElementArc, Color(6), coords, 0, I(8), Layer(7), 0, {}, arc_view);
}

} // namespace

void ReadCdl(std::istream& in, TCadDrawing& drawing) {
    TSettings& settings = drawing.CadSettings();
    if (!settings.merge_cad) drawing.Elements().Clear();
    settings.abort2 = false;
    TTextLineReader lines(in);
    std::string line;
    while (!settings.abort2 && lines.Next(line))
        TCdlLineReader(line, drawing).Read();
}

} // namespace brevant
