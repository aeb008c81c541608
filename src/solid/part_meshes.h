// The 3D meshes of the spiral flight (one turn and its copy on the shaft) and of the branch
// pipe on its upright main pipe.
#pragma once

#include "solid/solid_model.h"

namespace brevant {

// The spiral flight from its two helices (scene frame, true size, N + 1 points each): an open
// strip of N quads from the outer to the inner helix, laid horizontal (rotation 90 about Z),
// a second turn in Mesh2 one pitch further along the shaft, and the shaft (diameter id,
// length 2 pitch). A model whose pitch or outside diameter is outside 2 to 50 is scaled by
// the display scale of the larger of the two. The rings become inner (first) and outer.
void BuildSpiralMesh(SolidModel& solid, const TPathArray& outerHelix, const TPathArray& innerHelix,
                     double od, double id, double pitch);

// The branch pipe from its two rings (scene frame, true size, N + 1 points each) with the pipe
// material: an open strip from the ring at the main axis to the far ring, laid horizontal
// (rotation 90 about Z), meeting the upright main pipe (diameter db, length 2.5 db). A main
// pipe whose diameter or length is outside 2 to 50 scales the model by the display scale of
// 4 x the larger diameter. The rings become far (first) and axis ring.
void BuildPipeMesh(SolidModel& solid, const TPathArray& axisRing, const TPathArray& farRing,
                   double db, double ds);

} // namespace brevant
