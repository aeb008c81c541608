// Arcs through two given points. Each copies StartAngle and EndAngle into sa and ea.
#pragma once

#include "geometry/status.h"
#include "geometry/types.h"

namespace brevant {

// Both circles of the given Radius through Point1 and Point2: Arc1 about the first crossing
// of the circles of that radius about the two points, Arc2 about the second, both centres
// with Point1's z. kStatusNoArc, with both arcs unwritten, when the points lie more than
// the diameter (plus 0.0001) apart or coincide.
[[nodiscard]] GeometryStatus ArcThrough2Points(const TDPoint& Point1, const TDPoint& Point2,
                                               double Radius, double StartAngle, double EndAngle,
                                               TDArc& Arc1, TDArc& Arc2);

// The circle with the two points as a diameter: centre their midpoint (all three
// coordinates), r half their plane distance. Status 0.
GeometryStatus ArcBetween2Points(const TDPoint& Point1, const TDPoint& Point2, double StartAngle,
                                 double EndAngle, TDArc& Arc1);

} // namespace brevant
