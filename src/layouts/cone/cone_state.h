// Results of the last cone Calculate: flat radii and angles, chords, overlap, sheet counts.
#pragma once

#include "geometry/types.h"

namespace brevant {

struct ConeState {
    bool IsObliqueCone = false;

    // --- regular cone development (lengths in inches, angles in degrees) ---
    float FlatLargeRadius = 0; // R: apex to the bottom edge, flat
    float FlatSmallRadius = 0; // r: apex to the top edge, flat
    float FullFlatAngle = 0;   // sector angle of the whole cone
    float FlatAngle = 0;       // sector angle of the drawn piece
    float PatternWidth = 0;    // piece without overlap
    float PatternHeight = 0;
    float InnerChord = 0;
    float OuterChord = 0;
    TDLine OverlapEdge; // right radial edge moved outwards by the overlap; Point1 at radius R
    float OverlapPatternWidth = 0;
    float OverlapPatternHeight = 0;
    float OverlapInnerChord = 0;
    float OverlapOuterChord = 0;
    // Side cuts: cone angles (0 to 360) where the cutting plane meets the top and bottom circles.
    float SideCutTopAngle = 0;
    float SideCutBottomAngle = 0;
    // Sheet nesting: pieces on the sheet as typed and on the sheet turned by 90 degrees.
    int SheetCount = 0;
    int SheetCountTurned = 0;

    // Clears the regular development's results (not the oblique block below).
    void ClearRegularResults() {
        FlatLargeRadius = FlatSmallRadius = FullFlatAngle = FlatAngle = 0;
        PatternWidth = PatternHeight = InnerChord = OuterChord = 0;
        OverlapEdge = TDLine{};
        OverlapPatternWidth = OverlapPatternHeight = OverlapInnerChord = OverlapOuterChord = 0;
        SideCutTopAngle = SideCutBottomAngle = 0;
        SheetCount = SheetCountTurned = 0;
    }
    // --- end of the regular cone block ---

    // --- modified cone and cylinder (oblique development, cylinder strip) ---
    TDPoint ConeApex;          // apex of the last oblique development
    TDPointList TopEdgePoints; // flat point k of top ring point k (closing point not kept)
    TDPointList BottomEdgePoints;
    TDPoint TopClosingPoint; // the end edge of the development, from top to bottom
    TDPoint BottomClosingPoint;
    float CylinderTop = 0; // y of the top and bottom lines of the rectangle or strip
    float CylinderBottom = 0;
    float CylinderLeft = 0; // x of its sides
    float CylinderRight = 0;
    // --- end of the modified cone and cylinder block ---
};

} // namespace brevant
