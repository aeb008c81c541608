// The 3D model of the finished part: rings of points and the end planes.
#pragma once

namespace brevant {

struct SolidModel {};

} // namespace brevant
