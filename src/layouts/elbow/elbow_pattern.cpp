// Drawing the developed gores of a segmented elbow.
#include "layouts/elbow/elbow_pattern.h"

#include "caddraw/pattern_marks.h"
#include "caddraw/pattern_pen.h"
#include "layouts/elbow/elbow_arcs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevant {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

double AngleOf(const TDPoint& centre, const TDPoint& p) {
    return std::atan2(p.y - centre.y, p.x - centre.x) * kDegrees;
}

// The print prints lines only: an arc as chords of about 0.2 in, at most this many. On screen
// an arc is this many chords.
constexpr double kPrintChord = 0.2;
constexpr int kMaxPrintChords = 256;
constexpr int kScreenChords = 16;

void DrawArcAsChords(FlatPatternBuilder& flat, const ElbowSpan& s, ElbowDrawing use) {
    const double a = AngleOf(s.Centre, s.From) / kDegrees, sweep = s.Sweep / kDegrees;
    const double length = std::fabs(sweep) * s.Radius;
    const int n =
        use == ElbowDrawing::Screen
            ? kScreenChords
            : std::clamp(static_cast<int>(std::ceil(length / kPrintChord)), 1, kMaxPrintChords);
    TDPoint last = s.From;
    for (int i = 1; i <= n; ++i) {
        const double t = a + sweep * i / n;
        const TDPoint p = i == n ? s.To
                                 : TDPoint{s.Centre.x + s.Radius * std::cos(t),
                                           s.Centre.y + s.Radius * std::sin(t), 0};
        flat.Line(last.x, last.y, p.x, p.y);
        last = p;
    }
}

void DrawSpan(FlatPatternBuilder& flat, const ElbowSpan& s, ElbowDrawing use) {
    if (!s.IsArc) {
        flat.Line(s.From.x, s.From.y, s.To.x, s.To.y);
        return;
    }
    if (use != ElbowDrawing::File) {
        DrawArcAsChords(flat, s, use);
        return;
    }
    // The drawing's arcs run counter-clockwise from their start.
    const double a = AngleOf(s.Centre, s.From);
    const double start = s.Sweep > 0 ? a : a + s.Sweep;
    flat.Arc(s.Centre.x, s.Centre.y, s.Radius, start, start + std::fabs(s.Sweep));
}

void DrawEdge(FlatPatternBuilder& flat, const ElbowEdge& e, ElbowDrawing use) {
    if (e.Square) {
        flat.Line(e.Points.front().x, e.Points.front().y, e.Points.back().x, e.Points.back().y);
        return;
    }
    for (const ElbowSpan& s : ElbowSpans(e.Points))
        DrawSpan(flat, s, use);
}

// The edge's spans onto the outline, forwards (left to right) or backwards.
void AddEdge(CutOutline& o, const ElbowEdge& e, bool forwards) {
    if (e.Square) {
        o.Line(forwards ? e.Points.front() : e.Points.back());
        return;
    }
    const auto spans = ElbowSpans(e.Points);
    if (forwards) {
        for (const ElbowSpan& s : spans)
            s.IsArc ? o.Arc(s.From, s.Centre, s.Sweep) : o.Line(s.From);
        return;
    }
    for (auto s = spans.rbegin(); s != spans.rend(); ++s)
        s->IsArc ? o.Arc(s->To, s->Centre, -s->Sweep) : o.Line(s->To);
}

// Counter-clockwise: along the lower edge, up the right side, back along the upper edge and
// down the left side (the seam).
CutOutline PieceOutline(const ElbowLayout& layout, const ElbowPiece& piece) {
    CutOutline o{piece.Name, piece.Quantity, {}};
    AddEdge(o, layout.Edges[piece.Lower], true);
    o.Line(layout.Edges[piece.Lower].Points.back());
    AddEdge(o, layout.Edges[piece.Upper], false);
    o.Line(layout.Edges[piece.Upper].Points.front());
    return o;
}

void DrawDimensions(FlatPatternBuilder& flat, const FlatExtents& e) {
    const double w = e.Width(), h = e.Height(), q = std::min(w, h) / 8;
    const double size = std::min(w, h);
    flat.SetPen(kLayerDimension, kColorCyan, FlatRole::Dimension);
    const double y = e.MinY - q, x = e.MaxX + q;
    flat.Line(e.MinX, e.MinY - q / 4, e.MinX, y);
    flat.Line(e.MaxX, e.MinY - q / 4, e.MaxX, y);
    flat.Line(e.MinX, y, e.MinX + w / 3, y);
    flat.Line(e.MaxX, y, e.MaxX - w / 3, y);
    DrawDimensionArrow(flat, ArrowDirection::Left, e.MinX, y, size);
    DrawDimensionArrow(flat, ArrowDirection::Right, e.MaxX, y, size);
    DrawMarkerGlyph(flat, 'X', (e.MinX + e.MaxX) / 2, y, size);
    flat.Line(e.MaxX + q / 4, e.MinY, x, e.MinY);
    flat.Line(e.MaxX + q / 4, e.MaxY, x, e.MaxY);
    flat.Line(x, e.MinY, x, e.MinY + h / 3);
    flat.Line(x, e.MaxY, x, e.MaxY - h / 3);
    DrawDimensionArrow(flat, ArrowDirection::Down, x, e.MinY, size);
    DrawDimensionArrow(flat, ArrowDirection::Up, x, e.MaxY, size);
    DrawMarkerGlyph(flat, 'Y', x, (e.MinY + e.MaxY) / 2, size);
}

} // namespace

void DrawElbowPattern(FlatPatternBuilder& flat, const ElbowLayout& layout, ElbowDrawing use) {
    flat.Clear();
    flat.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    for (const ElbowEdge& e : layout.Edges)
        DrawEdge(flat, e, use);
    for (const ElbowPiece& p : layout.Pieces) {
        const ElbowEdge &lo = layout.Edges[p.Lower], &up = layout.Edges[p.Upper];
        flat.Line(lo.Points.back().x, lo.Points.back().y, up.Points.back().x, up.Points.back().y);
        flat.Line(lo.Points.front().x, lo.Points.front().y, up.Points.front().x,
                  up.Points.front().y);
        flat.AddOutline(PieceOutline(layout, p));
    }
    if (use == ElbowDrawing::Print)
        DrawExtentsRectangle(flat);
    else
        DrawDimensions(flat, flat.Extents());
}

} // namespace brevant
