// Plane and space distances between points, and midpoints.
#pragma once

#include "geometry/types.h"

namespace brevant {

// Plane distance; 0 when the x or the y difference exceeds kDistanceCutoff (100000).
// The calculator and the drawing routines share this one.
double Distance(double X1, double Y1, double X2, double Y2);
// Distance of the x and y parts of two points; z is ignored.
double Distance2Points(const TDPoint& Point1, const TDPoint& Point2);
// Space distance, without the 100000 cut-off.
double Distance3D(const TDPoint& Point1, const TDPoint& Point2);

// The pick rule of every construction with several solutions: the candidate nearer to
// PickPoint by Distance2Points wins, the second one on equal distances.
const TDPoint& NearerToPick(const TDPoint& First, const TDPoint& Second, const TDPoint& PickPoint);

// Halfway point on every axis.
TDPoint MidPoint(double X1, double Y1, double Z1, double X2, double Y2, double Z2);
TDPoint MidPoint2Points(const TDPoint& Point1, const TDPoint& Point2);

} // namespace brevant
