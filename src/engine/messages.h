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

} // namespace brevant
