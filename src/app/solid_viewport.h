// The 3D viewport of the "Solid" tab: an OpenGL surface cleared to black where the platform
// can create an OpenGL context, otherwise a plain black placeholder of the same name.
#pragma once

#include <QWidget>

namespace brevant {

// True when an OpenGL context can be created and made current on an off-screen surface.
bool OpenGLAvailable();

// Creates the viewport widget ("Viewport3D1") with the four-way arrow cursor.
QWidget* MakeSolidViewport(QWidget* parent);

} // namespace brevant
