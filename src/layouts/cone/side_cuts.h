// Side cuts: the cut widths from arc lengths, the cone angles of the cut and its lines.
#pragma once

namespace brevant {

struct ConeJob;

// Chord of an arc of the given length on a circle of diameter D (0 when D is not above 0).
double ArcLengthToChord(double arcLength, double D);
// Cone angle (degrees, 90 to 180) where a cut of width w meets a circle of diameter D (w < D).
double SideCutAngle(double w, double D);

// True when side cuts are to be drawn (setting on, widths given and smaller than the
// diameters; "Side Cut Width is Too Big" otherwise).
bool SideCutsApply(ConeJob& engine);
// Turns the arc-length edits into cut widths (definition and width edits).
void ArcLengthToCutWidth(ConeJob& engine);
// SideCutTopAngle and SideCutBottomAngle from the widths and the diameters.
void SideCutAngles(ConeJob& engine);
// The two cyan side-cut lines of a regular cone piece, of a cylinder or of an oblique cone.
void DrawSideCutLines(ConeJob& engine);

} // namespace brevant
