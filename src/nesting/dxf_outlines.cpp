// Reading pieces from a DXF: the drawing reader's lines and arcs in the XY plane become
// outline segments, chained within a tolerance of a millionth of the drawing's size.
#include "nesting/dxf_outlines.h"

#include "caddraw/cad_drawing.h"
#include "caddraw/dxf_format.h"
#include "nesting/outline_chain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brevant {

namespace {
constexpr double kPi = 3.14159265358979323846;

// A drawn arc (counter-clockwise from its start to its end angle, degrees) as segments: a full
// circle as two half circles.
void AddArc(const TElement& e, std::vector<OutlineSegment>& out) {
    const double cx = e.Coords[0], cy = e.Coords[1], r = e.Coords[3];
    const double start = e.Coords[4], end = e.Coords[5];
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 0) sweep += 360;
    if (!(r > 0)) return;
    auto at = [&](double degrees, double& x, double& y) {
        x = cx + r * std::cos(degrees * kPi / 180);
        y = cy + r * std::sin(degrees * kPi / 180);
    };
    const int pieces = sweep > 359.9999 ? 2 : 1;
    const double step = pieces == 2 ? 180.0 : sweep;
    for (int k = 0; k < pieces; ++k) {
        OutlineSegment s;
        at(start + k * step, s.x0, s.y0);
        at(start + (k + 1) * step, s.x1, s.y1);
        s.bulge = std::tan(step * kPi / 180 / 4);
        out.push_back(s);
    }
}

std::vector<OutlineSegment> SegmentsOf(const TCadDrawing& drawing) {
    std::vector<OutlineSegment> segments;
    const TElements& list = drawing.Elements();
    for (int i = 0; i < list.Count(); ++i) {
        const TElement& e = list[i];
        if (e.Deleted) continue;
        if (e.Etype == kElementLine)
            segments.push_back({e.Coords[0], e.Coords[1], e.Coords[3], e.Coords[4], 0});
        else if (e.Etype == kElementArc && e.view == 1)
            AddArc(e, segments);
    }
    return segments;
}

double Extent(const std::vector<OutlineSegment>& segments) {
    NestBox box;
    for (const OutlineSegment& s : segments) {
        box.Add(s.x0, s.y0);
        box.Add(s.x1, s.y1);
    }
    return std::max(box.Width(), box.Height());
}

std::string Near(double x, double y) {
    char text[96];
    std::snprintf(text, sizeof text, "(%.6g, %.6g)", x, y);
    return text;
}
} // namespace

bool ReadDxfOutlines(std::istream& in, std::vector<NestShape>& pieces, std::string& error) {
    pieces.clear();
    TCadDrawing drawing;
    ReadDxf(in, drawing);
    const std::vector<OutlineSegment> segments = SegmentsOf(drawing);
    if (segments.size() > kMostOutlineSegments) {
        error =
            "The file holds more than " + std::to_string(kMostOutlineSegments) + " lines and arcs.";
        return false;
    }
    const double tolerance = std::max(Extent(segments) * 1e-6, 1e-9);
    const ChainedOutlines chained = ChainOutlines(segments, tolerance);
    pieces = ShapesOf(chained.closed);
    // An open chain is an outline that does not close, unless it lies on a piece (a bend
    // line, a mark). The message names a free end off every piece, where there is one.
    auto offPieces = [&](const NestVertex& v) {
        return std::none_of(pieces.begin(), pieces.end(),
                            [&](const NestShape& p) { return Covers(p, v.x, v.y, tolerance); });
    };
    const auto open = std::find_if(chained.loose.begin(), chained.loose.end(),
                                   [&](const OutlineSegment& s) { return offPieces(Midpoint(s)); });
    if (open != chained.loose.end()) {
        const auto end = std::find_if(chained.ends.begin(), chained.ends.end(), offPieces);
        const NestVertex at = end != chained.ends.end() ? *end : NestVertex{open->x0, open->y0, 0};
        error = "An outline is not closed near " + Near(at.x, at.y) + ".";
        pieces.clear();
        return false;
    }
    if (pieces.empty()) {
        error = "The file holds no closed outline.";
        return false;
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const NestShape& a, const NestShape& b) {
        const NestBox ba = BoxOf(a), bb = BoxOf(b);
        return ba.minX < bb.minX || (ba.minX == bb.minX && ba.minY < bb.minY);
    });
    return true;
}

} // namespace brevant
