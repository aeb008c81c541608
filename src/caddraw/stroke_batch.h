// A run of strokes painted in one pen (colour, width, dash): whole lines, polylines and canvas
// arcs in painting order. The CAD view collects the strokes of neighbouring elements that share
// a pen and hands them to the canvas at once.
#pragma once

#include "caddraw/pixel_point.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brevant {

class TStrokeBatch {
public:
    enum class TKind : std::uint8_t { Line, Polyline, Arc };
    // A line or polyline takes points [first, first + count); an arc is arcs[first].
    struct TStroke {
        TKind kind;
        std::uint32_t first;
        std::uint32_t count;
    };
    // A canvas arc: centre, radius and angles as ICanvas::DrawArc takes them.
    struct TArc {
        double cx, cy, radius, startAngle, sweep;
    };

    void AddLine(double x1, double y1, double x2, double y2) {
        strokes_.push_back({TKind::Line, Size(points_), 2});
        points_.push_back({x1, y1});
        points_.push_back({x2, y2});
    }
    // Starts a polyline; its points follow with AddPoint.
    void BeginPolyline() { strokes_.push_back({TKind::Polyline, Size(points_), 0}); }
    void AddPoint(double x, double y) { points_.push_back({x, y}); }
    // Ends the polyline begun last.
    void EndPolyline() { strokes_.back().count = Size(points_) - strokes_.back().first; }
    void AddArc(const TArc& arc) {
        strokes_.push_back({TKind::Arc, Size(arcs_), 1});
        arcs_.push_back(arc);
    }

    bool Empty() const { return strokes_.empty(); }
    std::size_t Count() const { return strokes_.size(); }
    void Clear() {
        points_.clear();
        strokes_.clear();
        arcs_.clear();
    }

    const std::vector<TStroke>& Strokes() const { return strokes_; }
    const std::vector<TPixelPoint>& Points() const { return points_; }
    const TArc& ArcOf(const TStroke& s) const { return arcs_[s.first]; }
    const TPixelPoint* PointsOf(const TStroke& s) const { return points_.data() + s.first; }

private:
    template <class T> static std::uint32_t Size(const std::vector<T>& v) {
        return static_cast<std::uint32_t>(v.size());
    }

    std::vector<TPixelPoint> points_;
    std::vector<TStroke> strokes_;
    std::vector<TArc> arcs_;
};

} // namespace brevant
