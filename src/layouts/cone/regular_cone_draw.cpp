// Drawing the regular cone piece: the sector, its overlap, the dimension annotations, and the
// print variant with a bounding box.
#include "caddraw/pattern_marks.h"
#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/messages.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/regular_cone.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {
// The right-hand ends of the piece's edge that the annotations measure from.
struct PieceEnds {
    double xo, yo; // outer end
    double xi, yi; // inner end
};

PieceEnds Ends(const ConeJob& engine, double s) {
    const ConeState& c = engine.Cone;
    if (engine.Def.Overlap > 0)
        return {c.OverlapEdge.Point1.x, c.OverlapEdge.Point1.y, c.OverlapEdge.Point2.x,
                c.OverlapEdge.Point2.y};
    return {c.FlatLargeRadius * CosD(s), c.FlatLargeRadius * SinD(s), c.FlatSmallRadius * CosD(s),
            c.FlatSmallRadius * SinD(s)};
}

void DrawOverlap(ConeJob& engine, double a) {
    ConeState& c = engine.Cone;
    const TDPoint p1 = c.OverlapEdge.Point1, p2 = c.OverlapEdge.Point2;
    const double R = c.FlatLargeRadius;
    FlatPatternBuilder& v = engine.Flat;
    v.SetPen(kLayerOverlap, kColorRed, FlatRole::Overlap);
    v.Line(p1.x, p1.y, p2.x, p2.y);
    v.Line(-p1.x, p1.y, -p2.x, p2.y);
    c.OverlapInnerChord = ToSingle(2 * p2.x);
    c.OverlapOuterChord = ToSingle(2 * p1.x);
    if (a > 180) {
        c.OverlapPatternWidth = ToSingle(2 * R);
        c.OverlapPatternHeight = ToSingle(R + std::fabs(p1.y));
    } else {
        c.OverlapPatternWidth = ToSingle(2 * p1.x);
        c.OverlapPatternHeight = ToSingle(R - std::fabs(p2.y));
    }
}

// The piece's cut outline, counter-clockwise from the outer arc's right end; an overlap tab
// runs out beside each radial edge. The whole cone takes as many pieces as the piece's share.
void AddPieceOutline(ConeJob& engine) {
    const ConeState& c = engine.Cone;
    const double R = c.FlatLargeRadius, r = c.FlatSmallRadius, a = c.FlatAngle;
    const double s = 90 - a / 2;
    const TDPoint origin{0, 0, 0};
    CutOutline o{"Cone", PieceCount(c.FullFlatAngle, c.FlatAngle), {}};
    o.Arc({R * CosD(s), R * SinD(s), 0}, origin, a);
    o.Line({-R * CosD(s), R * SinD(s), 0});
    const bool tabs = engine.Def.Overlap > 0;
    const TDPoint p1 = c.OverlapEdge.Point1, p2 = c.OverlapEdge.Point2;
    if (tabs) {
        o.Line({-p1.x, p1.y, 0});
        o.Line({-p2.x, p2.y, 0});
    }
    o.Arc({-r * CosD(s), r * SinD(s), 0}, origin, -a);
    o.Line({r * CosD(s), r * SinD(s), 0});
    if (tabs) {
        o.Line(p2);
        o.Line(p1);
    }
    engine.Flat.AddOutline(std::move(o));
}

// Steps shared with the print variant: checks, chords, arcs, edges, decorations, overlap.
bool DrawPieceBody(ConeJob& engine, bool arcsAsLines) {
    ConeState& c = engine.Cone;
    FlatPatternBuilder& v = engine.Flat;
    v.Clear();
    engine.Form.RegularDataDisplay.visible = false;
    const double R = c.FlatLargeRadius, r = c.FlatSmallRadius, a = c.FlatAngle;
    if (!(r < R)) {
        engine.ShowMessageDialog(kMsgSmallRadiusLarger, "");
        return false;
    }
    if (!(a >= 1)) {
        engine.ShowMessageDialog(kMsgFlatAngleTooSmall, "");
        return false;
    }
    const double s = 90 - a / 2, e = 90 + a / 2;
    c.InnerChord = ToSingle(2 * r * CosD(s));
    c.OuterChord = ToSingle(2 * R * CosD(s));
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    if (arcsAsLines) {
        DrawArcAsLines(v, R, s, e);
        DrawArcAsLines(v, r, s, e);
    } else {
        v.Arc(0, 0, R, s, e);
        v.Arc(0, 0, r, s, e);
    }
    // An overlap tab is bent along the radial edges.
    v.SetPen(kLayerOutline, kColorWhite,
             engine.Def.Overlap > 0 ? FlatRole::TabJoin : FlatRole::Outline);
    v.Line(R * CosD(s), R * SinD(s), r * CosD(s), r * SinD(s));
    v.Line(-R * CosD(s), R * SinD(s), -r * CosD(s), r * SinD(s));
    DrawPatternDecorations(engine);
    if (engine.Def.Overlap > 0) DrawOverlap(engine, a);
    if (!arcsAsLines) AddPieceOutline(engine);
    return true;
}

// The pattern height as the height dimension measures it.
void StorePatternHeight(ConeJob& engine, const PieceEnds& p) {
    ConeState& c = engine.Cone;
    const double R = c.FlatLargeRadius;
    c.PatternHeight = ToSingle(c.FlatAngle <= 180 ? R - p.yi : R + std::fabs(p.yo));
}

void ApplyHalfRadiusViewHeight(ConeJob& engine) {
    engine.Flat.SetViewHeight(engine.Cone.FlatLargeRadius / 2.0f);
}

void DrawHeightDimension(ConeJob& engine, const PieceEnds& p) {
    FlatPatternBuilder& v = engine.Flat;
    const double R = engine.Cone.FlatLargeRadius;
    StorePatternHeight(engine, p);
    double x, top, bottom, glyphY;
    if (engine.Cone.FlatAngle <= 180) {
        x = 1.5 * p.xo;
        top = R;
        bottom = p.yi;
        glyphY = p.yi + (R - p.yi) / 2;
        v.Line(p.xi, p.yi, 1.65 * p.xo, p.yi);
        v.Line(0, R, 1.65 * p.xo, R);
        v.Line(x, R, x, R - (R - p.yi) / 4);
        v.Line(x, p.yi, x, p.yi + (R - p.yi) / 4);
    } else {
        x = 1.3 * std::max(p.xo, R);
        top = R;
        bottom = p.yo;
        glyphY = R - (R - p.yo) / 2;
        v.Line(p.xo, p.yo, 1.1 * x, p.yo);
        v.Line(0, R, 1.1 * x, R);
        v.Line(x, p.yo, x, glyphY - R / 6);
        v.Line(x, R, x, glyphY + R / 8);
    }
    ApplyHalfRadiusViewHeight(engine);
    const double size = AnnotationSize(engine);
    DrawDimensionArrow(v, ArrowDirection::Up, x, top, size);
    DrawDimensionArrow(v, ArrowDirection::Down, x, bottom, size);
    DrawMarkerGlyph(v, 'Y', x, glyphY, size);
}

void DrawWidthDimension(ConeJob& engine, const PieceEnds& p) {
    FlatPatternBuilder& v = engine.Flat;
    const double R = engine.Cone.FlatLargeRadius;
    const double size = AnnotationSize(engine);
    if (engine.Cone.FlatAngle <= 180) {
        const double y = p.yi - 0.2 * R;
        v.Line(-p.xo, p.yo, -p.xo, y);
        v.Line(p.xo, p.yo, p.xo, y);
        v.Line(-p.xo, y, -p.xo + p.xo / 3, y);
        v.Line(p.xo, y, p.xo - p.xo / 3, y);
        DrawDimensionArrow(v, ArrowDirection::Right, p.xo, y, size);
        DrawDimensionArrow(v, ArrowDirection::Left, -p.xo, y, size);
        DrawMarkerGlyph(v, 'X', 0, y, size);
    } else {
        v.Line(R, 0, R - R / 1.3, 0);
        v.Line(-R, 0, -R + R / 1.3, 0);
        DrawDimensionArrow(v, ArrowDirection::Right, R, 0, size);
        DrawDimensionArrow(v, ArrowDirection::Left, -R, 0, size);
        DrawMarkerGlyph(v, 'X', 0, 0, size);
    }
}

void DrawAngleMarker(ConeJob& engine) {
    const ConeState& c = engine.Cone;
    const double a = c.FlatAngle;
    const double mid = c.FlatSmallRadius + (c.FlatLargeRadius - c.FlatSmallRadius) / 2;
    DrawAngleMarker(engine.Flat, mid, 90 - a / 2, 90 + a / 2, AnnotationSize(engine));
}
} // namespace

void DrawRegularConePattern(ConeJob& engine) {
    if (!DrawPieceBody(engine, false)) return;
    const double s = 90 - engine.Cone.FlatAngle / 2;
    const PieceEnds p = Ends(engine, s);
    engine.Flat.SetPen(kLayerDimension, kColorCyan, FlatRole::Dimension);
    DrawHeightDimension(engine, p);
    DrawWidthDimension(engine, p);
    DrawAngleMarker(engine);
}

void DrawRegularConePatternForPrint(ConeJob& engine) {
    if (!DrawPieceBody(engine, true)) return;
    const double s = 90 - engine.Cone.FlatAngle / 2;
    StorePatternHeight(engine, Ends(engine, s));
    ApplyHalfRadiusViewHeight(engine);
    const BoxSize box = DrawExtentsRectangle(engine.Flat);
    engine.Cone.PatternWidth = ToSingle(box.Width);
    engine.Cone.PatternHeight = ToSingle(box.Height);
}

} // namespace brevant
