// The formed part of a cone or cylinder.
#include "layouts/cone/cone_formed.h"

#include "core/angle_units.h"
#include "geometry/end_planes.h"
#include "geometry/vectors.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/side_cuts.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

// Samples of a full ring; a segment takes its share, at least a few.
constexpr int kRingSamples = 180;

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
        piece.First.push_back(UpFrameToFile(q));
    for (const TDPoint& q : ends.Top)
        piece.Second.push_back(UpFrameToFile(q));
    piece.Closed = closed;
    const TConeShape& c = in.Shape;
    piece.FirstPlane = UpFrameToFile(TiltedPlane(0, 0, 0, c.BottomAngle));
    piece.SecondPlane = UpFrameToFile(TiltedPlane(in.IsCylinder ? 0 : c.S, c.H, 0, c.TopAngle));
    piece.Cuts = SideCut(in);
    return piece;
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

} // namespace brevant
