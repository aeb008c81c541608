// Writing the flat pattern as SVG. The drawing's y runs up and SVG's down, so every y is
// written negated and a counter-clockwise arc becomes one with the sweep flag 0.
#include "documents/svg_writer.h"

#include "documents/shop_numbers.h"

#include <cmath>
#include <string>
#include <vector>

namespace brevant {

namespace {

// A hairline of a tenth of a millimetre, in each unit.
double StrokeWidth(UnitSystem u) {
    return u == kMillimeters ? 0.1 : u == kCentimeters ? 0.01 : 0.1 / 25.4;
}

std::string Point(double x, double y) {
    return ShopNumber(x) + "," + ShopNumber(-y);
}

// "M", then "L" or "A" per segment; "Z" closes.
std::string PathData(const Contour& c) {
    const auto& v = c.vertices;
    std::string d = "M" + Point(v[0].x, v[0].y);
    const std::size_t segments = c.closed ? v.size() : v.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const ContourVertex& a = v[i];
        const ContourVertex& b = v[(i + 1) % v.size()];
        if (a.bulge == 0) {
            d += " L" + Point(b.x, b.y);
            continue;
        }
        const double theta = 4 * std::atan(std::fabs(a.bulge));
        const double r = std::hypot(b.x - a.x, b.y - a.y) / (2 * std::sin(theta / 2));
        const char* large = std::fabs(a.bulge) > 1 ? "1" : "0";
        const char* sweep = a.bulge > 0 ? "0" : "1";
        d += " A" + ShopNumber(r) + "," + ShopNumber(r) + " 0 " + large + "," + sweep + " " +
             Point(b.x, b.y);
    }
    if (c.closed) d += " Z";
    return d;
}

void Group(std::ostream& out, const char* id, const char* colour, double width,
           const std::vector<Contour>& contours) {
    if (contours.empty()) return;
    out << "  <g id=\"" << id << "\" fill=\"none\" stroke=\"" << colour << "\" stroke-width=\""
        << ShopNumber(width) << "\">\n";
    for (const Contour& c : contours)
        if (!c.vertices.empty()) out << "    <path d=\"" << PathData(c) << "\"/>\n";
    out << "  </g>\n";
}

} // namespace

void WriteSvg(std::ostream& out, const ShopOutlines& o, const ShopFileOptions& options) {
    const ContourExtents e = ExtentsOf(o);
    const std::string unit = UnitShortName(options.units);
    const double w = e.Width(), h = e.Height();
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << ShopNumber(w)
        << unit << "\" height=\"" << ShopNumber(h) << unit << "\" viewBox=\""
        << ShopNumber(e.empty ? 0 : e.minX) << " " << ShopNumber(e.empty ? 0 : -e.maxY) << " "
        << ShopNumber(w) << " " << ShopNumber(h) << "\">\n";
    const double stroke = StrokeWidth(options.units);
    Group(out, "cut", "#000000", stroke, o.cut);
    Group(out, "bend", "#008000", stroke, o.bend);
    Group(out, "mark", "#0000ff", stroke, o.mark);
    out << "</svg>\n";
}

void WriteSvg(std::ostream& out, const FlatPattern& pattern, const ShopFileOptions& options) {
    WriteSvg(out, Scaled(ShopOutlinesOf(pattern), 1 / UnitFactor(options.units)), options);
}

} // namespace brevant
