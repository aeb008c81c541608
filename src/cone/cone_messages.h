// The texts the cone layouts show to the user, each written once.
#pragma once

namespace brevant {

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
inline constexpr const char* kMsgTooLargeToDraw = "Pattern too large to draw";
inline constexpr const char* kMsgNoSheetSize = "No Sheet Size";
inline constexpr const char* kMsgNoCones = "No Cones Defined";
inline constexpr const char* kTitleRegularCone = "Regular Cone Dimensions";

} // namespace brevant
