// Sorting a pattern's lines by purpose, forming overlap tabs and cut strips, then chaining the
// outline into closed contours.
#include "documents/outline_contours.h"

#include "caddraw/cad_drawing.h"
#include "caddraw/pattern_pen.h"
#include "documents/contour_graph.h"
#include "documents/outline_tabs.h"
#include "geometry/constants.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace brevant {

namespace {

enum class Role { Outline, Overlap, Bend, Mark, None };

struct Lines {
    std::vector<ShopSegment> outline, overlap, bend, mark;
};

Role RoleOf(const TElement& e) {
    if (e.Deleted || (e.Etype != kElementLine && e.Etype != kElementArc)) return Role::None;
    // The cone's seam line is yellow on whichever pattern layer was current.
    if (e.LineColor == kColorYellow && e.Layer >= kLayerOutline && e.Layer <= kLayerBend)
        return Role::Mark;
    switch (e.Layer) {
    case kLayerOutline:
        if (e.LineColor == kColorRed) return Role::Overlap;
        if (e.LineColor == kColorBlue) return Role::None;
        return Role::Outline;
    case kLayerOverlap:
        return e.Etype == kElementLine ? Role::Overlap : Role::Outline;
    case kLayerSideCut:
        return Role::Mark;
    case kLayerBend:
        return Role::Bend;
    default:
        return Role::None;
    }
}

std::optional<ShopSegment> SegmentOf(const TElement& e) {
    ShopSegment s;
    if (e.Etype == kElementLine) {
        s.from = {e.Coord(1), e.Coord(2), 0};
        s.to = {e.Coord(4), e.Coord(5), 0};
        return s;
    }
    const double cx = e.Coord(1), cy = e.Coord(2), r = e.Coord(4);
    double sweep = std::fmod(e.Coord(6) - e.Coord(5), 360.0);
    if (sweep <= 0) sweep += 360; // equal angles: the full circle
    if (!(r > 0) || !std::isfinite(sweep)) return std::nullopt;
    const double a = e.Coord(5) / kDrawDegreesPerRadian, b = e.Coord(6) / kDrawDegreesPerRadian;
    s.from = {cx + r * std::cos(a), cy + r * std::sin(a), 0};
    s.to = {cx + r * std::cos(b), cy + r * std::sin(b), 0};
    s.centre = {cx, cy, 0};
    s.bulge = std::tan(sweep / kDrawDegreesPerRadian / 4);
    return s;
}

Lines SortLines(const TCadDrawing& drawing) {
    Lines l;
    for (const TElement& e : drawing.Elements()) {
        const Role role = RoleOf(e);
        if (role == Role::None) continue;
        const auto s = SegmentOf(e);
        if (!s) continue;
        auto& list = role == Role::Outline   ? l.outline
                     : role == Role::Overlap ? l.overlap
                     : role == Role::Bend    ? l.bend
                                             : l.mark;
        list.push_back(*s);
    }
    return l;
}

// The snapping distance: a thousandth of the outline's size, but well under its shortest
// segment, so that no segment collapses.
double Tolerance(const std::vector<ShopSegment>& outline) {
    double lo = 1e300, hi = -1e300, shortest = 1e300;
    for (const ShopSegment& s : outline) {
        for (const TDPoint& p : {s.from, s.to})
            for (double v : {p.x, p.y}) {
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        const double length = std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
        if (length > 0) shortest = std::min(shortest, length);
    }
    if (outline.empty()) return 0;
    const double size = hi - lo;
    return std::max(std::min(1e-3 * size, 0.25 * shortest), 1e-9 * size);
}

} // namespace

namespace {
Contour SegmentContour(const ShopSegment& s) {
    Contour c;
    c.vertices = {{s.from.x, s.from.y, s.bulge}, {s.to.x, s.to.y, 0}};
    return c;
}
} // namespace

ShopOutlines BuildShopOutlines(const TCadDrawing& drawing) {
    Lines l = SortLines(drawing);
    const double tol = Tolerance(l.outline);
    FormCutStrip(l.outline, l.overlap, tol);
    FormOverlapTabs(l.outline, l.overlap, l.mark, tol);
    ChainedSegments chained = ChainSegments(l.outline, tol);
    ShopOutlines out;
    out.cut = std::move(chained.closed);
    for (Contour& c : chained.open)
        out.cut.push_back(std::move(c));
    out.bend = std::move(chained.interior);
    for (const ShopSegment& s : l.bend)
        out.bend.push_back(SegmentContour(s));
    for (const ShopSegment& s : l.mark)
        out.mark.push_back(SegmentContour(s));
    return out;
}

} // namespace brevant
