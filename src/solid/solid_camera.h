// The camera rig's mouse handlers: orbit by a left-button drag, zoom by the wheel within the
// limits the last view preset set.
#pragma once

#include "solid/solid_model.h"

namespace brevant {

// A drag by (dx, dy) pixels with the left button held: the tilt decreases by 0.3 degree per
// pixel down, the turn increases by 0.3 degree per pixel right.
void OrbitCamera(SolidCamera& camera, double dx, double dy);
// A wheel step: a negative delta (towards the user) moves the camera closer by
// |delta| x ZoomStep, never past ZoomNear; a positive delta moves it away, never past ZoomFar.
void WheelCamera(SolidCamera& camera, double delta);

// A scene point in the camera's own frame: X to the right, Y downwards, Z the distance in front
// of the camera along its line of sight.
TDPoint CameraFramePoint(const SolidCamera& camera, const TDPoint& p);

} // namespace brevant
