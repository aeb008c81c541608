// The cone's definition: every input of the cone page and of the cone's result panels, lengths
// in inches, angles in degrees, single precision; 0 means a dimension is not given.
#pragma once

#include "geometry/end_planes.h"

namespace brevant {

struct ConeDefinition {
    float TopDiameter = 0;
    float BottomDiameter = 0;
    float ConeHeight = 5; // the start-up value
    float TopAngle = 0;
    float BottomAngle = 0;
    float TopShift = 0;
    float TopEllipseWidth = 0;
    float BottomEllipseWidth = 0;
    float SideLength = 0;
    float SideAngle = 0;
    int SeamAngle = 0;
    int Bends = 0;
    float SegmentAngle = 0;
    float Overlap = 0; // half of the typed overlap
    float TopCutWidth = 0;
    float BottomCutWidth = 0;
    float TopArcLength = 0;
    float BottomArcLength = 0;
    // The sheet the pieces are nested on.
    float SheetWidth = 0;
    float SheetHeight = 0;
    float XClearance = 0;
    float YClearance = 0;
    // Set by the solver: which principal dimensions the solution started from.
    bool TopDiameterGiven = false;
    bool BottomDiameterGiven = false;
    bool ConeHeightGiven = false;
    bool SideAngleGiven = false;
    bool SideLengthGiven = false;
    bool IsCylinder = false;

    // The cone the rings are built on: diameters, height, top shift, end angles and ellipses.
    TConeShape Shape() const {
        return {TopDiameter, BottomDiameter, ConeHeight,      TopShift,
                TopAngle,    BottomAngle,    TopEllipseWidth, BottomEllipseWidth};
    }
};

} // namespace brevant
