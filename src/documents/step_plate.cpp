// The solid of a plate between two sampled skins: smooth skins through the samples, flat ends
// on their end planes or ends cut square to the plate, sewn into one closed shell.
#include "documents/step_build.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepLib.hxx>
#include <GProp_GProps.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <GeomAPI_PointsToBSplineSurface.hxx>
#include <GeomFill.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Geom_Curve.hxx>
#include <Geom_Surface.hxx>
#include <Standard_Failure.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_Array2OfPnt.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Wire.hxx>

#include <cmath>

namespace brevant::step {

namespace {

using Points = std::vector<gp_Pnt>;

const gp_Pnt& At(const Points& skin, const PlateGrid& g, int i, int j) {
    return skin[static_cast<size_t>(i) * g.Nv + j];
}

// The curve through one column of a skin, at the parameters 0, 1, 2, ...: every column of both
// skins shares them, so neighbouring samples stay neighbours across the plate.
Handle(Geom_Curve) ColumnCurve(const Points& skin, const PlateGrid& g, int j, double tolerance) {
    auto points = MakeHandle<TColgp_HArray1OfPnt>(1, g.Nu);
    auto params = MakeHandle<TColStd_HArray1OfReal>(1, g.Nu + (g.ClosedU ? 1 : 0));
    for (int i = 0; i < g.Nu; ++i) {
        points->SetValue(i + 1, At(skin, g, i, j));
        params->SetValue(i + 1, i);
    }
    if (g.ClosedU) params->SetValue(g.Nu + 1, g.Nu);
    GeomAPI_Interpolate interpolate(points, params, g.ClosedU, tolerance);
    interpolate.Perform();
    if (!interpolate.IsDone()) return nullptr;
    return Handle(Geom_Curve)(interpolate.Curve());
}

// The surface through every sample of a skin that closes round (periodic along the rails): the
// columns' curves share their knots, so interpolating their poles across the plate gives the
// poles of the surface through the grid.
Handle(Geom_Surface) ClosedSkin(const Points& skin, const PlateGrid& g, double tolerance) {
    std::vector<Handle(Geom_BSplineCurve)> columns;
    for (int j = 0; j < g.Nv; ++j) {
        auto c = Handle(Geom_BSplineCurve)::DownCast(ColumnCurve(skin, g, j, tolerance));
        if (c.IsNull()) return nullptr;
        columns.push_back(c);
    }
    const Handle(Geom_BSplineCurve)& first = columns.front();
    const int nu = first->NbPoles();
    std::vector<Handle(Geom_BSplineCurve)> rows;
    for (int k = 1; k <= nu; ++k) {
        auto poles = MakeHandle<TColgp_HArray1OfPnt>(1, g.Nv);
        auto params = MakeHandle<TColStd_HArray1OfReal>(1, g.Nv);
        for (int j = 0; j < g.Nv; ++j) {
            poles->SetValue(j + 1, columns[j]->Pole(k));
            params->SetValue(j + 1, j);
        }
        GeomAPI_Interpolate row(poles, params, false, tolerance);
        row.Perform();
        if (!row.IsDone()) return nullptr;
        rows.push_back(row.Curve());
    }
    const int nv = rows.front()->NbPoles();
    TColgp_Array2OfPnt poles(1, nu, 1, nv);
    for (int k = 1; k <= nu; ++k)
        for (int l = 1; l <= nv; ++l)
            poles.SetValue(k, l, rows[k - 1]->Pole(l));
    TColStd_Array1OfReal uKnots(1, first->NbKnots()), vKnots(1, rows.front()->NbKnots());
    TColStd_Array1OfInteger uMults(1, first->NbKnots()), vMults(1, rows.front()->NbKnots());
    first->Knots(uKnots);
    first->Multiplicities(uMults);
    rows.front()->Knots(vKnots);
    rows.front()->Multiplicities(vMults);
    return MakeHandle<Geom_BSplineSurface>(poles, uKnots, vKnots, uMults, vMults, first->Degree(),
                                           rows.front()->Degree(), true, false);
}

// A skin: ruled between its two rails when the grid is two samples wide, otherwise a smooth
// surface through every sample.
Handle(Geom_Surface) SkinSurface(const Points& skin, const PlateGrid& g, double tolerance) {
    if (g.Nv == 2) {
        Handle(Geom_Curve) first = ColumnCurve(skin, g, 0, tolerance);
        Handle(Geom_Curve) last = ColumnCurve(skin, g, 1, tolerance);
        if (first.IsNull() || last.IsNull()) return nullptr;
        return GeomFill::Surface(first, last);
    }
    if (g.ClosedU) return ClosedSkin(skin, g, tolerance);
    TColgp_Array2OfPnt grid(1, g.Nu, 1, g.Nv);
    for (int i = 0; i < g.Nu; ++i)
        for (int j = 0; j < g.Nv; ++j)
            grid.SetValue(i + 1, j + 1, At(skin, g, i, j));
    GeomAPI_PointsToBSplineSurface fit;
    fit.Interpolate(grid);
    if (!fit.IsDone()) return nullptr;
    return Handle(Geom_Surface)(fit.Surface());
}

// The edge of a skin at the first or last end across the plate (v) or along it (u).
Handle(Geom_Curve) SkinBoundary(const Handle(Geom_Surface) & s, bool alongU, bool last) {
    double u0, u1, v0, v1;
    s->Bounds(u0, u1, v0, v1);
    return alongU ? s->VIso(last ? v1 : v0) : s->UIso(last ? u1 : u0);
}

TopoDS_Face RuledFace(const Handle(Geom_Curve) & a, const Handle(Geom_Curve) & b, double tol) {
    return BRepBuilderAPI_MakeFace(GeomFill::Surface(a, b), tol).Face();
}

// The area of a closed curve seen along the plane's normal, from samples: which of two nested
// loops is the outer one.
double LoopArea(const Handle(Geom_Curve) & c, const gp_Pln& plane) {
    constexpr int kSamples = 64;
    const gp_Dir n = plane.Axis().Direction();
    gp_Vec sum(0, 0, 0);
    const double a = c->FirstParameter(), b = c->LastParameter();
    const gp_Pnt o = c->Value(a);
    gp_Pnt prev = o;
    for (int k = 1; k <= kSamples; ++k) {
        const gp_Pnt p = c->Value(a + (b - a) * k / kSamples);
        sum += gp_Vec(o, prev).Crossed(gp_Vec(o, p));
        prev = p;
    }
    return std::fabs(sum.Dot(gp_Vec(n))) / 2;
}

// A flat end of a closed plate: the ring between two nested loops on the plane.
TopoDS_Face FlatRingEnd(const gp_Pln& plane, const Handle(Geom_Curve) & a,
                        const Handle(Geom_Curve) & b) {
    const bool aOuter = LoopArea(a, plane) >= LoopArea(b, plane);
    const TopoDS_Wire outer = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(aOuter ? a : b));
    const TopoDS_Wire inner = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(aOuter ? b : a));
    BRepBuilderAPI_MakeFace face(plane, outer, true);
    face.Add(TopoDS::Wire(inner.Reversed()));
    return face.Face();
}

// A flat end of an open plate: the strip between the two skins' edges and the two short
// straight sides that close it.
TopoDS_Face FlatStripEnd(const gp_Pln& plane, const Handle(Geom_Curve) & a,
                         const Handle(Geom_Curve) & b) {
    const gp_Pnt a0 = a->Value(a->FirstParameter()), a1 = a->Value(a->LastParameter());
    const gp_Pnt b0 = b->Value(b->FirstParameter()), b1 = b->Value(b->LastParameter());
    BRepBuilderAPI_MakeWire wire;
    wire.Add(BRepBuilderAPI_MakeEdge(a));
    wire.Add(BRepBuilderAPI_MakeEdge(a1, b1));
    wire.Add(BRepBuilderAPI_MakeEdge(b));
    wire.Add(BRepBuilderAPI_MakeEdge(b0, a0));
    return BRepBuilderAPI_MakeFace(plane, wire.Wire(), true).Face();
}

TopoDS_Face EndFace(const std::optional<gp_Pln>& plane, bool closed, const Handle(Geom_Curve) & a,
                    const Handle(Geom_Curve) & b, double tol) {
    if (!plane) return RuledFace(a, b, tol);
    return closed ? FlatRingEnd(*plane, a, b) : FlatStripEnd(*plane, a, b);
}

// The one closed shell of the sewn faces as a solid facing outwards; null when the faces do
// not close.
TopoDS_Shape SewSolid(const std::vector<TopoDS_Face>& faces, double tolerance) {
    BRepBuilderAPI_Sewing sewing(tolerance);
    for (const TopoDS_Face& f : faces)
        sewing.Add(f);
    sewing.Perform();
    const TopoDS_Shape sewn = sewing.SewedShape();
    TopoDS_Shell shell;
    int shells = 0;
    for (TopExp_Explorer x(sewn, TopAbs_SHELL); x.More(); x.Next()) {
        shell = TopoDS::Shell(x.Current());
        ++shells;
    }
    if (shells != 1 || sewing.NbFreeEdges() > 0) return {};
    BRepBuilderAPI_MakeSolid make(shell);
    if (!make.IsDone()) return {};
    TopoDS_Solid solid = make.Solid();
    BRepLib::OrientClosedSolid(solid);
    return solid;
}

} // namespace

bool SolidIsValid(const TopoDS_Shape& solid) {
    if (solid.IsNull() || solid.ShapeType() != TopAbs_SOLID) return false;
    if (!BRepCheck_Analyzer(solid).IsValid()) return false;
    GProp_GProps props;
    BRepGProp::VolumeProperties(solid, props, kVolumeAccuracy, true);
    return props.Mass() > 0;
}

BuiltPiece PlateSolid(const PlateGrid& g, double tolerance) {
    try {
        Handle(Geom_Surface) inner = SkinSurface(g.Inner, g, tolerance);
        Handle(Geom_Surface) outer = SkinSurface(g.Outer, g, tolerance);
        if (inner.IsNull() || outer.IsNull()) return {{}, "its faces could not be made"};
        std::vector<TopoDS_Face> faces{BRepBuilderAPI_MakeFace(outer, tolerance).Face(),
                                       BRepBuilderAPI_MakeFace(inner, tolerance).Face()};
        for (bool last : {false, true})
            faces.push_back(EndFace(last ? g.LastEnd : g.FirstEnd, g.ClosedU,
                                    SkinBoundary(outer, true, last),
                                    SkinBoundary(inner, true, last), tolerance));
        if (!g.ClosedU)
            for (bool last : {false, true})
                faces.push_back(RuledFace(SkinBoundary(outer, false, last),
                                          SkinBoundary(inner, false, last), tolerance));
        TopoDS_Shape solid = SewSolid(faces, tolerance);
        if (!SolidIsValid(solid)) return {{}, "its faces do not close into a valid solid"};
        return {{solid}, {}};
    } catch (const Standard_Failure& failure) {
        return {{}, std::string("the modelling kernel stopped: ") + failure.GetMessageString()};
    }
}

} // namespace brevant::step
