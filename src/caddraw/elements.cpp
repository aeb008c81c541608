// The drawing list: adding, finding, copying and removing elements, and duplicate removal.
#include "caddraw/elements.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace brevant {

TElement& TElements::Stamp(TElement& element) {
    element.ItemID = nextId_++;
    return element;
}

TElement& TElements::Add() {
    items_.emplace_back();
    return Stamp(items_.back());
}

TElement& TElements::Insert(int index) {
    const int at = std::clamp(index, 0, Count());
    auto it = items_.insert(items_.begin() + at, TElement{});
    return Stamp(*it);
}

TElement* TElements::FindItemID(std::int64_t id) {
    for (TElement& e : items_)
        if (e.ItemID == id) return &e;
    return nullptr;
}

const TElement* TElements::FindItemID(std::int64_t id) const {
    for (const TElement& e : items_)
        if (e.ItemID == id) return &e;
    return nullptr;
}

void TElements::SetElement(int index, const TElement& value) {
    if (ValidIndex(index)) GetElement(index).Assign(value);
}

void TElements::Remove(int index) {
    if (ValidIndex(index)) items_.erase(items_.begin() + index);
}

void TElements::Assign(const TElements& source) {
    if (&source == this) return;
    owner_ = source.owner_;
    Changed = source.Changed;
    Tag = source.Tag;
    items_.clear();
    items_.reserve(source.items_.size());
    for (const TElement& e : source.items_)
        Add().Assign(e);
}

void TElements::ClearDeleted() {
    std::erase_if(items_, [](const TElement& e) { return e.Deleted; });
}

namespace {

constexpr double kDuplicateTolerance = 0.0005;
constexpr double kDuplicateCell = 0.001; // at least the tolerance: equal values share or touch

bool Near(double a, double b) {
    return std::fabs(a - b) <= kDuplicateTolerance;
}

bool SameRange(const TElement& a, int ia, const TElement& b, int ib, int n) {
    for (int k = 0; k < n; ++k)
        if (!Near(a.Coords[static_cast<std::size_t>(ia + k)],
                  b.Coords[static_cast<std::size_t>(ib + k)]))
            return false;
    return true;
}

// Whether two elements of the same type (and layer, when that matters) are duplicates.
bool Duplicates(const TElement& a, const TElement& b) {
    switch (a.Etype) {
    case 1:
        return SameRange(a, 0, b, 0, 3);
    case 2:
        return SameRange(a, 0, b, 0, 6) || (SameRange(a, 0, b, 3, 3) && SameRange(a, 3, b, 0, 3));
    case 3:
        return SameRange(a, 0, b, 0, 6);
    default:
        return false;
    }
}

struct CellKey {
    std::int32_t type;
    std::int32_t layer;
    std::int64_t cx;
    std::int64_t cy;
    bool operator==(const CellKey&) const = default;
};

struct CellKeyHash {
    std::size_t operator()(const CellKey& k) const {
        std::uint64_t h = static_cast<std::uint64_t>(k.type) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<std::uint64_t>(k.layer) + 0x7F4A7C15ull + (h << 6) + (h >> 2);
        h ^= static_cast<std::uint64_t>(k.cx) * 0xC2B2AE3D27D4EB4Full + (h << 6) + (h >> 2);
        h ^= static_cast<std::uint64_t>(k.cy) * 0x165667B19E3779F9ull + (h << 6) + (h >> 2);
        return static_cast<std::size_t>(h);
    }
};

// Quantised cell of a coordinate; clamped so huge values stay representable (clamping keeps
// neighbouring values in neighbouring cells, so no match is lost).
std::int64_t Cell(double v) {
    const double q = std::floor(v / kDuplicateCell);
    return static_cast<std::int64_t>(std::clamp(q, -1e15, 1e15));
}

int ComparedCount(int type) {
    return type == 1 ? 3 : 6;
}

bool Comparable(const TElement& e) {
    if (e.Etype < 1 || e.Etype > 3) return false;
    for (int k = 0; k < ComparedCount(e.Etype); ++k)
        if (!std::isfinite(e.Coords[static_cast<std::size_t>(k)])) return false; // never equal
    return true;
}

} // namespace

int TElements::DeleteDuplicates(bool allLayers) {
    // Same result as comparing every kept element with every later one, in index order: an
    // element goes when an earlier kept element duplicates it. Kept elements are bucketed by
    // the cell of their first point; a candidate looks in the 3 x 3 cells around its first
    // point and, for lines, around its second point (reversed twins).
    std::unordered_map<CellKey, std::vector<std::size_t>, CellKeyHash> buckets;
    std::vector<TElement> kept;
    kept.reserve(items_.size());
    auto findIn = [&](const TElement& e, double x, double y) {
        const CellKey base{e.Etype, allLayers ? 0 : e.Layer, Cell(x), Cell(y)};
        for (std::int64_t dx = -1; dx <= 1; ++dx)
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                auto it = buckets.find(CellKey{base.type, base.layer, base.cx + dx, base.cy + dy});
                if (it == buckets.end()) continue;
                for (std::size_t k : it->second)
                    if (Duplicates(kept[k], e)) return true;
            }
        return false;
    };
    for (TElement& e : items_) {
        if (!Comparable(e)) {
            kept.push_back(std::move(e));
            continue;
        }
        if (findIn(e, e.Coords[0], e.Coords[1])) continue;
        if (e.Etype == 2 && findIn(e, e.Coords[3], e.Coords[4])) continue;
        const CellKey key{e.Etype, allLayers ? 0 : e.Layer, Cell(e.Coords[0]), Cell(e.Coords[1])};
        buckets[key].push_back(kept.size());
        kept.push_back(std::move(e));
    }
    const int removed = static_cast<int>(items_.size() - kept.size());
    items_ = std::move(kept);
    return removed;
}

} // namespace brevant
