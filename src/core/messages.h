// The texts the program shows to the user, each written once.
#pragma once

namespace brevant {

inline constexpr const char* kMsgBadNumberIn = "Bad number in ";       // at Calculate
inline constexpr const char* kMsgBadNumberInCommit = "Bad Number in "; // on commit
inline constexpr const char* kMsgConeNotEnough = "Must have at least one dia and two other dims.";
inline constexpr const char* kMsgNotEnough = "Not Enough Dimensions";
inline constexpr const char* kMsgOverwrite = "Overwrite existing file?";
inline constexpr const char* kMsgNoHelpFile = "Can't Find Help File ";
inline constexpr const char* kMsgNotImplementedSpiral = "Not implemented for Spiral";
inline constexpr const char* kMsgNotImplementedPipe = "Not implemented for Pipe";
inline constexpr const char* kNoValue = "---";

// The cone layouts.
inline constexpr const char* kMsgTopLargerSolve = "ERROR: Top Dia is Larger Than Bottom Dia.";
inline constexpr const char* kMsgTopLargerDims = "Error: Top Dia is Larger than Bottom Dia";
inline constexpr const char* kMsgSideTooShort = "Length does not reach bottom dia and top dia";
inline constexpr const char* kMsgCylinderPrefix = "Cone taper is less than ";
inline constexpr const char* kMsgCylinderSuffix = " degrees. Making Cylinder.";
inline constexpr const char* kMsgNotEnoughData = "Not Enough Data Input";
inline constexpr const char* kMsgBottomDiaZero = "Calculated Bottom Dia is <= 0";
inline constexpr const char* kMsgTopDiaZero = "Calculated Top Dia is <= 0";
inline constexpr const char* kMsgAngleTooBig = "Angle is too big";
inline constexpr const char* kMsgSmallRadiusLarger =
    "Error: Small radius is larger than big radius";
inline constexpr const char* kMsgFlatAngleTooSmall = "Error: Flat angle is less than 1 degree";
inline constexpr const char* kMsgSideCutTooBig = "Side Cut Width is Too Big";
inline constexpr const char* kMsgNoSheetSize = "No Sheet Size";
inline constexpr const char* kMsgNoCones = "No Cones Defined";
inline constexpr const char* kMsgTooLargeToDraw = "Pattern too large to draw";
// The full-scale pattern PDF: the refusal, and the page count as number + paper + this.
inline constexpr const char* kMsgPdfTooManyPages =
    "Max 60 pages. - Printed Pattern Has Too Many Pages";
inline constexpr const char* kMsgPdfPagesSuffix = " Pages";
// Tilted ends that cross each other or reach past the apex leave no pattern.
inline constexpr const char* kMsgEndPlanesCross =
    "Error: the tilted ends cross each other or reach past the cone's apex";
inline constexpr const char* kTitleCylinder = "Cylinder Dimensions";
inline constexpr const char* kTitleModifiedCone = "Modified Cone Dimensions";
inline constexpr const char* kTitleRegularCone = "Regular Cone Dimensions";

// The 3D solid: nothing calculated that it could be made of.
inline constexpr const char* kMsgNoSolidPart = "Calculate the part before saving its 3D solid";

// The pipe intersection.
inline constexpr const char* kMsgPipeLarger = "Error: Small pipe is larger than Main pipe";
inline constexpr const char* kMsgPipeOutside = "Error: Small pipe is not within Main pipe";

} // namespace brevant
