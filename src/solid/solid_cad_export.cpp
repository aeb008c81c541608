// The 3D wire frames of the four layout types for the CAD files.
#include "solid/solid_cad_export.h"

#include "core/angle_units.h"
#include "core/colors.h"
#include "core/layout_definition.h"
#include "core/string_util.h"
#include "geometry/arc_points.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// Writes points and lines in the display unit; every coordinate goes through FromInches.
class WireWriter {
public:
    WireWriter(TCadDrawing& out, UnitSystem units) : out_(out), units_(units) {}
    double U(double inches) const { return FromInches(static_cast<float>(inches), units_); }
    void Line(const TDPoint& a, const TDPoint& b) {
        out_.MakeLine(U(a.x), U(a.y), U(a.z), U(b.x), U(b.y), U(b.z));
    }
    void Point(const TDPoint& p) { out_.MakePoint(U(p.x), U(p.y), U(p.z)); }
    void Color(TColor c) { out_.SetDrawColor(c); }

private:
    TCadDrawing& out_;
    UnitSystem units_;
};

void StartWireFrame(TCadDrawing& out) {
    out.CadSettings().current_layer = 1;
    out.SetDrawColor(kColorLime);
}

// Scene (X, Y down, Z) to the file frame of cones and squares to round: (X, Z, height).
TDPoint Standing(const TDPoint& p) {
    return {p.x, p.z, -p.y};
}

} // namespace

int SolidCadTypeOf(const std::string& path) {
    const std::string ext = ToUpperAscii(ExtensionOf(path));
    if (ext == ".CDL") return kCadTypeCdl;
    if (ext == ".IGS" || ext == ".IGES") return kCadTypeIges;
    return kCadTypeDxf;
}

void AddRingWireFrame(TCadDrawing& out, const TPathArray& top, const TPathArray& bottom,
                      const TDPoint& topCentre, UnitSystem units) {
    WireWriter w(out, units);
    const size_t n = std::min(top.size(), bottom.size());
    for (size_t i = 0; i < n; ++i) {
        if (i > 0) {
            w.Line(Standing(top[i - 1]), Standing(top[i]));
            w.Line(Standing(bottom[i - 1]), Standing(bottom[i]));
        }
        w.Line(Standing(top[i]), Standing(bottom[i]));
    }
    if (n > 0) {
        w.Line(Standing(top[n - 1]), Standing(top[0]));
        w.Line(Standing(bottom[n - 1]), Standing(bottom[0]));
    }
    w.Point({0, 0, 0});
    w.Point(topCentre);
}

void AddConeSolidCad(TCadDrawing& out, SceneJob& job, UnitSystem units,
                     const SolidSideCuts* sideCuts) {
    PlaceEndPlanes(job);
    const TRingPair rings = ConeSolidRings(job);
    StartWireFrame(out);
    AddRingWireFrame(out, rings.Top, rings.Bottom, Standing(job.Solid.TopPivotPosition), units);
    if (!sideCuts) return;
    // The cut runs from the top circle, at the cone's height even on a tilted top, to the
    // bottom circle; the second cut is its mirror image across y = 0.
    const LayoutDefinition& d = job.Def;
    TDPoint p1, p2;
    PointArcAngle(TDArc{{d.TopShift, 0, d.ConeHeight}, d.TopDiameter / 2.0, 0, 0},
                  sideCuts->TopAngle, p1);
    PointArcAngle(TDArc{{0, 0, 0}, d.BottomDiameter / 2.0, 0, 0}, sideCuts->BottomAngle, p2);
    WireWriter w(out, units);
    w.Color(kColorCyan);
    w.Line(p1, p2);
    w.Line({p1.x, -p1.y, p1.z}, {p2.x, -p2.y, p2.z});
}

void AddSquareSolidCad(TCadDrawing& out, const SquareShape& shape, UnitSystem units) {
    const SquareModel model = BuildSquareModel(shape);
    StartWireFrame(out);
    AddRingWireFrame(out, model.TopRing, model.BottomRing, {shape.XShift, shape.ZShift, shape.H},
                     units);
}

void AddSpiralSolidCad(TCadDrawing& out, const SpiralModel& helices, UnitSystem units) {
    const TPathArray& inner = helices.InnerHelix;
    const TPathArray& outer = helices.OuterHelix;
    const size_t n = std::min(inner.size(), outer.size());
    StartWireFrame(out);
    WireWriter w(out, units);
    for (size_t i = 0; i < n; ++i)
        w.Line(inner[i], outer[i]);
    for (const TPathArray* helix : {&inner, &outer})
        for (size_t i = 0; i + 1 < n; ++i)
            w.Line((*helix)[i], (*helix)[i + 1]);
}

bool AddPipeSolidCad(TCadDrawing& out, const PipeInputs& in, int ringPoints, UnitSystem units) {
    const int n = std::max(ringPoints, 3);
    const double rb = in.MainDiameter / 2, rs = in.BranchDiameter / 2, ds = in.BranchDiameter;
    const double o = in.Offset;
    TPathArray cut, far;
    for (int i = 0; i <= n; ++i) {
        const double theta = (i % n) * 360.0 / n * kRadiansPerDegree;
        const double phi = i * 360.0 / n / kDegreesPerRadian;
        const double across = o - rs * std::sin(phi);
        const double root = rb * rb - across * across;
        if (!(root >= 0)) return false; // the branch reaches past the main pipe
        const double x = rs * std::cos(theta), z = rs * std::sin(theta);
        cut.push_back({x, rb - std::sqrt(root), z});
        far.push_back({x, -(rb + ds), z});
    }
    StartWireFrame(out);
    WireWriter w(out, units);
    for (int i = 0; i <= n; ++i)
        w.Line(far[i], cut[i]);
    for (const TPathArray* ring : {&far, &cut})
        for (int i = 0; i < n; ++i)
            w.Line((*ring)[i], (*ring)[i + 1]);
    return true;
}

} // namespace brevant
