// The regular cone: development into an annular sector, its drawing with overlap, decorations
// and dimension annotations, the result display and the print variant.
#pragma once

namespace brevant {

struct ConeJob;
struct ConeState;
struct DisplayFormat;
class FormModel;

// The development of a regular frustum, all in double precision.
struct RegularConeGeometry {
    double LargeRadius = 0;   // R
    double SmallRadius = 0;   // r
    double FullFlatAngle = 0; // degrees
    double FlatAngle = 0;     // degrees, reduced by the segment angle
    double PatternWidth = 0;
};

// Pure development of T, B, H (T < B, H > 0) with a segment angle (0 = whole cone). False when
// the half apex angle degenerates ("Angle is too big").
bool DevelopRegularCone(double T, double B, double H, double segmentAngle,
                        RegularConeGeometry& out);

// The dimension step: side angle and length from T, B, H, S, the flat radii and angles, the
// overlap edge. Shows its own messages; true when the development could be computed.
bool ConeDimensions(ConeJob& engine);
// Draws the regular piece into the flat pattern.
void DrawRegularConePattern(ConeJob& engine);
// Bend lines, seam line and side cuts of any cone or cylinder piece.
void DrawPatternDecorations(ConeJob& engine);
// "Regular Cone Dimensions" in RegularDataDisplay.
void ShowRegularConeDimensions(ConeJob& engine);
// The seam display's bounding box text: the piece's width and height in the display unit.
void RefreshBoundingBoxLabel(FormModel& form, const ConeState& cone, const DisplayFormat& format);
// The print variant: arcs as short lines, no annotations, a grey bounding box on layer 8.
void DrawRegularConePatternForPrint(ConeJob& engine);

// How many pieces of a share make the whole (a segment angle's pieces round the cone, at least
// one; the last may be cut shorter).
int PieceCount(double whole, double piece);

// The size of the annotation marks (caddraw/pattern_marks.h): the smaller of PatternWidth and
// PatternHeight of the cone state.
double AnnotationSize(const ConeJob& engine);

} // namespace brevant
