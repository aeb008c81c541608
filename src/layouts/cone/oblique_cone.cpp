// The modified cone: rings on the (tilted) end planes, unrolled generator by generator about
// the apex, with overlap, decorations, placement on screen and the report listing.
#include "layouts/cone/oblique_cone.h"

#include "caddraw/pattern_marks.h"
#include "caddraw/pattern_pen.h"
#include "core/angle_units.h"
#include "core/messages.h"
#include "geometry/end_planes.h"
#include "geometry/vectors.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/dimension_report.h"
#include "layouts/cone/regular_cone.h"

#include <algorithm>
#include <optional>
#include <cmath>
#include <string>

namespace brevant {

namespace {

constexpr int kFineResolution = 360;
constexpr int kMaxResolution = 3600;

TDPoint Polar(double distance, double angleDeg) {
    const double a = angleDeg / kDegreesPerRadian;
    return {distance * std::cos(a), distance * std::sin(a), 0};
}

bool Finite(const TDPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// The development needs a true cone: T and H positive, T smaller than B, all finite.
bool Developable(const ConeDefinition& d) {
    const double T = d.TopDiameter, B = d.BottomDiameter, H = d.ConeHeight, S = d.TopShift;
    return T > 0 && H > 0 && B > T && std::isfinite(B) && std::isfinite(H) && std::isfinite(S);
}

void DrawRingLines(FlatPatternBuilder& v, const TUnrolledRing& u) {
    v.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    for (size_t k = 1; k < u.Points.size(); ++k)
        v.Line(u.Points[k - 1].x, u.Points[k - 1].y, u.Points[k].x, u.Points[k].y);
    if (!u.Points.empty()) v.Line(u.Points.back().x, u.Points.back().y, u.Closing.x, u.Closing.y);
}

// One ring's part of the cone listing: start line, numbered points, closing point, end line.
std::string RingListing(ConeJob& e, const TUnrolledRing& u, double flatAngleBefore) {
    auto n = [&](double v) { return ReportNumber(e, v); };
    auto len = [&](double v) { return ReportNumber(e, e.FromIn(static_cast<float>(v))); };
    auto line = [&](const std::string& head, double angle, double dist, const TDPoint& p) {
        return head + "angle=" + n(angle) + " deg,  dist=" + len(dist) + ", X=" + len(p.x) +
               ", Y=" + len(p.y) + "\r\n";
    };
    std::string s = line("start ", 0, u.Distances[0], u.Points[0]);
    const size_t P = u.Points.size();
    for (size_t k = 1; k < P; ++k)
        s += line("(" + std::to_string(k) + ") ", u.Angles[k], u.Distances[k], u.Points[k]);
    const double last = u.Distances.back();
    s += line("(" + std::to_string(P) + ") ", u.ClosingAngle, last, u.Closing);
    s += line("end ", flatAngleBefore, last, Polar(last, flatAngleBefore));
    return s;
}

void WriteConeListing(ConeJob& e, const TUnrolledRing& top, const TUnrolledRing& bottom,
                      double flatAngleBefore) {
    std::string text = ReportHeading(e);
    text += "***************\r\nTop of cone\r\n";
    text += RingListing(e, top, flatAngleBefore);
    text += "****************\r\nBottom of cone\r\n";
    text += RingListing(e, bottom, flatAngleBefore);
    FinishReportListing(e, std::move(text));
}

// Turns the development so that it stands symmetric about a vertical line and moves its
// lower-left extent to the origin.
void PlaceOnScreen(ConeJob& e) {
    FlatPatternBuilder& v = e.Flat;
    v.RotateAll(90 - e.Cone.FlatAngle / 2.0);
    const FlatExtents extents = v.Extents();
    v.ShiftAll(-extents.MinX, -extents.MinY);
    v.FixView();
}

void DrawBoundingBox(ConeJob& e) {
    const BoxSize box = DrawExtentsRectangle(e.Flat);
    e.Cone.PatternWidth = static_cast<float>(box.Width);
    e.Cone.PatternHeight = static_cast<float>(box.Height);
}

} // namespace

double VertexAngle3D(const TDPoint& a, const TDPoint& vertex, const TDPoint& b) {
    const TDPoint u = Sub(a, vertex), w = Sub(b, vertex);
    const TDPoint c = Cross(u, w);
    const double dot = Dot(u, w);
    if (Length(u) == 0 || Length(w) == 0) return 0;
    // atan2 of the cross and dot products keeps small angles exact, unlike arccos.
    const double g = std::atan2(Length(c), dot) * kDegreesPerRadian;
    return std::isfinite(g) ? g : 0;
}

TUnrolledRing UnrollRing(const TPathArray& ring, const TDPoint& apex,
                         const std::vector<double>& steps) {
    TUnrolledRing u;
    if (ring.empty() || steps.size() < ring.size()) return u;
    double c = 0, g = 0, d = Length(Sub(ring[0], apex));
    u.Points.push_back({d, 0, 0});
    u.Angles.push_back(0);
    u.Distances.push_back(d);
    for (size_t k = 1; k < ring.size(); ++k) {
        g = steps[k];
        c += g;
        d = Length(Sub(ring[k], apex));
        u.Points.push_back(Polar(d, c));
        u.Angles.push_back(c);
        u.Distances.push_back(d);
    }
    // The closing point repeats the last step once more.
    u.ClosingAngle = c + g;
    u.Closing = Polar(d, u.ClosingAngle);
    return u;
}

TUnrolledRing UnrollRing(const TPathArray& ring, const TDPoint& apex) {
    std::vector<double> steps(ring.size(), 0.0);
    for (size_t k = 1; k < ring.size(); ++k)
        steps[k] = VertexAngle3D(ring[k - 1], apex, ring[k]);
    return UnrollRing(ring, apex, steps);
}

std::vector<double> GeneratorSteps(const TPathArray& top, const TPathArray& bottom,
                                   const TDPoint& apex) {
    const size_t n = std::min(top.size(), bottom.size());
    std::vector<TDPoint> dir(n);
    for (size_t k = 0; k < n; ++k) {
        const TDPoint a = Sub(top[k], apex), b = Sub(bottom[k], apex);
        dir[k] = Length(a) > Length(b) ? a : b;
    }
    std::vector<double> steps(n, 0.0);
    const TDPoint origin{0, 0, 0};
    for (size_t k = 1; k < n; ++k)
        steps[k] = VertexAngle3D(dir[k - 1], origin, dir[k]);
    return steps;
}

bool RingsFormFrustum(const TPathArray& top, const TPathArray& bottom, const TDPoint& apex) {
    if (top.size() != bottom.size()) return false;
    for (size_t k = 0; k < top.size(); ++k) {
        const TDPoint a = Sub(top[k], apex), b = Sub(bottom[k], apex);
        if (!(Dot(a, b) > 0) || !(Length(a) < Length(b))) return false;
    }
    return true;
}

bool NeedsFineResolution(ConeJob& e) {
    const FormModel& f = e.Form;
    if (f.ConeBendLinesCheckBox.checked && e.EffectiveBends() > 3) return true;
    const bool arcs = !f.TopArcLengthEdit.text.empty() && !f.BottomArcLengthEdit.text.empty();
    const bool widths = !f.TopCutWidthEdit.text.empty() && !f.BottomCutWidthEdit.text.empty();
    if (f.SideCutsCheckBox.checked && (arcs || widths)) return true;
    return f.SeamLineCheckBox.checked && e.Def.SeamAngle > 0;
}

int ObliqueRingResolution(ConeJob& e) {
    if (NeedsFineResolution(e)) return kFineResolution;
    return std::clamp(e.Drv.CircleResolution, 3, kMaxResolution);
}

namespace {
// Rings of the cone of the definition, unrolled about its apex; false (with the status text
// for crossing ends) when there is no frustum to develop.
bool DevelopCone(ConeJob& e, TUnrolledRing& top, TUnrolledRing& bottom) {
    const ConeDefinition& d = e.Def;
    e.Cone.TopEdgePoints.clear();
    e.Cone.BottomEdgePoints.clear();
    if (!Developable(d)) return false;
    const TConeShape shape = d.Shape();
    const TRingPair rings = ConeRings(shape, ObliqueRingResolution(e), false);
    const TDPoint apex = ConeApexPoint(shape.T, shape.B, shape.H, shape.S);
    e.Cone.ConeApex = apex;
    if (!Finite(apex) || !RingsFormFrustum(rings.Top, rings.Bottom, apex)) {
        e.Form.StatusLabel.text = kMsgEndPlanesCross; // shown even when a keep is pending
        return false;
    }
    const std::vector<double> steps = GeneratorSteps(rings.Top, rings.Bottom, apex);
    top = UnrollRing(rings.Top, apex, steps);
    bottom = UnrollRing(rings.Bottom, apex, steps);
    return Finite(top.Closing) && Finite(bottom.Closing);
}
} // namespace

namespace {
// The overlap lines beside the start edge (a to b) and the end edge (c to d); none without an
// overlap or a development.
struct ObliqueTabs {
    TDPoint a, b, c, d;
};

std::optional<ObliqueTabs> TabsOf(const ConeJob& e) {
    const double o = e.Def.Overlap;
    const TDPointList& top = e.Cone.TopEdgePoints;
    const TDPointList& bottom = e.Cone.BottomEdgePoints;
    if (o == 0 || top.empty() || bottom.empty()) return std::nullopt;
    const TDPoint ts = top.front(), bs = bottom.front();
    const TDPoint tc = e.Cone.TopClosingPoint, bc = e.Cone.BottomClosingPoint;
    const double m = DirectionAngle(ts.x, ts.y, bs.x, bs.y);
    const double n = DirectionAngle(tc.x, tc.y, bc.x, bc.y);
    auto moved = [](const TDPoint& p, double dist, double angle) {
        const TDPoint q = Polar(dist, angle);
        return TDPoint{p.x + q.x, p.y + q.y, 0};
    };
    return ObliqueTabs{moved(ts, o, m - 90), moved(bs, o, m - 90), moved(tc, o, n + 90),
                       moved(bc, o, n + 90)};
}

// The development's cut outline, counter-clockwise from the top ring's first point: out along
// the start edge, round the bottom ring, in along the end edge and back round the top ring;
// an overlap tab runs out beside each edge.
void AddDevelopmentOutline(ConeJob& e, const TUnrolledRing& top, const TUnrolledRing& bottom) {
    const auto tabs = TabsOf(e);
    CutOutline o{"Cone", 1, {}};
    o.Line(top.Points.front());
    if (tabs) {
        o.Line(tabs->a);
        o.Line(tabs->b);
    }
    for (const TDPoint& p : bottom.Points)
        o.Line(p);
    o.Line(bottom.Closing);
    if (tabs) {
        o.Line(tabs->d);
        o.Line(tabs->c);
    }
    o.Line(top.Closing);
    for (size_t k = top.Points.size(); k-- > 1;)
        o.Line(top.Points[k]);
    e.Flat.AddOutline(std::move(o));
}
} // namespace

void DrawObliqueConePattern(ConeJob& e) {
    TUnrolledRing top, bottom;
    if (!DevelopCone(e, top, bottom)) {
        e.Drv.ReportInProgress = false;
        return;
    }
    FlatPatternBuilder& v = e.Flat;
    DrawRingLines(v, top);
    DrawRingLines(v, bottom);
    if (e.Drv.ReportInProgress) WriteConeListing(e, top, bottom, e.Cone.FlatAngle);
    e.Cone.TopEdgePoints = top.Points;
    e.Cone.BottomEdgePoints = bottom.Points;
    e.Cone.TopClosingPoint = top.Closing;
    e.Cone.BottomClosingPoint = bottom.Closing;
    // An overlap tab is bent along the start and end edges.
    v.SetPen(kLayerOutline, kColorWhite,
             e.Def.Overlap != 0 ? FlatRole::TabJoin : FlatRole::Outline);
    v.Line(top.Points[0].x, top.Points[0].y, bottom.Points[0].x, bottom.Points[0].y);
    v.Line(top.Closing.x, top.Closing.y, bottom.Closing.x, bottom.Closing.y);
    e.Cone.FlatAngle = static_cast<float>(
        DirectionAngle(top.Closing.x, top.Closing.y, bottom.Closing.x, bottom.Closing.y));
    DrawObliqueOverlap(e);
    AddDevelopmentOutline(e, top, bottom);
    DrawPatternDecorations(e);
    if (!e.Drv.PdfInProgress) PlaceOnScreen(e);
    DrawBoundingBox(e);
}

void DrawGeneratorLine(ConeJob& e, int style, double coneAngle) {
    const TDPointList& top = e.Cone.TopEdgePoints;
    const TDPointList& bottom = e.Cone.BottomEdgePoints;
    const size_t n = std::min(top.size(), bottom.size());
    if (n == 0 || !std::isfinite(coneAngle)) return;
    // The generator at the cone angle itself: ring point k sits at 360 k / n degrees, and 360
    // is the same generator as 0.
    const double k = std::round(NormalizeAngle(coneAngle) / 360.0 * static_cast<double>(n));
    const size_t i = static_cast<size_t>(k) % n;
    switch (style) {
    case kGeneratorBend:
        e.Flat.SetPen(kLayerBend, kColorLime, FlatRole::Bend);
        break;
    case kGeneratorSeam:
        e.Flat.SetPen(kLayerSideCut, kColorYellow, FlatRole::Seam);
        break;
    case kGeneratorSideCut:
        e.Flat.SetPen(kLayerSideCut, kColorCyan, FlatRole::SideCut);
        break;
    default:
        return;
    }
    e.Flat.Line(top[i].x, top[i].y, bottom[i].x, bottom[i].y);
}

void DrawObliqueOverlap(ConeJob& e) {
    const auto tabs = TabsOf(e);
    if (!tabs) return;
    e.Flat.SetPen(kLayerOverlap, kColorRed, FlatRole::Overlap);
    e.Flat.Line(tabs->a.x, tabs->a.y, tabs->b.x, tabs->b.y);
    e.Flat.Line(tabs->c.x, tabs->c.y, tabs->d.x, tabs->d.y);
}

void ShowModifiedConeDimensions(ConeJob& e) {
    FormModel& f = e.Form;
    f.RegularDataDisplay.visible = true;
    f.SegmentAngleEdit.text.clear();
    f.SegmentAngleEdit.visible = false;
    for (Label* l :
         {&f.LargeRadius, &f.SmallRadius, &f.InnerCord, &f.OuterCord, &f.LargeRadiusCaption,
          &f.SmallRadiusCaption, &f.InnerCordCaption, &f.OuterCordCaption, &f.SegmentAngleCaption})
        l->visible = false;
    for (Label* l :
         {&f.AngleA, &f.AngleACaption, &f.WidthX, &f.WidthXCaption, &f.HeightY, &f.HeightYCaption})
        l->visible = true;
    f.Label10.text = kTitleModifiedCone;
    f.AngleA.text = e.FormatValue(e.Cone.FlatAngle);
    f.WidthX.text = e.FormatValue(e.FromIn(e.Cone.PatternWidth));
    f.HeightY.text = e.FormatValue(e.FromIn(e.Cone.PatternHeight));
}

} // namespace brevant
