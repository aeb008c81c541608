// The formed part as a solid output sees it: the pieces of plate as they leave the rolls or the
// press brake, each described by the surface that is developed, and the plate's thickness.
// Lengths in inches. The part stands on the plane z = 0 with its axis along +z.
#pragma once

#include "geometry/end_planes.h"
#include "geometry/types.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace brevant {

// The plate thickness used when a part has none: 1/8 in.
inline constexpr double kDefaultPlateThickness = 0.125;

// Where the described surface lies in the plate: its middle, its outside face or its inside
// face. The outside is the side each piece's orientation rule below names.
enum class PlateSide { Middle, Outside, Inside };

// A plane through Point; Normal need not have unit length.
struct FormedPlane {
    TDPoint Point;
    TDPoint Normal{0, 0, 1};
};

// A smooth ruled piece: the straight rulings run from First[i] to Second[i]. The two rails are
// dense samples of smooth curves taken at the same parameters, so consecutive rulings are
// neighbours on the surface; Closed joins the last ruling back to the first (a ring, without
// a repeated sample). The outside of the plate is the side of cross(rail tangent, ruling), the
// rails running with increasing i: counter-clockwise rails seen from above with rulings
// pointing up have the outside away from the axis.
// A rail on an end plane ends the plate on that plane (a cone's flat end); a rail without one
// is a free edge cut square to the plate. Each cut removes the half-space its plane's normal
// points into (a side cut).
struct RuledPiece {
    TPathArray First;
    TPathArray Second;
    bool Closed = false;
    std::optional<FormedPlane> FirstPlane;
    std::optional<FormedPlane> SecondPlane;
    std::vector<FormedPlane> Cuts;
};

// A helicoid strip: the surface swept by the radial line from InnerRadius to OuterRadius as it
// turns about the z axis and rises Pitch per turn (a negative pitch turns the other hand),
// from angle 0 (along +x) at z = 0 through Turns turns. Both long edges are free edges cut
// square to the plate; the outside is the side of +z at the start.
struct HelicoidPiece {
    double InnerRadius = 0;
    double OuterRadius = 0;
    double Pitch = 0;
    double Turns = 1;
};

// A branch pipe cut to fit the main pipe it stands on: the main pipe's axis is the x axis; the
// branch's axis is parallel to z through (0, Offset, 0). The branch's described cylinder of
// BranchRadius runs from where it meets the main pipe's cylinder of MainRadius up to the plane
// z = Length. The outside is away from the branch's axis.
struct BranchPiece {
    double BranchRadius = 0;
    double MainRadius = 0;
    double Offset = 0;
    double Length = 0;
};

// Flat facets joined along bend lines, as a press brake forms them: triangles of vertex
// indices, counter-clockwise seen from the outside. A vertex with an end plane (an index into
// EndPlanes) ends the plate on that plane; its entry is -1 where it ends square to the plate.
struct FacetPiece {
    std::vector<TDPoint> Vertices;
    std::vector<std::array<int, 3>> Facets;
    std::vector<FormedPlane> EndPlanes;
    std::vector<int> VertexPlane; // one entry per vertex
};

using FormedPiece = std::variant<RuledPiece, HelicoidPiece, BranchPiece, FacetPiece>;

struct FormedPart {
    std::string Name; // what the part is, for the product name of the file
    std::vector<FormedPiece> Pieces;
    double Thickness = 0; // 0: no thickness given, the default plate
    PlateSide Side = PlateSide::Middle;
};

// The thickness of the plate: the part's own, or the default plate when it has none.
inline double PlateThickness(const FormedPart& part) {
    return part.Thickness > 0 ? part.Thickness : kDefaultPlateThickness;
}

// The distances of the plate's two faces from the described surface along the outside
// normal (inner face first): -t/2 and t/2 in the middle, -t and 0 when the described surface is
// the outside face, 0 and t when it is the inside face.
std::array<double, 2> PlateFaceOffsets(PlateSide side, double thickness);

// The frame of the end-plane routines (x, height, z) to the file frame (x, z, height).
inline TDPoint UpFrameToFile(const TDPoint& up) {
    return {up.x, up.z, up.y};
}
// The 3D scene's frame (x, height down, z) to the file frame.
inline TDPoint SceneFrameToFile(const TDPoint& scene) {
    return {scene.x, scene.z, -scene.y};
}
inline FormedPlane UpFrameToFile(const TEndPlane& p) {
    return {UpFrameToFile(p.Point), UpFrameToFile(p.Normal)};
}

// The area of a piece's described surface, from a fine triangulation of it (inches squared).
double DescribedArea(const FormedPiece& piece);

} // namespace brevant
