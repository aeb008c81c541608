// The texts the transition shows, each written once. A message names the value it is about by
// the caption of its edit on the page.
#pragma once

namespace brevant {

inline constexpr const char* kTitleTransition = "Transition Dimensions";
inline constexpr const char* kMsgTransitionNeeds = "Not Enough Dimensions: enter the ";
inline constexpr const char* kMsgTransitionTooSmall = " is too small to form a part.";
inline constexpr const char* kMsgTransitionNegative = " cannot be negative.";
inline constexpr const char* kMsgTransitionTooLarge = " is too large to develop.";
inline constexpr const char* kMsgTransitionHeight =
    "Height must be more than 0: the top must be above the bottom.";
inline constexpr const char* kMsgTransitionRadius = " is more than half the shorter side.";
inline constexpr const char* kMsgTransitionTilt =
    "Top Angle puts part of the top at or below the bottom.";
inline constexpr const char* kMsgTransitionCrossing =
    "Top Angle is too steep for these sections: the surface would pass through itself.";
inline constexpr const char* kMsgTransitionThickness =
    "Material Thickness is too large for the section measured on its outside: ";
inline constexpr const char* kMsgTransitionWhole =
    "Whole pattern: a top shifted along Y makes the two halves differ.";

inline constexpr const char* kMsgTransitionNotCalculated = "No transition has been calculated.";

} // namespace brevant
