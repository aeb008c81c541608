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

// Where the line through p along dir meets the plane; false when it runs parallel to it.
bool MeetPlane(gp_Pnt& p, const gp_Vec& dir, const gp_Pln& plane) {
    const gp_Vec n(plane.Axis().Direction());
    const double across = dir.Dot(n);
    if (std::fabs(across) < 1e-12 * dir.Magnitude()) return false;
    const double s = gp_Vec(p, plane.Location()).Dot(n) / across;
    p.Translate(dir * s);
    return true;
}

// One ruling of both skins: its ends moved off the described surface along the surface's
// normal at each end, then along the moved ruling onto the end planes.
bool SkinRuling(const RuledPiece& piece, size_t i, size_t n, const PlateJob& job, PlateGrid& g) {
    const gp_Pnt f = ToPnt(piece.First[i], job.Scale), s = ToPnt(piece.Second[i], job.Scale);
    const gp_Vec ruling(f, s);
    gp_Vec nf = RailTangent(piece.First, i, n, piece.Closed).Crossed(ruling);
    gp_Vec ns = RailTangent(piece.Second, i, n, piece.Closed).Crossed(ruling);
    if (ruling.Magnitude() <= job.Tolerance || nf.Magnitude() < 1e-300 || ns.Magnitude() < 1e-300)
        return false;
    nf.Normalize();
    ns.Normalize();
    for (int k = 0; k < 2; ++k) {
        gp_Pnt a = f.Translated(nf * job.Faces[k]), b = s.Translated(ns * job.Faces[k]);
        const gp_Vec along(a, b);
        if (piece.FirstPlane && !MeetPlane(a, along, ToPln(*piece.FirstPlane, job.Scale)))
            return false;
        if (piece.SecondPlane && !MeetPlane(b, along, ToPln(*piece.SecondPlane, job.Scale)))
            return false;
        const gp_Vec moved(a, b);
        // A face whose ruling turned round or shrank to nothing: the ends cross in the plate.
        if (moved.Dot(ruling) <= 0 || moved.Magnitude() <= job.Tolerance) return false;
        (k == 0 ? g.Inner : g.Outer).push_back(a);
        (k == 0 ? g.Inner : g.Outer).push_back(b);
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
    PlateGrid g;
    g.Nu = static_cast<int>(n);
    g.Nv = 2;
    g.ClosedU = piece.Closed;
    for (size_t i = 0; i < n; ++i)
        if (!SkinRuling(piece, i, n, job, g))
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
