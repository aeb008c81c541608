// The flat pattern of a transition, laid out triangle by triangle from the seam: each new point
// keeps its true 3D distances to the two points of the line it folds about. Also the angle
// between the two facets at every line, which says where the part is bent.
#pragma once

#include "geometry/types.h"
#include "layouts/transition/transition_model.h"

#include <cmath>
#include <vector>

namespace brevant {

// A line whose facets meet at an angle this far from 180 degrees (or more) is bent.
inline constexpr double kFlatJointTolerance = 1e-4;

struct TransitionFlat {
    // The flat positions of every rung's bottom and top point, rung by rung.
    std::vector<TDPoint> Bottom;
    std::vector<TDPoint> Top;
    // The flat bottom and top edges: each point once, from the first seam to the last.
    std::vector<TDPoint> BottomEdge;
    std::vector<TDPoint> TopEdge;
    std::vector<double> TrueLengths; // of every rung
    std::vector<double> BendAngles;  // between the two facets at every rung, degrees; 180 flat
    double Area = 0;                 // of the 3D facets (square inches)
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    double Width() const { return MaxX - MinX; }
    double Height() const { return MaxY - MinY; }
    bool IsBend(size_t k) const { return std::abs(BendAngles[k] - 180.0) > kFlatJointTolerance; }
    // The closed outline: the bottom edge from the first seam to the last, then the top edge
    // back; counter-clockwise.
    std::vector<TDPoint> Outline() const;
};

// Develops the model. The first seam's bottom point is the origin and the bottom points of the
// two seams lie on the X axis, the pattern above it.
TransitionFlat DevelopTransition(const TransitionModel& model);

// The angle between the two facets at rung k (as seen along the rung); the seams of a half
// meet the other half's mirror image.
std::vector<double> TransitionBendAngles(const TransitionModel& model);

// The area of the 3D facets.
double TransitionSurfaceArea(const TransitionModel& model);

// The enclosed area of a closed polygon (positive counter-clockwise).
double SignedArea(const std::vector<TDPoint>& polygon);

} // namespace brevant
