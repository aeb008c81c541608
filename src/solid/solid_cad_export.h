// The 3D wire frame of a part for the CAD files: its two edge rings and the straight generators
// between them as 3D lines, every coordinate in the display unit.
#pragma once

#include "caddraw/cad_drawing.h"
#include "core/units.h"
#include "layouts/pipe/pipe_geometry.h"
#include "layouts/spiral/spiral_model.h"
#include "layouts/square/square_model.h"
#include "solid/cone_model.h"

#include <string>

namespace brevant {

// Ring points of the cone and pipe wire frames.
inline constexpr int kSolidCadRingPoints = 40;

// The CAD file type of a file name by its extension, any case: .cdl CDL, .igs and .iges IGES,
// anything else (.dxf, another or none) DXF.
int SolidCadTypeOf(const std::string& path);

// Two closed rings (scene frame, inches) of a cone or square to round as lines in the drawing's
// colour: for each point i the edges from point i - 1 to i of the top ring, then of the bottom
// ring (from i = 1), then the generator top[i] to bottom[i]; the two closing edges; a point at
// the bottom centre and one at topCentre (file frame). File (x, y, z) = scene (X, Z, -Y): the
// part stands on z = 0.
void AddRingWireFrame(TCadDrawing& out, const TPathArray& top, const TPathArray& bottom,
                      const TDPoint& topCentre, UnitSystem units);

// The side cuts of a cone as the last calculation found them (degrees on the top and bottom
// circles).
struct SolidSideCuts {
    double TopAngle = 0;
    double BottomAngle = 0;
};

// A cone or cylinder at true size: places the end planes, builds the rings as the 3D model does
// (job's resolution) and adds the ring wire frame in green; with side cuts, two cyan lines from
// the top circle (at the cone's height) to the bottom circle, the second mirrored across y = 0.
void AddConeSolidCad(TCadDrawing& out, SceneJob& job, UnitSystem units,
                     const SolidSideCuts* sideCuts);
// A square to round at true size: the rings of its model and the ring wire frame in green.
void AddSquareSolidCad(TCadDrawing& out, const SquareShape& shape, UnitSystem units);
// A spiral flight from the helices of the last calculation (scene frame kept in the file): the
// N + 1 generators from the inner to the outer helix, then the inner and the outer helix's
// edges, open, in green. Empty helices add nothing.
void AddSpiralSolidCad(TCadDrawing& out, const SpiralModel& helices, UnitSystem units);
// A branch pipe in its own frame (axis along y): the cut ring on the main pipe near y = 0 and
// the far ring Rb + ds below the base plane, N + 1 points each; the generators from the far ring
// to the cut ring, then the far ring's and the cut ring's edges, in green. Inputs whose branch
// does not fit on the main pipe have no cut ring: false, nothing added.
bool AddPipeSolidCad(TCadDrawing& out, const PipeInputs& in, int ringPoints, UnitSystem units);

} // namespace brevant
