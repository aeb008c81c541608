// Building a flat pattern stroke by stroke with a pen, as a drawing is drawn: each stroke takes
// the current pen and role; strokes the CAD drawing would refuse (NaN, beyond 1e9) are left
// out; the pattern can be measured as the drawing measures its extents, and turned or moved as
// a whole as a group of the drawing is.
#pragma once

#include "caddraw/flat_pattern.h"

namespace brevant {

// Extents as the CAD drawing keeps them: the empty box is min 9000, max -9000, and every side is
// held within +-10000.
struct FlatExtents {
    double MinX = 9000, MinY = 9000, MaxX = -9000, MaxY = -9000;
    double Width() const { return MaxX - MinX; }
    double Height() const { return MaxY - MinY; }
};

class FlatPatternBuilder {
public:
    // The pen and role of the strokes that follow.
    void SetPen(int layer, TColor color, FlatRole role);
    // A new colour and role on the current layer.
    void SetColor(TColor color, FlatRole role);
    int Layer() const { return pen_.Layer; }

    void Line(double x1, double y1, double x2, double y2);
    void Arc(double cx, double cy, double radius, double startAngle, double endAngle);
    // An open rectangle in the pen's colour.
    void Box(double cx, double cy, double width, double height);

    // The extents of every stroke so far, as the drawing computes them.
    FlatExtents Extents() const;
    // Turns every stroke about the origin by angle degrees, as a group rotation does.
    void RotateAll(double angle);
    void ShiftAll(double dx, double dy);
    // Forgets every stroke and outline (the pen stays).
    void Clear();

    void AddOutline(CutOutline outline);
    // An edge a tab is bent along that no stroke of its own shows.
    void AddHiddenTabJoin(const TDPoint& from, const TDPoint& to);
    void SetViewHeight(double height) { pattern_.View.ViewHeight = height; }
    void FixView() { pattern_.View.FixedView = true; }

    const FlatPattern& Pattern() const { return pattern_; }
    FlatPattern Take() { return std::move(pattern_); }

private:
    FlatPen pen_;
    FlatRole role_ = FlatRole::Outline;
    FlatPattern pattern_;
};

} // namespace brevant
