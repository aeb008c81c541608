// Rendering a typed flat pattern into a CAD drawing, with the layers and colours of its pens,
// and showing it in the flat-shape view.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/flat_pattern.h"

namespace brevant {

// Appends the pattern's strokes in order, each on its pen's layer in its pen's colour; the
// drawing's current layer and colour are left at the last stroke's pen.
void RenderFlatPattern(TCadDrawing& drawing, const FlatPattern& pattern);

// Replaces what the view shows by the pattern, applies its view hints and fits the view to it.
void ShowFlatPattern(TCadDraw& view, const FlatPattern& pattern);

} // namespace brevant
