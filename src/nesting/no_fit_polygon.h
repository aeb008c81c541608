// No-fit polygons: where a moving shape's origin may not go without overlapping a fixed
// shape, exact for concave shapes and shapes with holes; and a cache of them shared by the
// threads of a nest.
#pragma once

#include "nesting/int_geometry.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace brevant::nest {

// fixed + (-moving), the Minkowski sum of the fixed shape and the moving shape turned half a
// turn, both with their origin as reference point. The moving shape placed at a point inside
// overlaps the fixed one; on the boundary it touches; outside (holes included) it is clear.
IntPaths NoFitPolygon(const IntPaths& fixed, const IntPaths& moving);

struct NoFitEntry {
    IntPaths exact;  // the no-fit polygon
    IntPaths search; // shrunk by a grid unit, so that a slot of exactly the moving shape's
                     // size stays an area when the free region is computed
    IntBox box;      // of exact
};

// The no-fit polygons of pairs of prepared shapes, computed once each. Safe to share between
// threads; an entry stays valid for the life of the cache.
class NoFitCache {
public:
    using Key = std::uint64_t;
    template <class Compute> const NoFitEntry& Get(Key key, Compute compute) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const auto it = entries_.find(key);
            if (it != entries_.end()) return *it->second;
        }
        auto made = std::make_unique<NoFitEntry>(compute());
        std::lock_guard<std::mutex> lock(mutex_);
        auto& slot = entries_[key];
        if (!slot) slot = std::move(made); // another thread may have made the same one
        return *slot;
    }
    std::size_t Size() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return entries_.size();
    }

private:
    mutable std::mutex mutex_;
    std::unordered_map<Key, std::unique_ptr<const NoFitEntry>> entries_;
};

NoFitEntry MakeNoFitEntry(const IntPaths& fixed, const IntPaths& moving);
// An entry turned by degrees counter-clockwise about the origin: exact for whole quarter
// turns, else each vertex rounded to the grid.
NoFitEntry Turned(const NoFitEntry& entry, double degrees);

} // namespace brevant::nest
