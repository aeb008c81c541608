// The drawing list that owns the elements of one drawing, and the chain list derived from it.
#pragma once

#include "caddraw/element.h"
#include "geometry/types.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace brevant {

class TCadDrawing;

// An ordered list of elements, indices from 0. Removing elements shifts the later ones down;
// item identifiers stay with their elements.
class TElements {
public:
    explicit TElements(TCadDrawing* owner = nullptr) : owner_(owner) {}
    TElements(const TElements&) = default;
    // A list assigned over this one counts as changed, whatever the other's count.
    TElements& operator=(const TElements& other) {
        const std::uint64_t generation = std::max(generation_, other.generation_) + 1;
        owner_ = other.owner_, Changed = other.Changed, Tag = other.Tag;
        items_ = other.items_, nextId_ = other.nextId_;
        generation_ = generation;
        return *this;
    }

    TCadDrawing* GetCaddraw() const { return owner_; }
    void SetCaddraw(TCadDrawing* owner) { owner_ = owner; }

    bool Changed = false; // kept for the caller; no list operation sets it
    std::int32_t Tag = 0;

    // Counts every change of the list, and every access that may change an element (anything
    // reached through a non-const member): a view repaints in full when it moved on.
    std::uint64_t Generation() const { return generation_; }

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

    // Appends an empty element (type 0, all fields zero) and returns it.
    TElement& Add();
    // Inserts an empty element at index (clamped to 0..Count()) and returns it.
    TElement& Insert(int index);
    // The element with the given item identifier, or nullptr.
    TElement* FindItemID(std::int64_t id);
    const TElement* FindItemID(std::int64_t id) const;

    TElement& GetElement(int index) {
        ++generation_;
        return items_[static_cast<std::size_t>(index)];
    }
    const TElement& GetElement(int index) const { return items_[static_cast<std::size_t>(index)]; }
    // Assigns value to the element at index (text and identifier stay); out of range does nothing.
    void SetElement(int index, const TElement& value);
    TElement& operator[](int index) { return GetElement(index); }
    const TElement& operator[](int index) const { return GetElement(index); }

    // Removes every element. Identifiers continue from where they were.
    void Clear() {
        ++generation_;
        items_.clear();
    }
    // Removes the element at index; out of range does nothing.
    void Remove(int index);

    // Copies owner, Changed and Tag, then one element per source element (texts not carried).
    void Assign(const TElements& source);

    // Removes every deleted element; the others keep their order.
    void ClearDeleted();

    // Removes, in index order, every element that duplicates an earlier kept element of the
    // same type (and layer unless allLayers): points with equal coordinates, lines with equal
    // ends in either order, arcs with all six coordinates equal, each within 0.0005. Deleted
    // elements take part. Returns the number of elements removed.
    int DeleteDuplicates(bool allLayers);

    std::vector<TElement>::iterator begin() {
        ++generation_;
        return items_.begin();
    }
    std::vector<TElement>::iterator end() {
        ++generation_;
        return items_.end();
    }
    std::vector<TElement>::const_iterator begin() const { return items_.begin(); }
    std::vector<TElement>::const_iterator end() const { return items_.end(); }
    void Reserve(std::size_t n) { items_.reserve(n); }

private:
    TElement& Stamp(TElement& element);

    TCadDrawing* owner_ = nullptr;
    std::vector<TElement> items_;
    std::int64_t nextId_ = 1;
    std::uint64_t generation_ = 0;
};

// A list of connected lines and arcs collected by TCadDrawing::MakeElementChain.
class TElementChain : public TElements {
public:
    using TElements::TElements;

    TDPoint ChainStartPoint;
    TDPoint ChainEndPoint;

    void Assign(const TElementChain& source) {
        TElements::Assign(source);
        ChainStartPoint = source.ChainStartPoint;
        ChainEndPoint = source.ChainEndPoint;
    }
};

} // namespace brevant
