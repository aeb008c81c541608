// Turning a flat pattern's cut outlines into the nester's parts.
#include "nesting/pattern_parts.h"

#include "nesting/outline_chain.h"

#include <cmath>
#include <numbers>

namespace brevant {

namespace {
bool Finite(const TDPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The outline as a loop of vertices times factor. An arc of more than half a turn is split at
// its middle, so that no bulge grows beyond 1 (a full circle's would be infinite).
bool LoopOf(const CutOutline& o, double factor, NestLoop& loop) {
    loop.clear();
    for (const OutlineEdge& e : o.Edges) {
        if (!Finite(e.Start) || (e.IsArc() && !(Finite(e.Centre) && std::isfinite(e.Sweep))))
            return false;
        const double sweep = e.Sweep * std::numbers::pi / 180;
        if (std::abs(sweep) <= std::numbers::pi) {
            loop.push_back({e.Start.x * factor, e.Start.y * factor, std::tan(sweep / 4)});
            continue;
        }
        const double half = std::tan(sweep / 8);
        const double r = std::hypot(e.Start.x - e.Centre.x, e.Start.y - e.Centre.y);
        const double a = std::atan2(e.Start.y - e.Centre.y, e.Start.x - e.Centre.x) + sweep / 2;
        loop.push_back({e.Start.x * factor, e.Start.y * factor, half});
        loop.push_back({(e.Centre.x + r * std::cos(a)) * factor,
                        (e.Centre.y + r * std::sin(a)) * factor, half});
    }
    return true;
}

bool SameLoop(const NestLoop& a, const NestLoop& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].bulge != b[i].bulge) return false;
    return true;
}

// The outline whose loop is a shape's outer boundary.
std::size_t SourceOf(const NestShape& shape, const std::vector<NestLoop>& loops) {
    for (std::size_t i = 0; i < loops.size(); ++i)
        if (SameLoop(shape.outer, loops[i])) return i;
    return 0;
}

std::string PieceName(const std::string& part, const std::string& piece, std::size_t index,
                      std::size_t pieces) {
    if (pieces == 1) return part;
    const std::string what = piece.empty() ? "piece" : piece;
    return part + ", " + what + " (" + std::to_string(index + 1) + " of " + std::to_string(pieces) +
           ")";
}
} // namespace

bool AddPatternParts(const FlatPattern& pattern, double factor, const std::string& name, int count,
                     std::vector<NestPart>& parts, std::string& error) {
    if (pattern.Outlines.empty()) {
        error = "the part has no cut outline";
        return false;
    }
    std::vector<NestLoop> loops(pattern.Outlines.size());
    for (std::size_t i = 0; i < loops.size(); ++i) {
        if (!LoopOf(pattern.Outlines[i], factor, loops[i])) {
            error = "a cut outline of the part has a point that is not a number";
            return false;
        }
        if (!(std::abs(LoopArea(loops[i])) > 0)) {
            error = "a cut outline of the part encloses no area";
            return false;
        }
        if (LoopArea(loops[i]) < 0) loops[i] = Reversed(loops[i]);
    }
    const std::vector<NestShape> shapes = ShapesOf(loops);
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        const CutOutline& source = pattern.Outlines[SourceOf(shapes[k], loops)];
        const long long copies = static_cast<long long>(source.Quantity) * count;
        if (copies < 1 || copies > kMostPieceCopies) {
            error = "the part needs " + std::to_string(copies) + " copies of a piece (from 1 to " +
                    std::to_string(kMostPieceCopies) + " can be nested)";
            return false;
        }
        NestPart part;
        part.name = PieceName(name, source.Piece, k, shapes.size());
        part.shape = shapes[k];
        part.quantity = static_cast<int>(copies);
        parts.push_back(std::move(part));
    }
    return true;
}

} // namespace brevant
