// Cylinders: dimension step, straight rectangle with annotations, the strip with the cut
// curves of tilted ends, bend lines and the result display.
#include "layouts/cone/cylinder.h"

#include "caddraw/pattern_marks.h"
#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/messages.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/dimension_report.h"
#include "layouts/cone/oblique_cone.h"
#include "layouts/cone/regular_cone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

constexpr int kMaxRingPoints = 3600;

// The strip width reduced to the segment of the segment angle (0 = whole perimeter).
double SegmentWidth(ConeJob& e, double W) {
    const double seg = e.EffectiveSegmentAngle();
    return seg > 0 ? W / (360.0 / seg) : W;
}

// The rectangle's sides are where an overlap tab is bent, when there is one.
void Rectangle(FlatPatternBuilder& v, double w, double h, bool tabs) {
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    v.Line(w / 2, h / 2, -w / 2, h / 2);
    v.Line(w / 2, -h / 2, -w / 2, -h / 2);
    v.SetPen(kLayerOutline, kColorWhite, tabs ? FlatRole::TabJoin : FlatRole::Outline);
    v.Line(w / 2, h / 2, w / 2, -h / 2);
    v.Line(-w / 2, h / 2, -w / 2, -h / 2);
}

void HeightAnnotation(ConeJob& e, double w, double h, double q) {
    FlatPatternBuilder& v = e.Flat;
    const double x = w / 2 + q;
    v.Line(w / 2 + h / 10, h / 2, x, h / 2);
    v.Line(w / 2 + h / 10, -h / 2, x, -h / 2);
    v.Line(x, h / 2, x, h / 2 - h / 8);
    v.Line(x, -h / 2, x, -h / 2 + h / 8);
    const double size = AnnotationSize(e);
    DrawDimensionArrow(v, ArrowDirection::Up, x, h / 2, size);
    DrawDimensionArrow(v, ArrowDirection::Down, x, -h / 2, size);
    DrawMarkerGlyph(v, 'Y', x, 0, size);
}

void WidthAnnotation(ConeJob& e, double w, double h, double q, double o) {
    FlatPatternBuilder& v = e.Flat;
    const double y = -h / 2 - q, right = w / 2 + o, left = -w / 2 - o;
    v.Line(right, -h / 2 - h / 10, right, y);
    v.Line(left, -h / 2 - h / 10, left, y);
    v.Line(right, y, right - q, y);
    v.Line(left, y, left + q, y);
    const double size = AnnotationSize(e);
    DrawDimensionArrow(v, ArrowDirection::Right, right, y, size);
    DrawDimensionArrow(v, ArrowDirection::Left, left, y, size);
    DrawMarkerGlyph(v, 'X', 0, y, size);
}

void OverlapLines(FlatPatternBuilder& v, double W, double o, double top, double bottom) {
    if (!(o > 0)) return;
    v.SetPen(kLayerOverlap, kColorRed, FlatRole::Overlap);
    v.Line(W / 2 + o, top, W / 2 + o, bottom);
    v.Line(-W / 2 - o, top, -W / 2 - o, bottom);
}

void StoreStrip(ConeJob& e, double w, double top, double bottom) {
    ConeState& c = e.Cone;
    const double o = e.Def.Overlap;
    c.PatternWidth = static_cast<float>(w);
    c.PatternHeight = static_cast<float>(std::fabs(top) + std::fabs(bottom));
    c.OverlapPatternWidth = static_cast<float>(2 * o + w);
    c.OverlapPatternHeight = c.PatternHeight;
    c.CylinderTop = static_cast<float>(top);
    c.CylinderBottom = static_cast<float>(bottom);
    c.CylinderLeft = static_cast<float>(-w / 2);
    c.CylinderRight = static_cast<float>(w / 2);
}

// The cylinder listing: positions from the strip's left side, heights from its bottom line.
void WriteCylinderListing(ConeJob& e, const TCylinderCurves& u, double lift, bool tilted) {
    auto len = [&](double v) { return ReportNumber(e, e.FromIn(static_cast<float>(v))); };
    auto line = [&](size_t j, double x, double y) {
        return "(" + std::to_string(j) + ") X=" + len(x) + ", Y=" + len(y) + "\r\n";
    };
    std::string text = ReportHeading(e);
    text += "***************\r\nTop edge of cylinder - from material bottom\r\n";
    if (!tilted) {
        // A straight top edge: its two ends.
        text += line(0, 0, u.TopHeights[0] + lift) + line(1, u.Width, u.TopHeights[0] + lift);
    } else {
        for (size_t j = 0; j < u.X.size(); ++j)
            text += line(j, u.X[j], u.TopHeights[j] + lift);
    }
    text += "**********************\r\nBottom edge of cylinder - from material bottom\r\n";
    for (size_t j = 0; j < u.X.size(); ++j)
        text += line(j, u.X[j], u.BottomHeights[j] + lift);
    FinishReportListing(e, std::move(text));
}

// The rectangle's cut outline, counter-clockwise from its top right corner, with an overlap tab
// beside each side; a segment's pieces make the whole perimeter.
void AddRectangleOutline(ConeJob& e, double w, double h, double o) {
    CutOutline c{"Cylinder", PieceCount(CylinderPerimeter(e.Def.TopDiameter), w), {}};
    c.Line({w / 2, h / 2, 0});
    c.Line({-w / 2, h / 2, 0});
    if (o > 0) {
        c.Line({-w / 2 - o, h / 2, 0});
        c.Line({-w / 2 - o, -h / 2, 0});
    }
    c.Line({-w / 2, -h / 2, 0});
    c.Line({w / 2, -h / 2, 0});
    if (o > 0) {
        c.Line({w / 2 + o, -h / 2, 0});
        c.Line({w / 2 + o, h / 2, 0});
    }
    e.Flat.AddOutline(std::move(c));
}

// The piece between the cut curves, counter-clockwise from the top curve's left end: down the
// left side, along the bottom curve, up the right side and back along the top curve; an overlap
// tab runs beside each side between the curves' ends.
void AddStripOutline(ConeJob& e, const TCylinderCurves& u, double o) {
    const double W = u.Width;
    const size_t n = u.X.size() - 1;
    CutOutline c{"Cylinder", 1, {}};
    c.Line({-W / 2, u.TopHeights[0], 0});
    if (o > 0) {
        c.Line({-W / 2 - o, u.TopHeights[0], 0});
        c.Line({-W / 2 - o, u.BottomHeights[0], 0});
    }
    for (size_t k = 0; k < n; ++k)
        c.Line({u.X[k] - W / 2, u.BottomHeights[k], 0});
    c.Line({W / 2, u.BottomHeights[n], 0});
    if (o > 0) {
        c.Line({W / 2 + o, u.BottomHeights[n], 0});
        c.Line({W / 2 + o, u.TopHeights[n], 0});
    }
    for (size_t k = n; k > 0; --k)
        c.Line({u.X[k] - W / 2, u.TopHeights[k], 0});
    e.Flat.AddOutline(std::move(c));
    if (o > 0) {
        // The tabs are bent along the sides between the curves' ends, within the strip's sides.
        e.Flat.AddHiddenTabJoin({W / 2, u.TopHeights[n], 0}, {W / 2, u.BottomHeights[n], 0});
        e.Flat.AddHiddenTabJoin({-W / 2, u.TopHeights[0], 0}, {-W / 2, u.BottomHeights[0], 0});
    }
}

} // namespace

double CylinderPerimeter(double T) {
    return std::numbers::pi * T;
}

TCylinderCurves UnrollCylinder(double T, double H, double topAngle, double bottomAngle, int n) {
    TCylinderCurves u;
    n = std::clamp(n, 3, kMaxRingPoints);
    u.Width = CylinderPerimeter(T);
    const double tt = std::tan(topAngle / kDegreesPerRadian);
    const double tb = std::tan(bottomAngle / kDegreesPerRadian);
    for (int k = 0; k <= n; ++k) {
        // Ring point k (k = n closes on point 0) at its arc length along the perimeter.
        const double p = 360.0 * (k % n) / n / kDegreesPerRadian;
        const double x = T / 2 * std::cos(p);
        u.X.push_back(u.Width * k / n);
        u.TopHeights.push_back(H - tt * x);
        u.BottomHeights.push_back(-tb * x);
    }
    return u;
}

bool CylinderDimensions(ConeJob& e) {
    ConeDefinition& d = e.Def;
    d.TopShift = 0;
    e.Drv.KeepStatusOnce = true;
    e.Drv.BusyFlag = true; // cleared by the write-back
    e.Form.ConeTopXShift.text = "0";
    if (!(d.TopDiameter > 0 && d.BottomDiameter > 0 && d.ConeHeight > 0)) {
        const char* msg = kMsgNotEnoughData;
        if (!(d.BottomDiameter > 0)) msg = kMsgBottomDiaZero;
        if (!(d.TopDiameter > 0)) msg = kMsgTopDiaZero;
        e.ShowMessageDialog(msg, "");
        return false;
    }
    d.SideAngle = 0;
    d.SideLength = d.ConeHeight;
    ColourPrincipalEdits(e);
    // T is already the equivalent diameter of an elliptical top: the perimeter is pi T.
    ConeState& c = e.Cone;
    c.PatternWidth = static_cast<float>(SegmentWidth(e, CylinderPerimeter(d.TopDiameter)));
    const double o = d.Overlap;
    if (o > 0) {
        const double x = c.PatternWidth / 2.0 + o;
        c.OverlapEdge = {{x, d.ConeHeight / 2.0, 0}, {x, -d.ConeHeight / 2.0, 0}};
        c.OverlapPatternWidth = static_cast<float>(2 * o + c.PatternWidth);
        c.OverlapPatternHeight = d.ConeHeight;
    }
    return true;
}

void DrawCylinderPattern(ConeJob& e) {
    FlatPatternBuilder& v = e.Flat;
    v.Clear();
    const double w = SegmentWidth(e, CylinderPerimeter(e.Def.TopDiameter));
    const double h = e.Def.ConeHeight, o = e.Def.Overlap;
    StoreStrip(e, w, h / 2, -h / 2);
    Rectangle(v, w, h, o > 0);
    v.SetPen(kLayerDimension, kColorCyan, FlatRole::Dimension);
    HeightAnnotation(e, w, h, w / 8);
    WidthAnnotation(e, w, h, w / 8, o);
    OverlapLines(v, w, o, h / 2, -h / 2);
    AddRectangleOutline(e, w, h, o);
}

void DrawObliqueCylinderPattern(ConeJob& e) {
    FlatPatternBuilder& v = e.Flat;
    v.Clear();
    const ConeDefinition& d = e.Def;
    const int n = std::clamp(e.Drv.CircleResolution, 3, kMaxRingPoints);
    const TCylinderCurves u =
        UnrollCylinder(d.TopDiameter, d.ConeHeight, d.TopAngle, d.BottomAngle, n);
    const double W = u.Width;
    for (size_t k = 0; k < u.X.size(); ++k) {
        if (!(u.TopHeights[k] > u.BottomHeights[k])) {
            // The end planes meet inside the cylinder: no part to develop. The dimension step
            // has just asked to keep the status once; this error must show all the same.
            e.Form.StatusLabel.text = kMsgEndPlanesCross;
            e.Drv.ReportInProgress = false;
            return;
        }
    }
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    for (size_t i = 1; i < u.X.size(); ++i) {
        v.Line(u.X[i - 1] - W / 2, u.TopHeights[i - 1], u.X[i] - W / 2, u.TopHeights[i]);
        v.Line(u.X[i - 1] - W / 2, u.BottomHeights[i - 1], u.X[i] - W / 2, u.BottomHeights[i]);
    }
    // The strip encloses both cut curves: from the lowest bottom point to the highest top point.
    const double yb = -std::fabs(u.BottomHeights[0]);
    const double yt = *std::max_element(u.TopHeights.begin(), u.TopHeights.end());
    // The strip the part is cut from; its sides are cut between the curves' ends.
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Guide);
    v.Line(-W / 2, yt, W / 2, yt);
    v.Line(-W / 2, yb, W / 2, yb);
    v.Line(W / 2, yt, W / 2, yb);
    v.Line(-W / 2, yt, -W / 2, yb);
    if (e.Drv.ReportInProgress) WriteCylinderListing(e, u, -yb, d.TopAngle != 0);
    StoreStrip(e, W, yt, yb);
    OverlapLines(v, W, d.Overlap, yt, yb);
    AddStripOutline(e, u, d.Overlap);
    DrawPatternDecorations(e);
}

void DrawCylinderBendLines(ConeJob& e) {
    const int n = e.EffectiveBends();
    if (n < 4) return;
    const ConeState& c = e.Cone;
    e.Flat.SetPen(kLayerBend, kColorLime, FlatRole::Bend);
    for (int i = 1; i <= n; ++i) {
        const double x = (c.PatternWidth / (n + 1.0)) * i - c.PatternWidth / 2.0;
        e.Flat.Line(x, c.CylinderBottom, x, c.CylinderTop);
    }
}

void ShowCylinderDimensions(ConeJob& e, bool visible) {
    FormModel& f = e.Form;
    if (!visible) {
        f.RegularDataDisplay.visible = false;
        return;
    }
    f.Label10.text = kTitleCylinder;
    f.SegmentAngleEdit.visible = false;
    f.SegmentAngleEdit.text.clear();
    for (Label* l : {&f.LargeRadius, &f.SmallRadius, &f.InnerCord, &f.OuterCord, &f.AngleA,
                     &f.LargeRadiusCaption, &f.SmallRadiusCaption, &f.InnerCordCaption,
                     &f.OuterCordCaption, &f.AngleACaption, &f.SegmentAngleCaption})
        l->visible = false;
    for (Label* l : {&f.WidthX, &f.WidthXCaption, &f.HeightY, &f.HeightYCaption})
        l->visible = true;
    const ConeState& c = e.Cone;
    f.HeightY.text = e.FormatValue(e.FromIn(c.PatternHeight));
    const float w = e.Def.Overlap > 0 ? c.OverlapPatternWidth : c.PatternWidth;
    f.WidthX.text = e.FormatValue(e.FromIn(w));
    f.RegularDataDisplay.visible = true;
}

} // namespace brevant
