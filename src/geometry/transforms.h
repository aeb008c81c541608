// Rotation about a centre in the drawing plane, and the isometric projection.
#pragma once

#include "geometry/types.h"

namespace brevant {

namespace draw {
// Rotation by Angle degrees about (CenterX, CenterY) in the XY plane, with the drawing
// routines: each point keeps its Distance from the centre (0 when more than 100000 away on
// an axis) and its direction plus Angle; z is kept. An arc turns its centre and adds Angle
// to sa and ea, taking 360 off both when the new sa exceeds 360; its radius is unchanged.
TDPoint RotateAbout(const TDPoint& Point1, double CenterX, double CenterY, double Angle);
TDLine RotateAbout(const TDLine& Line1, double CenterX, double CenterY, double Angle);
TDArc RotateAbout(const TDArc& Arc1, double CenterX, double CenterY, double Angle);
} // namespace draw

// The isometric view of a space point: X = (x + y) sin 60 sin a,
// Y = ((y - x) sin 30 + z) sin a, Z = z, with a = 54.7356 degrees.
TDPoint IsoProject(double x, double y, double z);

} // namespace brevant
