// Bottom-left placement on no-fit polygons: the free region for a copy is the inner-fit
// rectangle less the no-fit polygons of the copies already on the sheet; its vertices, from
// the left, are the candidates, each checked exactly against the no-fit polygons.
#include "nesting/bottom_left.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brevant::nest {

namespace {
// Grid steps around a vertex of the free region where the exact free point is sought: the
// no-fit polygons used for the region are shrunk by one unit and its crossings rounded.
constexpr std::array<std::pair<int, int>, 25> Nudges() {
    std::array<std::pair<int, int>, 25> n{};
    std::size_t k = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            n[k++] = {dx, dy};
    return n;
}
constexpr auto kNudges = Nudges();

bool Inside(const IntPoint& p, const IntBox& b) {
    return p.X >= b.minX && p.X <= b.maxX && p.Y >= b.minY && p.Y <= b.maxY;
}

// The vertices of the free region: of its areas, or of the segments left of a degenerate
// inner-fit rectangle (a part exactly as high or as wide as the usable sheet).
IntPath FreeVertices(const IntBox& fit, const IntPaths& clip) {
    ClipperLib::Clipper c;
    const bool flat = fit.minX == fit.maxX || fit.minY == fit.maxY;
    IntPath subject = flat ? IntPath{{fit.minX, fit.minY}, {fit.maxX, fit.maxY}}
                           : IntPath{{fit.minX, fit.minY},
                                     {fit.maxX, fit.minY},
                                     {fit.maxX, fit.maxY},
                                     {fit.minX, fit.maxY}};
    if (clip.empty() || (flat && subject[0] == subject[1])) return subject;
    c.AddPath(subject, ClipperLib::ptSubject, !flat);
    c.AddPaths(clip, ClipperLib::ptClip, true);
    IntPath vertices;
    if (flat) {
        ClipperLib::PolyTree tree;
        c.Execute(ClipperLib::ctDifference, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
        IntPaths open;
        ClipperLib::OpenPathsFromPolyTree(tree, open);
        for (const IntPath& p : open)
            vertices.insert(vertices.end(), p.begin(), p.end());
        return vertices;
    }
    IntPaths free;
    c.Execute(ClipperLib::ctDifference, free, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    for (const IntPath& p : free)
        vertices.insert(vertices.end(), p.begin(), p.end());
    return vertices;
}
} // namespace

NoFitCache::Key Decoder::KeyOf(int fixedPart, int fixedRotation, int part, int rotation) const {
    const auto rotations = static_cast<NoFitCache::Key>(model_.rotations.size());
    const auto parts = static_cast<NoFitCache::Key>(model_.shapes.size());
    const NoFitCache::Key fixed =
        NoFitCache::Key(fixedPart) * rotations + NoFitCache::Key(fixedRotation);
    const NoFitCache::Key moving = NoFitCache::Key(part) * rotations + NoFitCache::Key(rotation);
    return fixed * parts * rotations + moving;
}

NoFitEntry Decoder::MakeNfp(int fixedPart, int fixedRotation, int part, int rotation) {
    const auto& fixed = model_.shapes[std::size_t(fixedPart)];
    const auto& moving = model_.shapes[std::size_t(part)];
    if (!model_.turnedNfps || fixedRotation == model_.zero)
        return MakeNoFitEntry(fixed[std::size_t(fixedRotation)]->loops,
                              moving[std::size_t(rotation)]->loops);
    // The pair turned back by the fixed part's rotation, and the result turned forward.
    const int relative = model_.difference[std::size_t(fixedRotation)][std::size_t(rotation)];
    const NoFitEntry& base = Nfp(fixedPart, model_.zero, part, relative);
    return Turned(base, model_.rotations[std::size_t(fixedRotation)]);
}

const NoFitEntry& Decoder::Nfp(int fixedPart, int fixedRotation, int part, int rotation) {
    const NoFitCache::Key key = KeyOf(fixedPart, fixedRotation, part, rotation);
    const auto it = local_.find(key);
    if (it != local_.end()) return *it->second;
    const NoFitEntry& e =
        cache_.Get(key, [&] { return MakeNfp(fixedPart, fixedRotation, part, rotation); });
    local_.emplace(key, &e);
    return e;
}

IntBox Decoder::InnerFit(const PreparedShape& shape) const {
    IntBox fit;
    fit.minX = model_.usable.minX - shape.box.minX;
    fit.maxX = model_.usable.maxX - shape.box.maxX;
    fit.minY = model_.usable.minY - shape.box.minY;
    fit.maxY = model_.usable.maxY - shape.box.maxY;
    fit.empty = fit.minX > fit.maxX || fit.minY > fit.maxY;
    return fit;
}

bool Decoder::Clear(const IntPoint& p, const IntBox& fit) const {
    if (!Inside(p, fit)) return false;
    for (const Near& n : near_) {
        if (!Inside(p, Moved(n.nfp->box, n.at))) continue;
        const IntPoint rel{p.X - n.at.X, p.Y - n.at.Y};
        if (Locate(rel, n.nfp->exact) == PointPlace::kInside) return false;
    }
    return true;
}

bool Decoder::Lowest(const Layout& layout, int sheet, int part, int rotation, const IntBox& fit,
                     IntPoint& at) {
    near_.clear();
    if (onSheet_[std::size_t(sheet)].empty()) {
        at = {fit.minX, fit.minY}; // an empty sheet's lower left corner
        return true;
    }
    IntPaths clip;
    for (int q : onSheet_[std::size_t(sheet)]) {
        const Placed& pq = layout.placed[std::size_t(q)];
        const int fixedPart = model_.copyPart[std::size_t(layout.genes[std::size_t(q)].copy)];
        const NoFitEntry& e = Nfp(fixedPart, pq.rotation, part, rotation);
        if (!Moved(e.box, pq.at).Overlaps(fit)) continue;
        near_.push_back({&e, pq.at});
        for (const IntPath& loop : e.search)
            clip.push_back(Moved(loop, pq.at));
    }
    IntPath vertices = FreeVertices(fit, clip);
    std::sort(vertices.begin(), vertices.end(), [](const IntPoint& a, const IntPoint& b) {
        return a.X < b.X || (a.X == b.X && a.Y < b.Y);
    });
    for (const IntPoint& v : vertices)
        for (const auto& [dx, dy] : kNudges) {
            const IntPoint p{v.X + dx, v.Y + dy};
            if (Clear(p, fit)) {
                at = p;
                return true;
            }
        }
    return false;
}

Decoder::Spot Decoder::BestOnSheet(const Layout& layout, int sheet, int part, int geneRotation) {
    Spot best;
    const auto& shapes = model_.shapes[std::size_t(part)];
    for (int r = 0; r < static_cast<int>(shapes.size()); ++r) {
        if (geneRotation >= 0 && r != geneRotation) continue;
        if (!model_.Placeable(part, r)) continue;
        const PreparedShape& shape = *shapes[std::size_t(r)];
        if (!model_.strip && model_.usableArea - usedArea_[std::size_t(sheet)] < shape.area)
            continue;
        const IntBox fit = InnerFit(shape);
        if (fit.empty) continue;
        // No point of this rotation can beat the best so far when its left-most can't.
        Spot bound;
        bound.found = true;
        bound.keyX = fit.minX + shape.box.maxX;
        bound.keyY = fit.minY + shape.box.minY;
        if (best.found && !bound.Beats(best)) continue;
        IntPoint at;
        if (!Lowest(layout, sheet, part, r, fit, at)) continue;
        Spot s{true, r, at, at.X + shape.box.maxX, at.Y + shape.box.minY};
        if (s.Beats(best)) best = s;
    }
    return best;
}

void Decoder::Place(Layout& layout, std::size_t i) {
    const Gene& g = layout.genes[i];
    const int part = model_.copyPart[std::size_t(g.copy)];
    int rotation = g.rotation;
    if (rotation >= 0 && !model_.Placeable(part, rotation)) rotation = -1;
    Spot spot;
    int sheet = 0;
    for (; sheet < layout.sheets; ++sheet) {
        spot = BestOnSheet(layout, sheet, part, rotation);
        if (spot.found) break;
    }
    if (!spot.found) {
        // A fresh sheet; every part fits on an empty one in some rotation.
        sheet = layout.sheets++;
        onSheet_.emplace_back();
        usedArea_.push_back(0);
        spot = BestOnSheet(layout, sheet, part, rotation);
    }
    layout.placed[i] = {sheet, spot.rotation, spot.at};
    onSheet_[std::size_t(sheet)].push_back(static_cast<int>(i));
    usedArea_[std::size_t(sheet)] +=
        model_.shapes[std::size_t(part)][std::size_t(spot.rotation)]->area;
}

void Decoder::Restart(const Layout& layout, std::size_t from) {
    onSheet_.clear();
    usedArea_.clear();
    int sheets = model_.strip ? 1 : 0;
    for (std::size_t i = 0; i < from; ++i)
        sheets = std::max(sheets, layout.placed[i].sheet + 1);
    onSheet_.resize(std::size_t(sheets));
    usedArea_.resize(std::size_t(sheets), 0);
    for (std::size_t i = 0; i < from; ++i) {
        const Placed& p = layout.placed[i];
        const int part = model_.copyPart[std::size_t(layout.genes[i].copy)];
        onSheet_[std::size_t(p.sheet)].push_back(static_cast<int>(i));
        usedArea_[std::size_t(p.sheet)] +=
            model_.shapes[std::size_t(part)][std::size_t(p.rotation)]->area;
    }
}

void Decoder::Finish(Layout& layout) const {
    const int last = layout.sheets - 1;
    double length = 0;
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        const Placed& p = layout.placed[i];
        if (p.sheet != last) continue;
        const int part = model_.copyPart[std::size_t(layout.genes[i].copy)];
        length = std::max(length,
                          double(p.at.X) +
                              model_.shapes[std::size_t(part)][std::size_t(p.rotation)]->trueMaxX);
    }
    layout.lastLength = length;
    const double sheetLength = model_.sheetWidth * model_.scale;
    layout.score = (model_.strip ? 0.0 : last * sheetLength) + length;
}

bool Decoder::Decode(Layout& layout, std::size_t from, const std::function<bool()>& stop) {
    from = std::min(from, layout.genes.size());
    layout.placed.resize(layout.genes.size());
    Restart(layout, from);
    layout.sheets = static_cast<int>(onSheet_.size());
    for (std::size_t i = from; i < layout.genes.size(); ++i) {
        if (stop && stop()) return false;
        Place(layout, i);
    }
    Finish(layout);
    return true;
}

NestResult ResultOf(const Model& m, const Layout& layout) {
    NestResult r;
    r.mode = m.strip ? NestMode::kStrip : NestMode::kSheets;
    r.length = layout.lastLength / m.scale;
    r.sheets.resize(std::size_t(layout.sheets));
    for (NestSheet& s : r.sheets) {
        s.width = m.strip ? r.length : m.sheetWidth;
        s.height = m.sheetHeight;
    }
    double total = 0;
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        const Placed& p = layout.placed[i];
        const int copy = layout.genes[i].copy;
        const int part = m.copyPart[std::size_t(copy)];
        const double degrees = m.rotations[std::size_t(p.rotation)];
        double c = 1, s = 0;
        CosSinDegrees(degrees, c, s);
        const NestVertex& o = m.centres[std::size_t(part)];
        NestSheet& sheet = r.sheets[std::size_t(p.sheet)];
        sheet.placements.push_back({part, m.copyNumber[std::size_t(copy)], degrees,
                                    double(p.at.X) / m.scale - (o.x * c - o.y * s),
                                    double(p.at.Y) / m.scale - (o.x * s + o.y * c)});
        sheet.partsArea += m.partArea[std::size_t(part)];
        total += m.partArea[std::size_t(part)];
    }
    for (NestSheet& s : r.sheets)
        s.utilisation = s.width > 0 && s.height > 0 ? s.partsArea / (s.width * s.height) : 0;
    const double material =
        m.sheetHeight * (m.strip ? r.length : (layout.sheets - 1) * m.sheetWidth + r.length);
    r.density = material > 0 ? total / material : 0;
    return r;
}

} // namespace brevant::nest
