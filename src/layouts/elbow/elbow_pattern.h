// The flat pattern of a segmented elbow: the gores' outlines with their cut curves as arcs, the
// seam lines at the strip's sides, and the strip's width and length dimensioned.
#pragma once

#include "caddraw/flat_pattern_builder.h"
#include "layouts/elbow/elbow_layout.h"

namespace brevant {

// Who the strokes are for: the screen (the view draws arcs of whole-pixel radii, so a cut curve
// goes as fine chords there), a file (the arcs themselves), the print (chords of about 0.2 in).
enum class ElbowDrawing { Screen, File, Print };

// Replaces the pattern with the layout's pieces: each edge drawn once (a cut shared by two gores
// is one curve), the pieces' sides, one closed cut outline per piece (its cut curves as arcs
// whatever the strokes), and, unless for print, the dimensions X (the width pi D) and Y (the
// layout's height); for print a bounding box.
void DrawElbowPattern(FlatPatternBuilder& flat, const ElbowLayout& layout, ElbowDrawing use);

} // namespace brevant
