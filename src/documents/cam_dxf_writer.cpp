// Writing the cutting-machine DXF: an R2000 file, the first version whose header declares the
// drawing unit, with one LWPOLYLINE (arcs as bulges) per outline, bend line and mark.
#include "documents/cam_dxf_writer.h"

#include "documents/dxf_r2000.h"

namespace brevant {

namespace {

constexpr DxfLayer kCut{"CUT", 7};
constexpr DxfLayer kBend{"BEND", 3};
constexpr DxfLayer kMark{"MARK", 2};

// LWPOLYLINE: the vertex count (90), closed (70 bit 1), each vertex (10, 20) with the bulge of
// the segment after it (42).
void Polyline(DxfR2000Writer& dxf, const Contour& c, const char* layer) {
    dxf.EntityStart("LWPOLYLINE", layer);
    dxf.Group(100, "AcDbPolyline");
    dxf.Int(90, static_cast<int>(c.vertices.size()));
    dxf.Int(70, c.closed ? 1 : 0);
    for (const ContourVertex& v : c.vertices) {
        dxf.XY(10, v.x, v.y);
        if (v.bulge != 0) dxf.Real(42, v.bulge);
    }
}

DxfR2000Frame FrameOf(const ShopOutlines& o, UnitSystem units) {
    DxfR2000Frame frame;
    frame.insUnits = InsUnitsCode(units);
    frame.measurement = units == kInches ? 0 : 1;
    const ContourExtents e = ExtentsOf(o);
    frame.minX = e.minX;
    frame.minY = e.minY;
    frame.maxX = e.maxX;
    frame.maxY = e.maxY;
    frame.layers = {kCut, kBend, kMark};
    frame.entities = static_cast<int>(o.cut.size() + o.bend.size() + o.mark.size());
    return frame;
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
    DxfR2000Writer dxf(out, FrameOf(o, options.units));
    dxf.Begin();
    for (const Contour& c : o.cut)
        Polyline(dxf, c, kCut.name);
    for (const Contour& c : o.bend)
        Polyline(dxf, c, kBend.name);
    for (const Contour& c : o.mark)
        Polyline(dxf, c, kMark.name);
    dxf.End();
}

void WriteCamDxf(std::ostream& out, const FlatPattern& pattern, const ShopFileOptions& options) {
    WriteCamDxf(out, Scaled(ShopOutlinesOf(pattern), 1 / UnitFactor(options.units)), options);
}

} // namespace brevant
