// The fixed numbers of the geometry routines: degree constants, tolerances and limits.
#pragma once

#include "core/angle_units.h"

namespace brevant {

// The calculator routines convert with kCalcDegreesPerRadian (core/angle_units.h); the drawing
// copies used by the CAD view, and GetVertexAngle, with the program's kDegreesPerRadian.
inline constexpr double kDrawDegreesPerRadian = kDegreesPerRadian;
// The full turn used for arc lengths.
inline constexpr double kFullTurn = 6.283185307179586477;

// Distance counts as 0 once the x or the y difference exceeds this.
inline constexpr double kDistanceCutoff = 100000;
// GetAngle replaces a zero x or y difference by this and nudges the first point by it.
inline constexpr double kAngleNudge = 1e-7;
// Point2Lines: smallest x difference of a line and smallest slope difference.
inline constexpr double kSlopeFloor = 1e-6;
// PointsNormalLineArc: an x coefficient below this counts as 0 (a horizontal line).
inline constexpr double kNormalLineZeroA = 1e-7;
// PointsNormalLineArc: a discriminant below this means the line misses the circle.
inline constexpr double kMissDiscriminant = -1e-8;
// PointsNormalLineArc: an exactly zero discriminant becomes this before its square root.
inline constexpr double kZeroDiscriminant = 1e-8;
// Points2Arcs: circles farther apart than the sum of the radii plus this do not meet.
inline constexpr double kCirclesApartTolerance = 1e-4;
// PointLineArc: a centre-to-line distance this close to the radius is a tangent.
inline constexpr double kTangentTolerance = 1e-5;
// Arc3Points: directions from the first point closer than this (radians) are one line.
inline constexpr double kCollinearRadians = 0.001;
// ArcCenterTanLine: a radius this small or smaller counts as 0 (the centre on the line).
inline constexpr double kZeroRadiusTolerance = 0.00001;
// ArcTanArcPoint: a point this close to the circle counts as on it.
inline constexpr double kOnCircleTolerance = 0.00001;
// ArcThrough2Points: points at most this much farther apart than the diameter still fit.
inline constexpr double kFitArcTolerance = 0.0001;
// ArcTan3Lines: directions this close (degrees) make two lines parallel.
inline constexpr double kParallelDegrees = 0.00001;
// The tilt of the isometric view, in radians (54.7356 degrees).
inline constexpr double kIsoAlpha = 0.95531643805431348853;

} // namespace brevant
