// Fewer triangles for the 3D view's fine quad strips. A ring of 3600 points gives quads far
// narrower than a pixel, and a software renderer pays for every one of them; neighbouring
// quads that lie on a smooth stretch of the surface are drawn as one where that changes the
// picture by much less than a pixel.
#pragma once

#include "solid_frame.h"

namespace brevant {

// Merges runs of neighbouring quads of a quad strip: the layout the engine builds between two
// rings (four vertices and two triangles per quad, vertices 4i and 4i+1 on the quad's near edge,
// 4i+3 and 4i+2 on its far edge, which is the next quad's near edge). A run becomes one quad
// when every ring point it leaves out lies within `tolerance` of the merged quad's edges, its
// two triangles stay within about twelve tolerances of the surface between those edges (the
// inside of a twisted strip: depth only, never the outline) and the normals turn by less than
// three degrees along it; the kept vertices keep their normals. A surface
// of any other layout is left as it is.
void SimplifyQuadStrip(SurfaceDraw& surface, float tolerance);

// The tolerance for a surface: a small share of its bounding box's diagonal, far below a pixel
// at any size the view shows it.
float StripTolerance(const SurfaceDraw& surface);

} // namespace brevant
