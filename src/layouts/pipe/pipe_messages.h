// The texts the pipe intersection shows to the user, each written once.
#pragma once

namespace brevant {

inline constexpr const char* kMsgPipeLarger = "Error: Small pipe is larger than Main pipe";
inline constexpr const char* kMsgPipeOutside = "Error: Small pipe is not within Main pipe";

} // namespace brevant
