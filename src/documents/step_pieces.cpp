// The plate of each kind of piece: ruled pieces and helicoids through their skins' samples, the
// branch pipe as a revolved ring cut by its main pipe, and side cuts as half-spaces removed.
#include "documents/step_build.h"

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <Bnd_Box.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>
#include <gp_Vec.hxx>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant::step {

namespace {

gp_Vec ToVec(const TDPoint& p) {
    return gp_Vec(p.x, p.y, p.z);
}

// The direction of a rail at sample i, from its neighbours (one-sided at an open rail's ends).
gp_Vec RailTangent(const TPathArray& rail, size_t i, size_t n, bool closed) {
    const size_t before = i > 0 ? i - 1 : (closed ? n - 1 : 0);
    const size_t after = i + 1 < n ? i + 1 : (closed ? 0 : n - 1);
    return ToVec(rail[after]) - ToVec(rail[before]);
}

gp_Pln ToPln(const FormedPlane& p, double scale) {
    return gp_Pln(ToPnt(p.Point, scale), gp_Dir(ToVec(p.Normal)));
}

// The samples across each skin of a ruled piece whose normal turns along its rulings (a cone
// between an ellipse and a circle); a developable piece keeps straight skins of two samples.
constexpr int kTwistedAcross = 5;

// One ruling of the described surface, M(s) = F + s (S - F), with the rails' tangents at both
// ends: the surface's tangent along the rails at M(s) is their blend, and the normal the cross
// product of that tangent with the ruling.
struct Ruling {
    gp_Pnt F;
    gp_Vec R, TF, TS;
    gp_Vec Normal(double s) const {
        const gp_Vec n = (TF * (1 - s) + TS * s).Crossed(R);
        return n.Magnitude() > 1e-300 ? n.Normalized() : gp_Vec(0, 0, 0);
    }
    // The point at s on the plate face that lies d off the surface.
    gp_Pnt Skin(double s, double d) const { return F.Translated(R * s + Normal(s) * d); }
};

Ruling RulingAt(const RuledPiece& piece, size_t i, size_t n, double scale) {
    const gp_Pnt f = ToPnt(piece.First[i], scale), s = ToPnt(piece.Second[i], scale);
    return {f, gp_Vec(f, s), RailTangent(piece.First, i, n, piece.Closed),
            RailTangent(piece.Second, i, n, piece.Closed)};
}

// Where the face d off the surface meets an end plane along the ruling: the s that puts
// Skin(s, d) on the plane, by secant steps from s0 (the face is straight, or nearly).
bool SkinMeetsPlane(const Ruling& r, double d, const gp_Pln& plane, double s0, double& s) {
    const gp_Vec n(plane.Axis().Direction());
    auto side = [&](double t) { return gp_Vec(plane.Location(), r.Skin(t, d)).Dot(n); };
    double a = s0, b = s0 == 0 ? 1 : 0, fa = side(a), fb = side(b);
    for (int k = 0; k < 30 && std::fabs(fa) > 1e-12 * r.R.Magnitude(); ++k) {
        if (std::fabs(fb - fa) < 1e-300) return false;
        const double c = a - fa * (a - b) / (fa - fb);
        b = a;
        fb = fa;
        a = c;
        fa = side(a);
    }
    s = a;
    return std::isfinite(s) && std::fabs(fa) <= 1e-9 * r.R.Magnitude();
}

// One ruling of both skins, across samples each: the face d off the surface from the first
// end plane to the second (or the rails' ends, where a rail has no plane).
bool SkinRuling(const RuledPiece& piece, const Ruling& r, const PlateJob& job, PlateGrid& g) {
    if (r.R.Magnitude() <= job.Tolerance || r.Normal(0).Magnitude() == 0 ||
        r.Normal(1).Magnitude() == 0)
        return false;
    for (int k = 0; k < 2; ++k) {
        const double d = job.Faces[k];
        double s0 = 0, s1 = 1;
        if (piece.FirstPlane && !SkinMeetsPlane(r, d, ToPln(*piece.FirstPlane, job.Scale), 0, s0))
            return false;
        if (piece.SecondPlane && !SkinMeetsPlane(r, d, ToPln(*piece.SecondPlane, job.Scale), 1, s1))
            return false;
        // A face whose ruling turned round or shrank to nothing: the ends cross in the plate.
        if ((s1 - s0) * r.R.Magnitude() <= job.Tolerance) return false;
        for (int j = 0; j < g.Nv; ++j)
            (k == 0 ? g.Inner : g.Outer).push_back(r.Skin(s0 + (s1 - s0) * j / (g.Nv - 1), d));
    }
    return true;
}

// A box beyond the cut's plane, on the side its normal points to, larger than the part.
TopoDS_Shape HalfSpaceBox(const FormedPlane& cut, double scale, double size) {
    const gp_Dir n(ToVec(cut.Normal));
    const gp_Ax2 frame(ToPnt(cut.Point, scale), n);
    const gp_Pnt corner = frame.Location()
                              .Translated(gp_Vec(frame.XDirection()) * -size)
                              .Translated(gp_Vec(frame.YDirection()) * -size);
    return BRepPrimAPI_MakeBox(gp_Ax2(corner, n, frame.XDirection()), 2 * size, 2 * size, size)
        .Shape();
}

std::vector<TopoDS_Shape> SolidsOf(const TopoDS_Shape& shape) {
    std::vector<TopoDS_Shape> solids;
    for (TopExp_Explorer x(shape, TopAbs_SOLID); x.More(); x.Next())
        solids.push_back(x.Current());
    return solids;
}

} // namespace

BuiltPiece RuledPlate(const RuledPiece& piece, const PlateJob& job) {
    const size_t n = std::min(piece.First.size(), piece.Second.size());
    if (n < (piece.Closed ? 3u : 2u)) return {{}, "it has too few rulings"};
    std::vector<Ruling> rulings;
    bool twisted = false;
    for (size_t i = 0; i < n; ++i) {
        rulings.push_back(RulingAt(piece, i, n, job.Scale));
        const gp_Vec n0 = rulings.back().Normal(0), n1 = rulings.back().Normal(1);
        twisted = twisted || n0.Crossed(n1).Magnitude() > 1e-6;
    }
    PlateGrid g;
    g.Nu = static_cast<int>(n);
    g.Nv = twisted ? kTwistedAcross : 2;
    g.ClosedU = piece.Closed;
    for (const Ruling& r : rulings)
        if (!SkinRuling(piece, r, job, g))
            return {{}, "its ends cross each other within the plate"};
    if (piece.FirstPlane) g.FirstEnd = ToPln(*piece.FirstPlane, job.Scale);
    if (piece.SecondPlane) g.LastEnd = ToPln(*piece.SecondPlane, job.Scale);
    BuiltPiece built = PlateSolid(g, job.Tolerance);
    if (!built.Failure.empty() || piece.Cuts.empty()) return built;
    return CutAway(std::move(built), piece.Cuts, job);
}

BuiltPiece HelicoidPlate(const HelicoidPiece& piece, const PlateJob& job) {
    constexpr int kPerTurn = 64, kAcross = 9;
    const double ri = piece.InnerRadius * job.Scale, ro = piece.OuterRadius * job.Scale;
    const double c = piece.Pitch * job.Scale / (2 * std::numbers::pi);
    if (!(ri > 0) || !(ro > ri) || !(std::fabs(piece.Turns) > 0))
        return {{}, "its radii or turns leave no strip"};
    PlateGrid g;
    g.Nu = static_cast<int>(std::ceil(kPerTurn * std::fabs(piece.Turns))) + 1;
    g.Nv = kAcross;
    const double sweep = 2 * std::numbers::pi * piece.Turns;
    for (int i = 0; i < g.Nu; ++i) {
        const double a = sweep * i / (g.Nu - 1);
        for (int j = 0; j < g.Nv; ++j) {
            const double r = ri + (ro - ri) * j / (g.Nv - 1);
            const gp_Pnt m(r * std::cos(a), r * std::sin(a), c * a);
            // The helicoid's normal, on the side of +z.
            const gp_Vec normal = gp_Vec(c * std::sin(a), -c * std::cos(a), r).Normalized();
            g.Inner.push_back(m.Translated(normal * job.Faces[0]));
            g.Outer.push_back(m.Translated(normal * job.Faces[1]));
        }
    }
    return PlateSolid(g, job.Tolerance);
}

BuiltPiece BranchPlate(const BranchPiece& piece, const PlateJob& job) {
    const double rs = piece.BranchRadius * job.Scale, rb = piece.MainRadius * job.Scale;
    const double o = piece.Offset * job.Scale, length = piece.Length * job.Scale;
    const double r0 = rs + job.Faces[0], r1 = rs + job.Faces[1];
    if (!(r0 > 0) || !(rb > 0) || !(length > 0)) return {{}, "the plate is thicker than the pipe"};
    try {
        // The ring between the two faces revolved about the branch's axis, from the main axis's
        // level up to the far end, then the main pipe's cylinder taken out of it.
        BRepBuilderAPI_MakePolygon profile(gp_Pnt(0, o + r0, 0), gp_Pnt(0, o + r1, 0),
                                           gp_Pnt(0, o + r1, length), gp_Pnt(0, o + r0, length),
                                           true);
        const TopoDS_Face section = BRepBuilderAPI_MakeFace(profile.Wire(), true).Face();
        const TopoDS_Shape tube =
            BRepPrimAPI_MakeRevol(section, gp_Ax1(gp_Pnt(0, o, 0), gp_Dir(0, 0, 1))).Shape();
        const double reach = 4 * (rb + std::fabs(o) + r1 + length);
        const TopoDS_Shape main =
            BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(-reach, 0, 0), gp_Dir(1, 0, 0)), rb, 2 * reach)
                .Shape();
        BRepAlgoAPI_Cut cut(tube, main);
        if (!cut.IsDone()) return {{}, "the main pipe's cut could not be made"};
        BuiltPiece built{SolidsOf(cut.Shape()), {}};
        for (const TopoDS_Shape& s : built.Solids)
            if (!SolidIsValid(s)) return {{}, "its cut does not leave a valid solid"};
        return built;
    } catch (const Standard_Failure& failure) {
        return {{}, std::string("the modelling kernel stopped: ") + failure.GetMessageString()};
    }
}

BuiltPiece CutAway(BuiltPiece built, const std::vector<FormedPlane>& cuts, const PlateJob& job) {
    try {
        std::vector<TopoDS_Shape> solids = built.Solids;
        for (const FormedPlane& cut : cuts) {
            std::vector<TopoDS_Shape> kept;
            for (const TopoDS_Shape& solid : solids) {
                Bnd_Box box;
                BRepBndLib::Add(solid, box);
                const double size = 4 * std::sqrt(box.SquareExtent()) +
                                    4 * ToPnt(cut.Point, job.Scale).Distance(gp_Pnt(0, 0, 0));
                BRepAlgoAPI_Cut op(solid, HalfSpaceBox(cut, job.Scale, size));
                if (!op.IsDone()) return {{}, "its side cut could not be made"};
                for (const TopoDS_Shape& s : SolidsOf(op.Shape()))
                    kept.push_back(s);
            }
            solids = std::move(kept);
        }
        if (solids.empty()) return {{}, "its side cuts leave nothing of it"};
        for (const TopoDS_Shape& s : solids)
            if (!SolidIsValid(s)) return {{}, "its side cut does not leave a valid solid"};
        return {solids, {}};
    } catch (const Standard_Failure& failure) {
        return {{}, std::string("the modelling kernel stopped: ") + failure.GetMessageString()};
    }
}

} // namespace brevant::step
