// The transition's flat pattern, 3D scene, formed part and result display.
#include "caddraw/flat_pattern_builder.h"
#include "caddraw/pattern_pen.h"
#include "core/material.h"
#include "core/messages.h"
#include "layouts/size_display.h"
#include "layouts/transition/transition_outputs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

void Polyline(FlatPatternBuilder& b, const std::vector<TDPoint>& points) {
    for (size_t k = 1; k < points.size(); ++k)
        b.Line(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
}

void Segment(FlatPatternBuilder& b, const TDPoint& from, const TDPoint& to) {
    b.Line(from.x, from.y, to.x, to.y);
}

// The scene frame: x, the height downwards, y across.
TDPoint ToScene(const TDPoint& p) {
    return {p.x, -p.z, p.y};
}

} // namespace

FlatPattern TransitionFlatPattern(const TransitionFlat& f, int pieces) {
    FlatPatternBuilder b;
    if (f.Bottom.size() < 2) return b.Take();
    b.SetPen(kLayerOutline, kColorLime, FlatRole::Outline);
    Polyline(b, f.BottomEdge);
    Polyline(b, f.TopEdge);
    Segment(b, f.Bottom.front(), f.Top.front());
    Segment(b, f.Bottom.back(), f.Top.back());
    b.SetPen(kLayerBend, kColorLime, FlatRole::Bend);
    for (size_t k = 1; k + 1 < f.Bottom.size(); ++k)
        if (f.IsBend(k)) Segment(b, f.Bottom[k], f.Top[k]);
    b.SetPen(kLayerBoundingBox, kColorGrey, FlatRole::Frame);
    b.Line(f.MinX, f.MinY, f.MaxX, f.MinY);
    b.Line(f.MaxX, f.MinY, f.MaxX, f.MaxY);
    b.Line(f.MaxX, f.MaxY, f.MinX, f.MaxY);
    b.Line(f.MinX, f.MaxY, f.MinX, f.MinY);
    CutOutline outline{pieces == 2 ? "Transition half" : "Transition", pieces, {}};
    for (const TDPoint& p : f.Outline())
        outline.Line(p);
    b.AddOutline(std::move(outline));
    return b.Take();
}

void TransitionRings(const TransitionModel& whole, TPathArray& top, TPathArray& bottom) {
    // The last line of the whole part is its first again.
    for (size_t k = 0; k + 1 < whole.Rungs.size(); ++k) {
        top.push_back(ToScene(whole.TopOf(k)));
        bottom.push_back(ToScene(whole.BottomOf(k)));
    }
}

void BuildTransitionScene(PartScene& s, const TransitionResults& last) {
    const TransitionPart& p = last.Part;
    s.BottomPivotRotationZ = 0;
    s.TopPivotPosition = {p.XShift, -p.Height, p.YShift};
    s.TopPivotRotationZ = p.TopAngle;
    TPathArray top, bottom;
    TransitionRings(last.Whole, top, bottom);
    const double size = std::max({p.Bottom.Width, p.Bottom.Length, p.Height});
    SetRingSurface(s, top, bottom, size, SceneOverlay::WireFrame);
}

FormedPart TransitionFormedPart(const TransitionResults& last) {
    FormedPart part;
    part.Name = "Transition";
    const TransitionModel& m = last.Whole;
    if (!last.Made || m.Rungs.size() < 3) return part;
    const TransitionPart& p = last.Part;
    const double a = p.TopAngle * std::numbers::pi / 180;
    FacetPiece piece;
    piece.EndPlanes = {FormedPlane{{p.XShift, p.YShift, p.Height}, {std::sin(a), 0, std::cos(a)}},
                       FormedPlane{{0, 0, 0}, {0, 0, 1}}};
    const int topStart = static_cast<int>(m.Bottom.size());
    for (const TDPoint& b : m.Bottom) {
        piece.Vertices.push_back(b);
        piece.VertexPlane.push_back(1);
    }
    for (const TDPoint& t : m.Top) {
        piece.Vertices.push_back(t);
        piece.VertexPlane.push_back(0);
    }
    // Counter-clockwise seen from outside: along the bottom, then up; or down the new line
    // from the top.
    for (size_t k = 0; k + 1 < m.Rungs.size(); ++k) {
        const Rung r = m.Rungs[k], n = m.Rungs[k + 1];
        if (r.Bottom == n.Bottom)
            piece.Facets.push_back({r.Bottom, topStart + n.Top, topStart + r.Top});
        else
            piece.Facets.push_back({r.Bottom, n.Bottom, topStart + r.Top});
    }
    part.Pieces.push_back(std::move(piece));
    part.Thickness = last.Thickness;
    return part;
}

void ShowTransitionDisplay(FormModel& f, const TransitionResults& last, const DisplayFormat& format,
                           const std::string& materialName, bool ownPageShown) {
    ShowSizeDisplay(f, kTitleTransition, last.Flat.Width(), last.Flat.Height(), format);
    if (ownPageShown) {
        f.Label53.visible = true;
        f.InsideRadio.visible = f.OutsideRadio.visible = f.MiddleRadio.visible = true;
        if (f.ThicknessCheckBox.checked) f.ThicknessDisplay.visible = true;
    }
    const double area = TransitionSurfaceArea(last.Whole);
    f.WeightLabel.text =
        std::isfinite(last.Weight)
            ? AreaWeightText(area, last.Weight, format.Units, materialName, format.DecimalSeparator)
            : kNoValue;
}

} // namespace brevant
