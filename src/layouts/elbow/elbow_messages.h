// The texts the segmented elbow shows.
#pragma once

namespace brevant {

inline constexpr const char* kMsgElbowAngle =
    "Error: Bend angle must be over 0 and at most 180 degrees";
inline constexpr const char* kMsgElbowGores = "Error: Middle gores must be 0 to 40";
inline constexpr const char* kMsgElbowDivisions = "Error: Divisions per quarter must be 2 to 48";
inline constexpr const char* kMsgElbowRadius =
    "Error: Centreline radius is less than half the diameter";
inline constexpr const char* kMsgElbowJoint =
    "Error: One joint cannot turn 180 degrees. Add a middle gore";
inline constexpr const char* kMsgElbowThickness =
    "Error: Material thickness is not less than the diameter";
inline constexpr const char* kTitleElbow = "Segmented Elbow";

} // namespace brevant
