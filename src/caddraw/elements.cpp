// The drawing list: adding, finding, copying and removing elements, and duplicate removal.
#include "caddraw/elements.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brevant {

TElement& TElements::Stamp(TElement& element) {
    ++generation_;
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
    ++generation_;
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
    ++generation_;
    if (ValidIndex(index)) items_.erase(items_.begin() + index);
}

void TElements::Assign(const TElements& source) {
    if (&source == this) return;
    ++generation_;
    owner_ = source.owner_;
    Changed = source.Changed;
    Tag = source.Tag;
    items_.clear();
    items_.reserve(source.items_.size());
    for (const TElement& e : source.items_)
        Add().Assign(e);
}

void TElements::ClearDeleted() {
    ++generation_;
    std::erase_if(items_, [](const TElement& e) { return e.Deleted; });
}

namespace {

constexpr double kDuplicateTolerance = 0.0005;
constexpr double kDuplicateCell = 0.0011; // a little over twice the tolerance

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
    case kElementPoint:
        return SameRange(a, 0, b, 0, 3);
    case kElementLine:
        return SameRange(a, 0, b, 0, 6) || (SameRange(a, 0, b, 3, 3) && SameRange(a, 3, b, 0, 3));
    case kElementArc:
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

// splitmix64 finaliser: every input bit reaches the low bits the table indexes with.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t HashOf(const CellKey& k) {
    std::uint64_t h =
        Mix(static_cast<std::uint64_t>(k.type) << 32 ^ static_cast<std::uint32_t>(k.layer));
    h = Mix(h ^ static_cast<std::uint64_t>(k.cx));
    return Mix(h ^ static_cast<std::uint64_t>(k.cy));
}

// Kept elements bucketed by cell: an open-addressing table of cells, each the head of a chain
// of kept indices threaded through `next`. Cells are told apart by their 64-bit hash only; a
// rare collision merely adds candidates, which the full comparison then rejects.
class CellBuckets {
public:
    explicit CellBuckets(std::size_t count) : next_(count, -1) {
        std::size_t size = 16;
        while (size < count + count / 2)
            size *= 2;
        slots_.assign(size, Slot{});
        mask_ = size - 1;
    }
    // The last kept index in the cell, or -1.
    std::int32_t Head(std::uint64_t hash) const {
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            if (slots_[i].head < 0) return -1;
            if (slots_[i].hash == hash) return slots_[i].head;
        }
    }
    std::int32_t Next(std::int32_t index) const { return next_[static_cast<std::size_t>(index)]; }
    void Insert(std::uint64_t hash, std::int32_t index) {
        std::size_t i = hash & mask_;
        while (slots_[i].head >= 0 && slots_[i].hash != hash)
            i = (i + 1) & mask_;
        next_[static_cast<std::size_t>(index)] = slots_[i].head;
        slots_[i] = {hash, index};
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::int32_t head = -1;
    };
    std::vector<Slot> slots_;
    std::vector<std::int32_t> next_;
    std::size_t mask_ = 0;
};

// Cell coordinate of a value, and which neighbouring cell a value within the tolerance may
// fall in (the cell is a little over twice the tolerance, so one neighbour suffices). Clamped
// so huge values stay representable; clamping keeps neighbours neighbours, so no match is lost.
struct CellPos {
    std::int64_t cell;
    std::int64_t side; // -1 or +1
};

CellPos CellOf(double v) {
    const double q = v / kDuplicateCell;
    const double f = std::floor(q);
    const std::int64_t cell = static_cast<std::int64_t>(std::clamp(f, -1e15, 1e15));
    return {cell, q - f < 0.5 ? -1 : 1};
}

int ComparedCount(int type) {
    return type == kElementPoint ? 3 : 6;
}

bool Comparable(const TElement& e) {
    if (e.Etype < kElementPoint || e.Etype > kElementArc) return false;
    for (int k = 0; k < ComparedCount(e.Etype); ++k)
        if (!std::isfinite(e.Coords[static_cast<std::size_t>(k)])) return false; // never equal
    return true;
}

// The kept elements so far, bucketed by the cell of their first point.
class KeptIndex {
public:
    KeptIndex(const std::vector<TElement>& items, bool allLayers)
        : items_(items), buckets_(items.size()), allLayers_(allLayers) {}

    // Whether a kept element duplicates e: it looks in the 2 x 2 cells e's first point may
    // match in and, for lines, those of its second point (reversed twins).
    bool Duplicated(const TElement& e) const {
        return FoundNear(e, e.Coords[0], e.Coords[1]) ||
               (e.Etype == kElementLine && FoundNear(e, e.Coords[3], e.Coords[4]));
    }
    void Keep(const TElement& e, std::size_t index) {
        const CellKey key{e.Etype, allLayers_ ? 0 : e.Layer, CellOf(e.Coords[0]).cell,
                          CellOf(e.Coords[1]).cell};
        buckets_.Insert(HashOf(key), static_cast<std::int32_t>(index));
    }

private:
    bool FoundNear(const TElement& e, double x, double y) const {
        const CellPos px = CellOf(x), py = CellOf(y);
        const std::int32_t layer = allLayers_ ? 0 : e.Layer;
        for (std::int64_t cx : {px.cell, px.cell + px.side})
            for (std::int64_t cy : {py.cell, py.cell + py.side})
                for (std::int32_t k = buckets_.Head(HashOf({e.Etype, layer, cx, cy})); k >= 0;
                     k = buckets_.Next(k)) {
                    const TElement& kept = items_[static_cast<std::size_t>(k)];
                    if (kept.Etype == e.Etype && Duplicates(kept, e)) return true;
                }
        return false;
    }

    const std::vector<TElement>& items_;
    CellBuckets buckets_;
    bool allLayers_;
};

} // namespace

int TElements::DeleteDuplicates(bool allLayers) {
    // Same result as comparing every kept element with every later one, in index order: an
    // element goes when an earlier kept element duplicates it.
    if (items_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return 0;
    ++generation_;
    KeptIndex index(items_, allLayers);
    std::vector<char> drop(items_.size(), 0);
    for (std::size_t j = 0; j < items_.size(); ++j) {
        const TElement& e = items_[j];
        if (!Comparable(e)) continue;
        if (index.Duplicated(e))
            drop[j] = 1;
        else
            index.Keep(e, j);
    }
    std::size_t out = 0;
    for (std::size_t j = 0; j < items_.size(); ++j) {
        if (drop[j]) continue;
        if (out != j) items_[out] = std::move(items_[j]);
        ++out;
    }
    const int removed = static_cast<int>(items_.size() - out);
    items_.resize(out);
    return removed;
}

} // namespace brevant
