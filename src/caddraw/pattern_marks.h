// Annotation marks of the flat patterns, shared by the cone, the cylinder and the spiral
// flight: dimension arrowheads, letter glyphs, the flat-angle marker, and arcs drawn as short
// lines for the print. Sizes follow the pattern: arrowheads a fifteenth, glyphs an eighteenth
// of the annotation size (the smaller of the pattern's width and height).
#pragma once

#include "caddraw/flat_pattern_builder.h"
#include "core/angle_units.h"

namespace brevant {

enum class ArrowDirection { Up, Down, Right, Left };

// Arrowhead with its tip at (x, y), cyan; makes layer 7 current and leaves it so.
void DrawDimensionArrow(FlatPatternBuilder& flat, ArrowDirection direction, double x, double y,
                        double annotationSize);
// The letter 'X', 'Y' or 'A' centred at (x, y), cyan, on the current layer.
void DrawMarkerGlyph(FlatPatternBuilder& flat, char letter, double x, double y,
                     double annotationSize);
// The flat angle's marker: light green arcs of radius mid about the origin from start to end
// (degrees) on layer 5, with a gap between 85 and 95 degrees for the glyph 'A' at (0, mid).
void DrawAngleMarker(FlatPatternBuilder& flat, double mid, double start, double end,
                     double annotationSize);
// The pattern's extents as a grey rectangle on layer 8 (the print's bounding box); returns the
// rectangle's width and height.
struct BoxSize {
    double Width = 0;
    double Height = 0;
};
BoxSize DrawExtentsRectangle(FlatPatternBuilder& flat);
// An arc about the origin as lines of about 0.2 in, white on layer 1 (for the print, which
// prints lines only). The number of lines is bounded so a huge arc cannot stall the program.
void DrawArcAsLines(FlatPatternBuilder& flat, double radius, double startAngle, double endAngle,
                    DegreeConversion conversion = DegreeConversion::Rounded);

} // namespace brevant
