// Annotation marks of the spiral drawing (arrowheads, letter glyphs) and arcs drawn as short
// lines, on a flat view. Sizes follow the pattern: arrowheads a fifteenth, glyphs an
// eighteenth of the annotation size (the smaller of the pattern's width and height).
#pragma once

#include "caddraw/cad_draw.h"
#include "cone/regular_cone.h" // ArrowDirection

namespace brevant::spiral {

// Arrowhead with its tip at (x, y), cyan; makes layer 7 current and leaves it so.
void DrawArrowhead(TCadDraw& view, ArrowDirection direction, double x, double y,
                   double annotationSize);
// The letter 'X', 'Y' or 'A' centred at (x, y), cyan, on the current layer.
void DrawGlyph(TCadDraw& view, char letter, double x, double y, double annotationSize);
// An arc about the origin as lines of about 0.2 in, white on layer 1 (for the print, which
// prints lines only). The number of lines is bounded so a huge arc cannot stall the program.
void DrawArcAsLines(TCadDraw& view, double radius, double startAngle, double endAngle);

} // namespace brevant::spiral
