// The plane geometry the CAD view uses on its elements (the drawing routines of the geometry
// library, read from element coordinates): angles, distances, closest points,
// arc end points and rotation (degrees converted with the drawing constant 57.2957795131).
#pragma once

#include "caddraw/element.h"
#include "geometry/constants.h"
#include "geometry/types.h"

namespace brevant::drawgeo {

// Plane distance; 0 when the x or y difference exceeds 100000.
double Distance(double x1, double y1, double x2, double y2);
// Direction from the first point to the second, in [0, 360); axis-parallel directions come
// out a hair off the axis.
double GetAngle(double x1, double y1, double x2, double y2);
double FixAngle(double angle);
// Counter-clockwise sweep from start to end; 360 when equal.
double GetArcAngle(double startAngle, double endAngle);
TDPoint PointArcAngle(const TDArc& arc, double angle);
// Foot of the perpendicular from pick onto the infinite line (z = 0); unchanged on failure.
void GetClosestPointLine(const TDLine& line, const TDPoint& pick, TDPoint& point);
// The point of the full circle in the direction of pick.
TDPoint GetClosestPointArc(const TDArc& arc, const TDPoint& pick);
// Element adapters.
TDArc ArcOf(const TElement& e);
TDLine LineOf(const TElement& e);
// Start and end points of an arc element (x, y; z left as given). False for radius 0.
bool GetArcEndPoints(const TElement& e, TDPoint& start, TDPoint& end);
TDPoint MidArc(const TElement& e);
// Closest point of a point, line or arc element; other types leave point unchanged.
void GetClosestPoint(const TElement& e, const TDPoint& pick, TDPoint& point);
// A point rotated about (cx, cy) in the XY plane, keeping its z.
TDPoint RotateAbout(const TDPoint& p, double cx, double cy, double angle);
// The isometric projection of a world point.
TDPoint IsoProject(double x, double y, double z);

} // namespace brevant::drawgeo
