// The layout definition: every input of every layout type, lengths in inches, angles in
// degrees, single precision; 0 means a dimension is not given.
#pragma once

#include "core/material.h"

namespace brevant {

struct LayoutDefinition {
    // Cone
    float TopDiameter = 0;
    float BottomDiameter = 0;
    float ConeHeight = 0;
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
    // Sheet nesting
    float SheetWidth = 0;
    float SheetHeight = 0;
    float XClearance = 0;
    float YClearance = 0;
    // Square to round
    float SquareWidth = 0;
    float SquareLength = 0;
    float SquareHeight = 0;
    float SquareTopDiameter = 0;
    float SquareTopAngle = 0;
    float SquareTopXShift = 0;
    float SquareTopYShift = 0;
    bool SquareHalfPattern = false;
    int BendsPerCorner = 4;
    // Spiral flight
    float SpiralOD = 0;
    float SpiralID = 0;
    float SpiralPitch = 0;
    // The spiral's material thickness, read from ThicknessEdit with the spiral inputs and kept
    // apart from the cone's MaterialThickness.
    float SpiralThickness = 0;
    // Pipe intersection
    float PipeBigOD = 0;
    float PipeSmallOD = 0;
    float PipeOffset = 0;
    // Material
    float MaterialThickness = 0;
    int ThicknessSide = kMiddle;
    bool ShowThickness = false;
    bool ShowSideCut = false;
    // Set by the cone solver: which principal dimensions the solution started from.
    bool TopDiameterGiven = false;
    bool BottomDiameterGiven = false;
    bool ConeHeightGiven = false;
    bool SideAngleGiven = false;
    bool SideLengthGiven = false;
    bool IsCylinder = false;
};

} // namespace brevant
