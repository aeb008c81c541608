// Writing the cutting-machine DXF: an R12 file (the version every cutting program reads) with
// header units, line type and layer tables, and POLYLINE entities with bulges.
#include "documents/cam_dxf_writer.h"

#include "documents/outline_contours.h"
#include "documents/shop_numbers.h"

#include <string>

namespace brevant {

namespace {

constexpr const char* kEol = "\r\n";

struct ShopLayer {
    const char* name;
    int colour; // DXF colour number
};
constexpr ShopLayer kCut{"CUT", 7};
constexpr ShopLayer kBend{"BEND", 3};
constexpr ShopLayer kMark{"MARK", 2};

// One group: the code right-aligned in three columns, then the value.
void Group(std::ostream& out, int code, const std::string& value) {
    std::string c = std::to_string(code);
    if (c.size() < 3) c.insert(0, 3 - c.size(), ' ');
    out << c << kEol << value << kEol;
}
void Group(std::ostream& out, int code, double value) {
    Group(out, code, ShopNumber(value));
}
void Int(std::ostream& out, int code, int value) {
    Group(out, code, std::to_string(value));
}

void Header(std::ostream& out, const ShopOutlines& o, UnitSystem units) {
    Group(out, 0, "SECTION");
    Group(out, 2, "HEADER");
    Group(out, 9, "$ACADVER");
    Group(out, 1, "AC1009");
    Group(out, 9, "$INSUNITS"); // group 70: 1 inches, 4 millimetres, 5 centimetres
    Int(out, 70, InsUnitsCode(units));
    Group(out, 9, "$MEASUREMENT"); // 0 imperial, 1 metric
    Int(out, 70, units == kInches ? 0 : 1);
    const ContourExtents e = ExtentsOf(o);
    Group(out, 9, "$EXTMIN");
    Group(out, 10, e.minX);
    Group(out, 20, e.minY);
    Group(out, 30, 0.0);
    Group(out, 9, "$EXTMAX");
    Group(out, 10, e.maxX);
    Group(out, 20, e.maxY);
    Group(out, 30, 0.0);
    Group(out, 0, "ENDSEC");
}

void Tables(std::ostream& out) {
    Group(out, 0, "SECTION");
    Group(out, 2, "TABLES");
    Group(out, 0, "TABLE");
    Group(out, 2, "LTYPE");
    Int(out, 70, 1);
    Group(out, 0, "LTYPE");
    Group(out, 2, "CONTINUOUS");
    Int(out, 70, 0);
    Group(out, 3, "Solid line");
    Int(out, 72, 65);
    Int(out, 73, 0);
    Group(out, 40, 0.0);
    Group(out, 0, "ENDTAB");
    Group(out, 0, "TABLE");
    Group(out, 2, "LAYER");
    Int(out, 70, 4);
    for (const ShopLayer& l : {ShopLayer{"0", 7}, kCut, kBend, kMark}) {
        Group(out, 0, "LAYER");
        Group(out, 2, l.name);
        Int(out, 70, 0);
        Int(out, 62, l.colour);
        Group(out, 6, "CONTINUOUS");
    }
    Group(out, 0, "ENDTAB");
    Group(out, 0, "ENDSEC");
    Group(out, 0, "SECTION");
    Group(out, 2, "BLOCKS");
    Group(out, 0, "ENDSEC");
}

// POLYLINE (66: vertices follow; 70 bit 1: closed), one VERTEX per point (42: bulge), SEQEND.
void Polyline(std::ostream& out, const Contour& c, const char* layer) {
    Group(out, 0, "POLYLINE");
    Group(out, 8, layer);
    Int(out, 66, 1);
    Group(out, 10, 0.0);
    Group(out, 20, 0.0);
    Group(out, 30, 0.0);
    Int(out, 70, c.closed ? 1 : 0);
    for (const ContourVertex& v : c.vertices) {
        Group(out, 0, "VERTEX");
        Group(out, 8, layer);
        Group(out, 10, v.x);
        Group(out, 20, v.y);
        Group(out, 30, 0.0);
        if (v.bulge != 0) Group(out, 42, v.bulge);
    }
    Group(out, 0, "SEQEND");
    Group(out, 8, layer);
}

} // namespace

int InsUnitsCode(UnitSystem units) {
    switch (units) {
    case kCentimeters:
        return 5;
    case kMillimeters:
        return 4;
    default:
        return 1;
    }
}

void WriteCamDxf(std::ostream& out, const ShopOutlines& o, const ShopFileOptions& options) {
    Header(out, o, options.units);
    Tables(out);
    Group(out, 0, "SECTION");
    Group(out, 2, "ENTITIES");
    for (const Contour& c : o.cut)
        Polyline(out, c, kCut.name);
    for (const Contour& c : o.bend)
        Polyline(out, c, kBend.name);
    for (const Contour& c : o.mark)
        Polyline(out, c, kMark.name);
    Group(out, 0, "ENDSEC");
    Group(out, 0, "EOF");
}

void WriteCamDxf(std::ostream& out, const TCadDrawing& drawing, const ShopFileOptions& options) {
    WriteCamDxf(out, Scaled(BuildShopOutlines(drawing), 1 / UnitFactor(options.units)), options);
}

} // namespace brevant
