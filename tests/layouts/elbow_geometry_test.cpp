// The segmented elbow's sizes against their closed forms, its checks, and its developed gores:
// each piece's cut edge, rolled back onto the gore in 3D, lies on the gore's mitre plane (found
// here from the bend alone), the cut curves pass through every station, the pieces' areas add
// up to pi D times the centreline length of all gores, and on one strip neighbouring gores share
// their cut exactly.
#include "layouts/elbow/elbow_arcs.h"
#include "layouts/elbow/elbow_geometry.h"
#include "layouts/elbow/elbow_layout.h"
#include "layouts/elbow/elbow_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "support/lcg.h"

namespace brevant::testing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRad = kPi / 180;

ElbowInputs Elbow(double d, double r, double angle, int gores, int divisions = 12,
                  bool heel = false, bool strip = false) {
    return {d, r, angle, gores, divisions, heel, strip};
}

TEST(ElbowSizes, MatchTheClosedForms) {
    struct Case {
        double d, r, angle;
        int gores;
        double alpha, centre, heel, throat, width, length;
    };
    // Worked by hand: alpha = theta / (n + 1), lengths 2 (R + x) tan(alpha / 2).
    const Case cases[] = {
        {10, 15, 90, 3, 22.5, 5.96737102, 7.95649470, 3.97824735, 31.41592654, 23.86948409},
        {8, 4, 180, 1, 90, 8, 16, 0, 25.13274123, 16},
        {6.5, 12, 45, 0, 45, 9.94112550, 12.63351365, 7.24873734, 20.42035225, 9.94112550},
    };
    for (const Case& c : cases) {
        const ElbowInputs in = Elbow(c.d, c.r, c.angle, c.gores);
        ASSERT_EQ(CheckElbowInputs(in), ElbowCheck::Ok) << c.d;
        const ElbowSizes s = ElbowSizesOf(in);
        EXPECT_NEAR(s.MitreAngle, c.alpha, 1e-9) << c.d;
        EXPECT_NEAR(s.GoreCentre, c.centre, 1e-7) << c.d;
        EXPECT_NEAR(s.GoreHeel, c.heel, 1e-7) << c.d;
        EXPECT_NEAR(s.GoreThroat, c.throat, 1e-7) << c.d;
        EXPECT_NEAR(s.StripWidth, c.width, 1e-7) << c.d;
        EXPECT_NEAR(s.StripLength, c.length, 1e-7) << c.d;
        EXPECT_NEAR(s.SurfaceArea, c.width * c.length, 1e-6 * c.width * c.length) << c.d;
    }
}

TEST(ElbowChecks, RefuseWhatNoElbowCanBeMadeOf) {
    struct Case {
        ElbowInputs in;
        ElbowCheck check;
    };
    const double nan = std::nan(""), inf = INFINITY;
    const Case cases[] = {
        {Elbow(0, 10, 90, 2), ElbowCheck::NotEnough},
        {Elbow(10, -1, 90, 2), ElbowCheck::NotEnough},
        {Elbow(nan, 10, 90, 2), ElbowCheck::NotEnough},
        {Elbow(10, 10, 180.001, 2), ElbowCheck::AngleOutOfRange},
        {Elbow(10, 10, inf, 2), ElbowCheck::AngleOutOfRange},
        {Elbow(10, 10, -90, 2), ElbowCheck::AngleOutOfRange},
        {Elbow(10, 10, nan, 2), ElbowCheck::AngleOutOfRange},
        {Elbow(10, 10, 90, -1), ElbowCheck::GoresOutOfRange},
        {Elbow(10, 10, 90, 41), ElbowCheck::GoresOutOfRange},
        {Elbow(10, 10, 90, 2, 1), ElbowCheck::DivisionsOutOfRange},
        {Elbow(10, 10, 90, 2, 49), ElbowCheck::DivisionsOutOfRange},
        {Elbow(10, 4.999, 90, 2), ElbowCheck::RadiusTooSmall},
        {Elbow(10, 5, 180, 0), ElbowCheck::JointTooSharp},
        {Elbow(inf, 10, 90, 2), ElbowCheck::TooLarge},
        {Elbow(1e9, 1e9, 90, 2), ElbowCheck::TooLarge},
        // A right angle in one joint, the radius at half the diameter, the limits themselves.
        {Elbow(10, 5, 90, 0), ElbowCheck::Ok},
        {Elbow(10, 5, 180, 40, 48), ElbowCheck::Ok},
        {Elbow(10, 5, 1e-6, 0, 2), ElbowCheck::Ok},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckElbowInputs(c.in), c.check)
            << c.in.Diameter << " " << c.in.Radius << " " << c.in.Angle << " " << c.in.Gores;
}

// The bend, found here apart from the code: the bend axis runs along y through (-R, 0, 0); the
// centreline leaves the origin along +z. Gore k lies along the tangent at the turn k alpha.
struct Bend {
    ElbowInputs in;
    double alpha;
    TDPoint Point(double turn) const {
        return {in.Radius * (std::cos(turn * kRad) - 1), 0, in.Radius * std::sin(turn * kRad)};
    }
    static TDPoint Along(double turn) { return {-std::sin(turn * kRad), 0, std::cos(turn * kRad)}; }
    static TDPoint Heel(double turn) { return {std::cos(turn * kRad), 0, std::sin(turn * kRad)}; }
    // The generator of gore k at phi from the seam: a point of it and its direction.
    TDPoint GeneratorFoot(int gore, bool seamAtHeel, double phi) const {
        const double turn = gore * alpha, a = phi + (seamAtHeel ? 0 : kPi);
        const TDPoint p = Point(turn), h = Heel(turn);
        const double r = in.Diameter / 2;
        return {p.x + r * std::cos(a) * h.x, r * std::sin(a), p.z + r * std::cos(a) * h.z};
    }
};

double Dot(const TDPoint& a, const TDPoint& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
TDPoint Minus(const TDPoint& a, const TDPoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// Where a generator meets the plane of joint j (between gores j and j + 1): the plane holds the
// bend axis and stands square to the centreline at the turn (j + 1/2) alpha.
double ReachToJoint(const Bend& b, const TDPoint& foot, const TDPoint& along, int joint) {
    const TDPoint n = Bend::Along((joint + 0.5) * b.alpha);
    return Dot(n, Minus(TDPoint{-b.in.Radius, 0, 0}, foot)) / Dot(n, along);
}

ElbowInputs RandomElbow(Lcg& rng, int i) {
    const double d = rng.Next(0.5, 100);
    const double r = d / 2 * (i % 5 == 0 ? 1 : rng.Next(1, 6));
    const int gores = static_cast<int>(rng.Next(0, 40.99));
    const double angle = i % 7 == 0 ? 180 : rng.Next(1, 180);
    const int divisions = static_cast<int>(rng.Next(2, 48.99));
    return Elbow(d, r, gores == 0 && angle > 170 ? 90 : angle, gores, divisions, i % 2 == 1,
                 i % 3 != 0);
}

// Every cut edge of every piece, rolled back onto its gore: the pattern's u round the gore from
// the seam, its y along the generator from the gore's middle. Each point of a mitred edge lies on
// its joint's plane; the height at each station is where the generator meets that plane.
TEST(ElbowLayoutFolding, CutEdgesRollBackOntoTheMitrePlanes) {
    Lcg rng(20261211);
    for (int i = 0; i < 120; ++i) {
        const ElbowInputs in = RandomElbow(rng, i);
        ASSERT_EQ(CheckElbowInputs(in), ElbowCheck::Ok) << i;
        const Bend bend{in, in.Angle / (in.Gores + 1)};
        const ElbowLayout layout = LayOutElbow(in);
        const int last = in.Gores + 1;
        ASSERT_EQ(layout.Pieces.size(),
                  in.Strip ? std::size_t(last + 1) : std::size_t(in.Gores > 0 ? 2 : 1));
        for (const ElbowPiece& piece : layout.Pieces) {
            const int k = piece.Gore;
            const TDPoint along = Bend::Along(k * bend.alpha);
            for (const auto& [edge, joint] : {std::pair{piece.Lower, k - 1}, {piece.Upper, k}}) {
                const ElbowEdge& e = layout.Edges[edge];
                ASSERT_EQ(e.Points.size(), std::size_t(4 * in.Divisions + 1));
                // Only the elbow's two ends are square.
                EXPECT_EQ(e.Square, joint < 0 || joint >= last) << i;
                for (std::size_t s = 0; s < e.Points.size(); ++s) {
                    const TDPoint& p = e.Points[s];
                    const double phi = p.x / (in.Diameter / 2);
                    EXPECT_NEAR(phi, s * kPi / 2 / in.Divisions, 1e-9) << i;
                    const TDPoint foot = bend.GeneratorFoot(k, piece.SeamAtHeel, phi);
                    const double reach = e.Square ? 0 : ReachToJoint(bend, foot, along, joint);
                    ASSERT_NEAR(p.y - piece.Base, reach, 1e-6 * in.Diameter)
                        << i << " gore " << k << " station " << s;
                    // Folded: the point on the gore lies on the joint's plane (a square end's
                    // plane is the gore's cross-section through its centreline point).
                    const double h = p.y - piece.Base;
                    const TDPoint q{foot.x + h * along.x, foot.y, foot.z + h * along.z};
                    const TDPoint n = e.Square ? along : Bend::Along((joint + 0.5) * bend.alpha);
                    const TDPoint on =
                        e.Square ? bend.Point(k * bend.alpha) : TDPoint{-in.Radius, 0, 0};
                    ASSERT_NEAR(Dot(n, Minus(q, on)), 0, 1e-6 * in.Diameter) << i << " " << s;
                }
            }
        }
    }
}

// The signed area of a closed outline, its arcs included.
double OutlineArea(const CutOutline& o) {
    double area = 0;
    for (std::size_t i = 0; i < o.Edges.size(); ++i) {
        const OutlineEdge& e = o.Edges[i];
        const TDPoint& b = o.Edges[(i + 1) % o.Edges.size()].Start;
        area += (e.Start.x * b.y - b.x * e.Start.y) / 2;
        if (!e.IsArc()) continue;
        const double r = std::hypot(e.Start.x - e.Centre.x, e.Start.y - e.Centre.y);
        const double t = std::fabs(e.Sweep) * kRad;
        area += std::copysign(r * r / 2 * (t - std::sin(t)), e.Sweep);
    }
    return area;
}

TEST(ElbowPattern, PiecesAddUpToTheDevelopedSurfaceOfEveryGore) {
    Lcg rng(7);
    for (int i = 0; i < 120; ++i) {
        const ElbowInputs in = RandomElbow(rng, i);
        FlatPatternBuilder flat;
        DrawElbowPattern(flat, LayOutElbow(in), ElbowDrawing::File);
        const FlatPattern p = flat.Take();
        const double alpha = in.Angle / (in.Gores + 1) * kRad;
        const double expected =
            kPi * in.Diameter * (in.Gores + 1) * 2 * in.Radius * std::tan(alpha / 2);
        double total = 0;
        for (const CutOutline& o : p.Outlines) {
            const double a = OutlineArea(o);
            // Counter-clockwise, and never a piece of no area.
            EXPECT_GT(a, 0) << i << " " << o.Piece;
            total += o.Quantity * a;
        }
        EXPECT_NEAR(total, expected, 1e-6 * expected) << i;
    }
}

TEST(ElbowPattern, CutCurvesPassThroughEveryStation) {
    const ElbowInputs in = Elbow(10, 15, 90, 3, 12, false, true);
    const ElbowLayout layout = LayOutElbow(in);
    for (const ElbowEdge& e : layout.Edges) {
        if (e.Square) continue;
        const auto spans = ElbowSpans(e.Points);
        ASSERT_EQ(spans.size(), 24u);
        for (std::size_t j = 0; j < spans.size(); ++j) {
            const ElbowSpan& s = spans[j];
            ASSERT_TRUE(s.IsArc);
            for (std::size_t k = 2 * j; k <= 2 * j + 2; ++k) {
                const TDPoint& p = e.Points[k];
                EXPECT_NEAR(std::hypot(p.x - s.Centre.x, p.y - s.Centre.y), s.Radius, 1e-9);
            }
            // The arc's middle stays close to the true curve (the cosine) between stations.
            const double mid = (e.Points[2 * j].x + e.Points[2 * j + 1].x) / 2;
            const double phi = mid / 5;
            const double trueY =
                e.Points[24].y + (e.Points[0].y - e.Points[24].y) * (1 + std::cos(phi)) / 2;
            const double arcY =
                s.Centre.y + std::copysign(std::sqrt(s.Radius * s.Radius -
                                                     (mid - s.Centre.x) * (mid - s.Centre.x)),
                                           trueY - s.Centre.y);
            EXPECT_NEAR(arcY, trueY, 1e-3) << j;
        }
    }
}

// The outline's edges as (from, to) pairs with their sweeps.
struct Segment {
    TDPoint From, To;
    double Sweep;
};
std::vector<Segment> EdgesOf(const CutOutline& o) {
    std::vector<Segment> out;
    for (std::size_t i = 0; i < o.Edges.size(); ++i)
        out.push_back(
            {o.Edges[i].Start, o.Edges[(i + 1) % o.Edges.size()].Start, o.Edges[i].Sweep});
    return out;
}

TEST(ElbowPattern, NeighboursOnTheStripShareTheirCutExactly) {
    for (bool heel : {false, true}) {
        const ElbowInputs in = Elbow(10, 15, 90, 3, 6, heel, true);
        FlatPatternBuilder flat;
        DrawElbowPattern(flat, LayOutElbow(in), ElbowDrawing::File);
        const FlatPattern p = flat.Take();
        ASSERT_EQ(p.Outlines.size(), 5u);
        for (std::size_t k = 0; k + 1 < p.Outlines.size(); ++k) {
            // Every edge of the upper gore's outline that runs along the cut is an edge of the
            // lower gore's outline run backwards: the same end points, the opposite turn.
            int shared = 0;
            for (const Segment& a : EdgesOf(p.Outlines[k]))
                for (const Segment& b : EdgesOf(p.Outlines[k + 1]))
                    if (a.From.x == b.To.x && a.From.y == b.To.y && a.To.x == b.From.x &&
                        a.To.y == b.From.y && a.Sweep == -b.Sweep)
                        ++shared;
            EXPECT_EQ(shared, 12) << k; // the 24 stations' intervals as 12 arcs
        }
        // The strip is one rectangle from y = 0 to the length of all gores.
        const ElbowSizes s = ElbowSizesOf(in);
        EXPECT_DOUBLE_EQ(p.Outlines.front().Edges.front().Start.y, 0);
        EXPECT_NEAR(p.Outlines.back().Edges.back().Start.y, s.StripLength, 1e-12);
    }
}

} // namespace
} // namespace brevant::testing
