// Dimension arrowheads and letter glyphs of the pattern annotations.
#include "caddraw/pattern_pen.h"
#include "cone/cone_job.h"
#include "cone/regular_cone.h"

namespace brevant {

void DrawDimensionArrow(ConeJob& engine, ArrowDirection direction, double x, double y) {
    DrawDimensionArrow(engine, direction, x, y, AnnotationSize(engine));
}

void DrawDimensionArrow(ConeJob& engine, ArrowDirection direction, double x, double y,
                        double annotationSize) {
    TCadDraw& v = engine.CadDraw1;
    SetPen(v, kLayerArrow, kColorCyan);
    const double h = annotationSize / 15;
    double dx1 = 0, dy1 = 0, dx2 = 0, dy2 = 0; // the two tails relative to the tip
    switch (direction) {
    case ArrowDirection::Up:
        dx1 = h, dy1 = -h, dx2 = -h, dy2 = -h;
        break;
    case ArrowDirection::Down:
        dx1 = h, dy1 = h, dx2 = -h, dy2 = h;
        break;
    case ArrowDirection::Right:
        dx1 = -h, dy1 = -h, dx2 = -h, dy2 = h;
        break;
    case ArrowDirection::Left:
        dx1 = h, dy1 = -h, dx2 = h, dy2 = h;
        break;
    }
    FlatLine(v, x + dx1, y + dy1, x, y);
    FlatLine(v, x + dx2, y + dy2, x, y);
}

void DrawMarkerGlyph(ConeJob& engine, char letter, double x, double y) {
    DrawMarkerGlyph(engine, letter, x, y, AnnotationSize(engine));
}

void DrawMarkerGlyph(ConeJob& engine, char letter, double x, double y, double annotationSize) {
    TCadDraw& v = engine.CadDraw1;
    v.SetDrawColor(kColorCyan);
    const double g = annotationSize / 18;
    switch (letter) {
    case 'X':
        FlatLine(v, x + g, y + g, x - g, y - g);
        FlatLine(v, x - g, y + g, x + g, y - g);
        break;
    case 'Y':
        FlatLine(v, x + g, y + g, x, y);
        FlatLine(v, x - g, y + g, x, y);
        FlatLine(v, x, y, x, y - g);
        break;
    case 'A':
        FlatLine(v, x + g, y - g, x, y + g);
        FlatLine(v, x - g, y - g, x, y + g);
        FlatLine(v, x + g / 2, y, x - g / 2, y);
        break;
    default:
        break;
    }
}

} // namespace brevant
