// The formed parts of the cone, the square to round, the spiral flight and the branch pipe.
#include "solid/formed_parts.h"

#include "cone/cone_solver.h"
#include "cone/side_cuts.h"
#include "core/angle_units.h"
#include "geometry/vectors.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// Samples of a full ring; a segment takes its share, at least a few.
constexpr int kRingSamples = 180;

// The frame of the end-plane routines (x, height, z) to the file frame (x, z, height).
TDPoint ToFile(const TDPoint& up) {
    return {up.x, up.z, up.y};
}
// The scene frame (x, height down, z) to the file frame.
TDPoint SceneToFile(const TDPoint& scene) {
    return {scene.x, scene.z, -scene.y};
}
FormedPlane ToFile(const TEndPlane& p) {
    return {ToFile(p.Point), ToFile(p.Normal)};
}

// The long axis of an elliptical end of the given width whose edge is as long as the developed
// end's circle of diameter d: the pattern's edge wraps the ellipse exactly. (The solver keeps
// the equivalent diameter in place of a typed long axis; this gives the typed one back.)
double LongAxis(double d, double width) {
    if (width == 0) return d;
    double lo = 0, hi = std::max(d, width) * 4;
    if (EllipsePerimeter(width, lo) > M_PI * d) return d; // no ellipse of that width is so short
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (EllipsePerimeter(width, mid) < M_PI * d ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// The two ends of a cone or cylinder at the ring angles from a0 to a1 (degrees), count samples,
// as the 3D model places them: circles fitted to their ellipses, then moved onto the tilted
// end planes through the apex (a cone) or along the axis (a cylinder). Frame of end_planes.h.
TRingPair ConeEnds(const ConeSolidInputs& in, double a0, double a1, int count, bool closed) {
    const TConeShape& c = in.Shape;
    const double topX = in.IsCylinder ? 0 : c.S;
    TRingPair r;
    for (int k = 0; k < count; ++k) {
        const double p = (a0 + (a1 - a0) * k / (closed ? count : count - 1)) * kRadiansPerDegree;
        r.Top.push_back({topX + c.T / 2 * std::cos(p), c.H, c.T / 2 * std::sin(p)});
        r.Bottom.push_back({c.B / 2 * std::cos(p), 0, c.B / 2 * std::sin(p)});
    }
    if (c.TopEllipseWidth != 0)
        FitRingToEllipse(r.Top, topX, LongAxis(c.T, c.TopEllipseWidth) / 2, c.TopEllipseWidth / 2);
    if (c.BottomEllipseWidth != 0)
        FitRingToEllipse(r.Bottom, 0, LongAxis(c.B, c.BottomEllipseWidth) / 2,
                         c.BottomEllipseWidth / 2);
    const TEndPlane top = TiltedPlane(topX, c.H, 0, c.TopAngle);
    const TEndPlane bottom = TiltedPlane(0, 0, 0, c.BottomAngle);
    const bool apex = !in.IsCylinder && c.B != c.T;
    const TDPoint tip = apex ? ConeApexPoint(c.T, c.B, c.H, c.S) : TDPoint{};
    for (TDPoint& q : r.Top)
        q = apex ? MoveThroughPointOntoPlane(q, tip, top)
                 : MoveAlongDirectionOntoPlane(q, {0, 1, 0}, top);
    for (TDPoint& q : r.Bottom)
        q = apex ? MoveThroughPointOntoPlane(q, tip, bottom)
                 : MoveAlongDirectionOntoPlane(q, {0, 1, 0}, bottom);
    return r;
}

// The side cut: the plane through the cut's line on the cone's side (from the top circle at the
// cone's height to the bottom circle) and its mirror image across y = 0; it takes away the
// slice on the side of -x.
std::vector<FormedPlane> SideCut(const ConeSolidInputs& in) {
    const TConeShape& c = in.Shape;
    const double wt = in.TopCutWidth, wb = in.BottomCutWidth;
    if (!(wt > 0 && wb > 0 && wt < c.T && wb < c.B)) return {};
    const double at = SideCutAngle(wt, c.T) * kRadiansPerDegree;
    const double ab = SideCutAngle(wb, c.B) * kRadiansPerDegree;
    const double topX = in.IsCylinder ? 0 : c.S;
    const TDPoint p1{topX + c.T / 2 * std::cos(at), c.T / 2 * std::sin(at), c.H};
    const TDPoint p2{c.B / 2 * std::cos(ab), c.B / 2 * std::sin(ab), 0};
    const TDPoint d = Sub(p1, p2);
    TDPoint normal{d.z, 0, -d.x};
    if (normal.x > 0) normal = {-normal.x, 0, -normal.z};
    return {FormedPlane{p2, normal}};
}

RuledPiece ConePiece(const ConeSolidInputs& in, double a0, double a1, bool closed) {
    const double span = a1 - a0;
    const int count =
        closed ? kRingSamples : std::max(8, int(std::ceil(kRingSamples * span / 360))) + 1;
    const TRingPair ends = ConeEnds(in, a0, a1, count, closed);
    RuledPiece piece;
    for (const TDPoint& q : ends.Bottom)
        piece.First.push_back(ToFile(q));
    for (const TDPoint& q : ends.Top)
        piece.Second.push_back(ToFile(q));
    piece.Closed = closed;
    const TConeShape& c = in.Shape;
    piece.FirstPlane = ToFile(TiltedPlane(0, 0, 0, c.BottomAngle));
    piece.SecondPlane = ToFile(TiltedPlane(in.IsCylinder ? 0 : c.S, c.H, 0, c.TopAngle));
    piece.Cuts = SideCut(in);
    return piece;
}

// The apex of a side triangle: the middle of its two twin generators' top points.
TDPoint Middle(const TDPoint& a, const TDPoint& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
}

} // namespace

FormedPart ConeFormedPart(const ConeSolidInputs& in) {
    FormedPart part;
    part.Name = in.IsCylinder ? "Cylinder" : "Cone";
    const double seg = in.SegmentAngle;
    if (!(seg > 0) || seg >= 360) {
        part.Pieces.push_back(ConePiece(in, 0, 360, true));
        return part;
    }
    // The pieces follow one another round the cone from angle 0; the last takes what is left.
    for (double a0 = 0; a0 < 360 - 1e-6; a0 += seg)
        part.Pieces.push_back(ConePiece(in, a0, std::min(a0 + seg, 360.0), false));
    return part;
}

FormedPart SquareFormedPart(const SquareModel& model, const SquareShape& shape) {
    FormedPart part;
    part.Name = "Square to round";
    const int n = model.BendsPerCorner;
    const size_t count = std::min(model.TopRing.size(), model.BottomRing.size());
    if (n < 1 || count != static_cast<size_t>(4 * n)) return part;
    FacetPiece p;
    p.EndPlanes = {ToFile(TiltedPlane(shape.XShift, shape.H, shape.ZShift, shape.TopAngle)),
                   FormedPlane{{0, 0, 0}, {0, 0, 1}}};
    // Vertices: one top point per generator, twins (qn, qn + 1) sharing one; then the corners.
    std::vector<int> top(count);
    for (size_t k = 0; k < count; ++k) {
        const bool twin = k % n == 1;
        if (twin) {
            top[k] = top[k - 1];
            p.Vertices[top[k]] =
                Middle(SceneToFile(model.TopRing[k - 1]), SceneToFile(model.TopRing[k]));
            continue;
        }
        top[k] = static_cast<int>(p.Vertices.size());
        p.Vertices.push_back(SceneToFile(model.TopRing[k]));
        p.VertexPlane.push_back(0);
    }
    const int corners = static_cast<int>(p.Vertices.size());
    for (int c = 0; c < 4; ++c) {
        p.Vertices.push_back(ToFile(SquareCorner(shape, c)));
        p.VertexPlane.push_back(1);
    }
    for (size_t k = 0; k < count; ++k) {
        const size_t next = (k + 1) % count;
        const int ck = corners + SquareCornerOf(static_cast<int>(k), n);
        const int cn = corners + SquareCornerOf(static_cast<int>(next), n);
        if (top[k] == top[next])
            p.Facets.push_back({top[k], ck, cn}); // the flat side triangle
        else
            p.Facets.push_back({ck, top[next], top[k]}); // a fan triangle at its corner
    }
    part.Pieces.push_back(std::move(p));
    return part;
}

FormedPart SpiralFormedPart(double od, double id, double pitch) {
    FormedPart part;
    part.Name = "Spiral flight";
    part.Pieces.push_back(HelicoidPiece{id / 2, od / 2, pitch, 1});
    return part;
}

FormedPart PipeFormedPart(const PipeInputs& in) {
    FormedPart part;
    part.Name = "Branch pipe";
    part.Pieces.push_back(BranchPiece{in.BranchDiameter / 2, in.MainDiameter / 2, in.Offset,
                                      PipeReferenceDistance(in)});
    return part;
}

} // namespace brevant
