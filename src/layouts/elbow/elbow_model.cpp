// The gores of a segmented elbow in 3D.
#include "layouts/elbow/elbow_model.h"

#include <cmath>
#include <numbers>

namespace brevant {

namespace {

constexpr double kRadians = std::numbers::pi / 180;

TDPoint Add(const TDPoint& a, const TDPoint& b, double f) {
    return {a.x + f * b.x, a.y + f * b.y, a.z + f * b.z};
}

// The centreline's tangent at a turn: its point, its direction and the direction to the heel.
struct TangentFrame {
    TDPoint Point;
    TDPoint Along;
    TDPoint Heel;
};

TangentFrame FrameAt(const ElbowInputs& in, double turnDegrees) {
    const double b = turnDegrees * kRadians, c = std::cos(b), s = std::sin(b);
    return {{in.Radius * (c - 1), 0, in.Radius * s}, {-s, 0, c}, {c, 0, s}};
}

// The mitre plane of a joint: it holds the bend axis and stands square to the centreline.
FormedPlane JointPlane(const ElbowInputs& in, double turnDegrees) {
    const TangentFrame f = FrameAt(in, turnDegrees);
    return {{-in.Radius, 0, 0}, f.Along};
}

TPathArray Ring(const ElbowInputs& in, const TangentFrame& f, bool seamAtHeel, int side) {
    TPathArray ring;
    const double r = in.Diameter / 2;
    const int n = ElbowStationCount(in);
    for (int i = 0; i < n; ++i) {
        const double phi = ElbowStationAngle(in, i);
        // Round from the seam, counter-clockwise seen along the gore.
        const double a = (phi + (seamAtHeel ? 0 : 180)) * kRadians;
        const double reach = side == 0 ? 0 : side * ElbowMitreReach(in, seamAtHeel, phi);
        TDPoint p = Add(f.Point, f.Heel, r * std::cos(a));
        p = Add(p, {0, 1, 0}, r * std::sin(a));
        ring.push_back(Add(p, f.Along, reach));
    }
    return ring;
}

} // namespace

std::vector<ElbowGoreRails> ElbowRails(const ElbowInputs& in) {
    const double alpha = ElbowSizesOf(in).MitreAngle;
    const int last = in.Gores + 1;
    std::vector<ElbowGoreRails> gores;
    for (int k = 0; k <= last; ++k) {
        const bool heel = in.SeamAtHeel != (in.Strip && k % 2 == 1);
        const TangentFrame f = FrameAt(in, k * alpha);
        ElbowGoreRails g;
        g.Lower = Ring(in, f, heel, k == 0 ? 0 : -1);
        g.Upper = Ring(in, f, heel, k == last ? 0 : 1);
        g.LowerPlane = k == 0 ? FormedPlane{f.Point, f.Along} : JointPlane(in, (k - 0.5) * alpha);
        g.UpperPlane =
            k == last ? FormedPlane{f.Point, f.Along} : JointPlane(in, (k + 0.5) * alpha);
        gores.push_back(std::move(g));
    }
    return gores;
}

FormedPart ElbowFormedPart(const ElbowInputs& in) {
    FormedPart part;
    part.Name = "Segmented elbow";
    for (ElbowGoreRails& g : ElbowRails(in)) {
        RuledPiece piece;
        // The rings as samples of a closed curve: the repeated seam point goes.
        g.Lower.pop_back();
        g.Upper.pop_back();
        piece.First = std::move(g.Lower);
        piece.Second = std::move(g.Upper);
        piece.Closed = true;
        piece.FirstPlane = g.LowerPlane;
        piece.SecondPlane = g.UpperPlane;
        part.Pieces.push_back(std::move(piece));
    }
    return part;
}

void AddElbowWireFrame(WireFrame& out, const ElbowInputs& in) {
    for (const ElbowGoreRails& g : ElbowRails(in)) {
        for (std::size_t i = 0; i < g.Lower.size(); ++i) {
            out.Line(g.Lower[i], g.Upper[i], kColorLime);
            if (i == 0) continue;
            out.Line(g.Lower[i - 1], g.Lower[i], kColorLime);
            out.Line(g.Upper[i - 1], g.Upper[i], kColorLime);
        }
    }
}

} // namespace brevant
