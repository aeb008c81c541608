// End planes of cones and cylinders and the ring constructions on them, as pure geometry.
// Frame of these routines: x along the top shift, y up (the height), z across; the bottom
// centre is the origin.
#pragma once

#include "geometry/types.h"

namespace brevant {

// A plane through Point with the unit normal Normal.
struct TEndPlane {
    TDPoint Point;
    TDPoint Normal{0, 1, 0};
};

// The horizontal plane through (x, height, z) turned about an axis parallel to z by angleDeg;
// a positive angle lowers the side towards +x: its height over x is height - tan(a) (x - x0).
TEndPlane TiltedPlane(double x, double height, double z, double angleDeg);

// Where the line through `through` and `p` meets the plane; p unchanged when the line is
// parallel to the plane, has no length, or meets it beyond any usable distance.
TDPoint MoveThroughPointOntoPlane(const TDPoint& p, const TDPoint& through, const TEndPlane& plane);
// Where the line through p with the direction dir meets the plane (p unchanged as above).
TDPoint MoveAlongDirectionOntoPlane(const TDPoint& p, const TDPoint& dir, const TEndPlane& plane);

// n points on the circle of the radius around (cx, height, 0) at the ring angles 360 k / n.
TPathArray CircleRing(int n, double cx, double radius, double height);
// Replaces each point by the point of the ellipse around (cx, z 0) with half-axes halfX along
// x and halfZ along z in the direction from the centre to the old point.
void FitRingToEllipse(TPathArray& ring, double cx, double halfX, double halfZ);

// The apex of a cone frustum (T top, B bottom, H height, S top shift): the meeting point of
// its side lines; only meaningful for B != T.
TDPoint ConeApexPoint(double T, double B, double H, double S);

// The shape of a cone or cylinder as the rings need it (inches, degrees).
struct TConeShape {
    double T = 0, B = 0, H = 0, S = 0;
    double TopAngle = 0, BottomAngle = 0;
    double TopEllipseWidth = 0, BottomEllipseWidth = 0;
};

struct TRingPair {
    TPathArray Top;
    TPathArray Bottom;
};

// Rings of a true cone: n points each; ring point k of both rings lies on the same generator
// through the apex. With ellipses the plan of each end follows its ellipse (3D model only).
TRingPair ConeRings(const TConeShape& c, int n, bool ellipses);
// Rings of a cylinder about the vertical axis, each point moved parallel to the axis onto its
// tilted end plane.
TRingPair CylinderRings(const TConeShape& c, int n, bool ellipses);

// Up-frame points to the scene frame (Y down) and back.
TPathArray ToSceneFrame(const TPathArray& ring);

} // namespace brevant
