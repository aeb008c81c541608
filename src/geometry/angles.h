// Direction angles, arc sweeps, arc lengths and vertex angles, all in degrees.
#pragma once

#include "geometry/types.h"

namespace brevant {

// Brings an angle into [0, 360).
double FixAngle(double Angle);
// Counter-clockwise sweep from StartAngle to EndAngle; equal angles are a full turn (360).
// The angles are not normalised first: 10 to 400 sweeps 390.
double GetArcAngle(double StartAngle, double EndAngle);
// Length of the arc of the given radius and sweep.
double GetArcLength(double Radius, double StartAngle, double EndAngle);

// Calculator version: direction from (X1, Y1) to (X2, Y2) in [0, 360), with 57.29577951
// degrees per radian. Two equal points give 0. An exactly zero x or y difference is
// replaced by a nudge of 1e-7, so axis-parallel directions come out a hair off the axis
// (straight right from a distance of 10 is 359.99999943).
double GetAngle(double X1, double Y1, double X2, double Y2);
// GetAngle from Line1.Point1 to Line1.Point2.
double GetAngleLine(const TDLine& Line1);
// A direction of the line by quadrants, without nudge or FixAngle: an axis-parallel line
// gives the direction from Point1 to Point2, an oblique one the direction from Point2 to
// Point1 (180 to 270 for a line rising to the right). A zero-length line gives 0.
double AngleOfLine(const TDLine& Line1);

// The angle at the vertex between the arms to (x1, y1, z1) and (x3, y3, z3), 0 to 180,
// with 57.2957795131 degrees per radian; 0 when an arm has zero length.
double GetVertexAngle(double x1, double y1, double z1, double vertex_x, double vertex_y,
                      double vertex_z, double x3, double y3, double z3);

// Direction in degrees (0 to 360, single precision) of the vector from (x1, y1) to (x2, y2) by
// the drawing's GetAngle; 0 for equal points.
double DirectionAngle(double x1, double y1, double x2, double y2);
// The angle brought into 0 (inclusive) to 360 (exclusive); a non-finite angle gives 0.
double NormalizeAngle(double angle);

namespace draw {
// Drawing copy of GetAngle: the same steps with 57.2957795131 degrees per radian.
double GetAngle(double X1, double Y1, double X2, double Y2);
} // namespace draw

namespace detail {
// GetAngle before FixAngle, with the given degrees per radian (a straight-right direction
// comes out just below 360 and stays there).
double RawDirectionAngle(double X1, double Y1, double X2, double Y2, double DegreesPerRadian);
} // namespace detail

} // namespace brevant
