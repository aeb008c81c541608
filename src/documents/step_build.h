// Inside the STEP writer: the B-rep solids of the pieces of a formed part. Only the writer's own
// files include this header; it brings in the kernel's types.
#pragma once

#include "geometry/formed_part.h"

#include <Standard_Handle.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Pln.hxx>
#include <gp_Pnt.hxx>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brevant::step {

// How a piece is built: the display unit's scale (inches to the unit), the offsets of the
// plate's inner and outer faces from the described surface (already scaled) and the tolerance
// the faces are sewn with.
struct PlateJob {
    double Scale = 1;
    std::array<double, 2> Faces{0, 0};
    double Tolerance = 1e-6;
};

// The built piece: its solids (one for a sound piece) or why none could be made.
struct BuiltPiece {
    std::vector<TopoDS_Shape> Solids;
    std::string Failure;
};

// A plate between two skins sampled on the same grid: nu samples along the rails, nv across
// (2 for a ruled piece, whose skins are then ruled); point (i, j) at i * nv + j.
struct PlateGrid {
    int Nu = 0;
    int Nv = 0;
    bool ClosedU = false;
    std::vector<gp_Pnt> Inner;
    std::vector<gp_Pnt> Outer;
    std::optional<gp_Pln> FirstEnd; // the plane the plate ends on at j = 0
    std::optional<gp_Pln> LastEnd;  // and at j = nv - 1
};

// The solid of a plate grid, sewn from its two skins, its ends and, when open, its sides.
BuiltPiece PlateSolid(const PlateGrid& grid, double tolerance);

// The grids of the smooth pieces; empty Failure when they could be made.
BuiltPiece RuledPlate(const RuledPiece& piece, const PlateJob& job);
BuiltPiece HelicoidPlate(const HelicoidPiece& piece, const PlateJob& job);
BuiltPiece BranchPlate(const BranchPiece& piece, const PlateJob& job);
BuiltPiece FacetPlate(const FacetPiece& piece, const PlateJob& job);

// Removes the half-spaces of the cuts from the solids (in the piece's scaled frame).
BuiltPiece CutAway(BuiltPiece built, const std::vector<FormedPlane>& cuts, const PlateJob& job);

// The relative accuracy of the volumes measured: the kernel's plain integration misses by
// percents on faces trimmed by curved intersections, its adaptive one does not.
inline constexpr double kVolumeAccuracy = 1e-7;

// A valid closed solid with a positive volume: the kernel's check of every solid.
bool SolidIsValid(const TopoDS_Shape& solid);

// The kernel's objects are owned by its reference-counted handles, which take a new object.
template <class T, class... Args> opencascade::handle<T> MakeHandle(Args&&... args) {
    return opencascade::handle<T>(new T(std::forward<Args>(args)...));
}

inline gp_Pnt ToPnt(const TDPoint& p, double scale) {
    return gp_Pnt(p.x * scale, p.y * scale, p.z * scale);
}

} // namespace brevant::step
