// The plate of a faceted piece: each facet's two faces offset along its normal, the corners of
// the faces placed where the offset facets around them meet best (on the end plane where the
// corner ends on one), flat facets, and the coplanar end quads merged into one end face.
#include "documents/step_build.h"

#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakePolygon.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepLib.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Vec.hxx>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace brevant::step {

namespace {

struct Facet {
    gp_Vec Normal; // unit, towards the outside
    double Area = 0;
};

// Solves the symmetric system a x = b of size n (2 or 3) by elimination; false when singular.
template <int n> bool Solve(double (&a)[n][n], double (&b)[n], double (&x)[n]) {
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-300) return false;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (int r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int k = c; k < n; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    for (int c = n - 1; c >= 0; --c) {
        double s = b[c];
        for (int k = c + 1; k < n; ++k)
            s -= a[c][k] * x[k];
        x[c] = s / a[c][c];
    }
    return true;
}

// The shift of a corner that puts it, in the least-squares sense weighted by facet area, at the
// distance d from every facet around it; within the span of `basis` (the end plane's two
// directions, or all three axes for a free corner). A faint pull towards no shift keeps the
// answer unique where the facets leave a direction free.
template <int n>
gp_Vec CornerShift(const std::vector<const Facet*>& around, const gp_Vec (&basis)[n], double d) {
    double a[n][n] = {}, b[n] = {}, x[n] = {};
    double total = 0;
    for (const Facet* f : around) {
        double p[n];
        for (int i = 0; i < n; ++i)
            p[i] = f->Normal.Dot(basis[i]);
        for (int i = 0; i < n; ++i) {
            for (int k = 0; k < n; ++k)
                a[i][k] += f->Area * p[i] * p[k];
            b[i] += f->Area * d * p[i];
        }
        total += f->Area;
    }
    for (int i = 0; i < n; ++i)
        a[i][i] += 1e-9 * total;
    gp_Vec shift(0, 0, 0);
    if (!Solve<n>(a, b, x)) return shift;
    for (int i = 0; i < n; ++i)
        shift += basis[i] * x[i];
    return shift;
}

gp_Pnt PlaceCorner(const gp_Pnt& p, const std::vector<const Facet*>& around,
                   const std::optional<gp_Pln>& plane, double d) {
    if (d == 0) return p;
    if (plane) {
        const gp_Vec basis[2] = {gp_Vec(plane->XAxis().Direction()),
                                 gp_Vec(plane->YAxis().Direction())};
        return p.Translated(CornerShift<2>(around, basis, d));
    }
    const gp_Vec basis[3] = {gp_Vec(1, 0, 0), gp_Vec(0, 1, 0), gp_Vec(0, 0, 1)};
    return p.Translated(CornerShift<3>(around, basis, d));
}

TopoDS_Face FlatFace(std::initializer_list<gp_Pnt> corners) {
    BRepBuilderAPI_MakePolygon polygon;
    for (const gp_Pnt& p : corners)
        polygon.Add(p);
    polygon.Close();
    return BRepBuilderAPI_MakeFace(polygon.Wire(), true).Face();
}

struct Skins {
    std::vector<gp_Pnt> Inner, Outer;
};

// Facet normals and areas; false when a facet has no area.
bool FacetsOf(const FacetPiece& piece, const std::vector<gp_Pnt>& v, std::vector<Facet>& out) {
    for (const auto& f : piece.Facets) {
        const gp_Vec n = gp_Vec(v[f[0]], v[f[1]]).Crossed(gp_Vec(v[f[0]], v[f[2]]));
        if (n.Magnitude() < 1e-300) return false;
        out.push_back({n.Normalized(), n.Magnitude() / 2});
    }
    return true;
}

Skins PlaceSkins(const FacetPiece& piece, const std::vector<gp_Pnt>& v,
                 const std::vector<Facet>& facets, const PlateJob& job) {
    std::vector<std::vector<const Facet*>> around(v.size());
    for (size_t k = 0; k < piece.Facets.size(); ++k)
        for (int i : piece.Facets[k])
            around[i].push_back(&facets[k]);
    Skins skins;
    for (size_t i = 0; i < v.size(); ++i) {
        std::optional<gp_Pln> plane;
        if (piece.VertexPlane[i] >= 0) {
            const FormedPlane& p = piece.EndPlanes[piece.VertexPlane[i]];
            plane = gp_Pln(ToPnt(p.Point, job.Scale), gp_Dir(p.Normal.x, p.Normal.y, p.Normal.z));
        }
        skins.Inner.push_back(PlaceCorner(v[i], around[i], plane, job.Faces[0]));
        skins.Outer.push_back(PlaceCorner(v[i], around[i], plane, job.Faces[1]));
    }
    return skins;
}

// The edges that bound only one facet, each in the direction its facet runs.
std::vector<std::pair<int, int>> OpenEdges(const FacetPiece& piece) {
    std::map<std::pair<int, int>, int> uses;
    for (const auto& f : piece.Facets)
        for (int k = 0; k < 3; ++k)
            ++uses[std::minmax(f[k], f[(k + 1) % 3])];
    std::vector<std::pair<int, int>> open;
    for (const auto& f : piece.Facets)
        for (int k = 0; k < 3; ++k)
            if (uses[std::minmax(f[k], f[(k + 1) % 3])] == 1)
                open.emplace_back(f[k], f[(k + 1) % 3]);
    return open;
}

std::vector<TopoDS_Face> PlateFaces(const FacetPiece& piece, const Skins& s) {
    std::vector<TopoDS_Face> faces;
    for (const auto& f : piece.Facets) {
        faces.push_back(FlatFace({s.Outer[f[0]], s.Outer[f[1]], s.Outer[f[2]]}));
        faces.push_back(FlatFace({s.Inner[f[0]], s.Inner[f[2]], s.Inner[f[1]]}));
    }
    for (const auto& [a, b] : OpenEdges(piece)) {
        const bool onePlane =
            piece.VertexPlane[a] >= 0 && piece.VertexPlane[a] == piece.VertexPlane[b];
        if (onePlane) {
            faces.push_back(FlatFace({s.Outer[b], s.Outer[a], s.Inner[a], s.Inner[b]}));
        } else {
            faces.push_back(FlatFace({s.Outer[b], s.Outer[a], s.Inner[a]}));
            faces.push_back(FlatFace({s.Outer[b], s.Inner[a], s.Inner[b]}));
        }
    }
    return faces;
}

TopoDS_Shape SewFacets(const std::vector<TopoDS_Face>& faces, double tolerance) {
    BRepBuilderAPI_Sewing sewing(tolerance);
    for (const TopoDS_Face& f : faces)
        sewing.Add(f);
    sewing.Perform();
    TopoDS_Shell shell;
    int shells = 0;
    for (TopExp_Explorer x(sewing.SewedShape(), TopAbs_SHELL); x.More(); x.Next()) {
        shell = TopoDS::Shell(x.Current());
        ++shells;
    }
    if (shells != 1 || sewing.NbFreeEdges() > 0) return {};
    BRepBuilderAPI_MakeSolid make(shell);
    if (!make.IsDone()) return {};
    TopoDS_Solid solid = make.Solid();
    BRepLib::OrientClosedSolid(solid);
    // The end faces arrive as one quad per open edge; merged, each end is one flat face.
    ShapeUpgrade_UnifySameDomain unify(solid, true, true, false);
    unify.Build();
    return unify.Shape();
}

// True when the corners that end on one plane lie on both sides of another end plane: the ends
// cross each other (a top tilted so far that it reaches below the base).
bool EndsCross(const FacetPiece& piece) {
    for (size_t q = 0; q < piece.EndPlanes.size(); ++q) {
        const FormedPlane& plane = piece.EndPlanes[q];
        bool above = false, below = false;
        for (size_t i = 0; i < piece.Vertices.size(); ++i) {
            if (piece.VertexPlane[i] == static_cast<int>(q)) continue;
            const TDPoint& v = piece.Vertices[i];
            const double side = (v.x - plane.Point.x) * plane.Normal.x +
                                (v.y - plane.Point.y) * plane.Normal.y +
                                (v.z - plane.Point.z) * plane.Normal.z;
            (side > 0 ? above : below) = true;
        }
        if (above && below) return true;
    }
    return false;
}

} // namespace

BuiltPiece FacetPlate(const FacetPiece& piece, const PlateJob& job) {
    if (piece.Facets.empty() || piece.VertexPlane.size() != piece.Vertices.size())
        return {{}, "it has no facets"};
    if (EndsCross(piece)) return {{}, "its ends cross each other"};
    try {
        std::vector<gp_Pnt> v;
        for (size_t i = 0; i < piece.Vertices.size(); ++i) {
            gp_Pnt p = ToPnt(piece.Vertices[i], job.Scale);
            // A corner that ends on a plane is taken exactly onto it.
            if (piece.VertexPlane[i] >= 0) {
                const FormedPlane& e = piece.EndPlanes[piece.VertexPlane[i]];
                const gp_Pln plane(ToPnt(e.Point, job.Scale),
                                   gp_Dir(e.Normal.x, e.Normal.y, e.Normal.z));
                const gp_Vec n(plane.Axis().Direction());
                p.Translate(n * -gp_Vec(plane.Location(), p).Dot(n));
            }
            v.push_back(p);
        }
        std::vector<Facet> facets;
        if (!FacetsOf(piece, v, facets)) return {{}, "a facet has no area"};
        const TopoDS_Shape solid =
            SewFacets(PlateFaces(piece, PlaceSkins(piece, v, facets, job)), job.Tolerance);
        TopExp_Explorer x(solid, TopAbs_SOLID);
        if (!x.More() || !SolidIsValid(x.Current()))
            return {{}, "its faces do not close into a valid solid"};
        return {{x.Current()}, {}};
    } catch (const Standard_Failure& failure) {
        return {{}, std::string("the modelling kernel stopped: ") + failure.GetMessageString()};
    }
}

} // namespace brevant::step
