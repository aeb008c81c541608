// An independent check of a nest's placements: the test's own turning and flattening of the
// true outlines, the polygon library's intersection areas and a brute-force distance between
// the flattened outlines; nothing of the nester's own geometry.
#pragma once

#include "nesting/nest_job.h"

#include <clipper.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace brevant::testing {

struct Pt {
    double x, y;
};
using Outline = std::vector<Pt>;

// The placed outline as points: arcs as chords a hundred-thousandth of their radius deep.
inline Outline PlacedOutline(const NestLoop& loop, const NestPlacement& p) {
    const double a = p.rotation * 3.14159265358979323846 / 180;
    const double c = std::cos(a), s = std::sin(a);
    auto place = [&](double x, double y) { return Pt{x * c - y * s + p.x, x * s + y * c + p.y}; };
    Outline out;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const NestVertex& v = loop[i];
        const NestVertex& w = loop[(i + 1) % loop.size()];
        out.push_back(place(v.x, v.y));
        if (v.bulge == 0) continue;
        const double sweep = 4 * std::atan(v.bulge);
        const double chord = std::hypot(w.x - v.x, w.y - v.y);
        const double r = chord / (2 * std::sin(std::fabs(sweep) / 2));
        const double off = (1 - v.bulge * v.bulge) / (4 * v.bulge);
        const double cx = (v.x + w.x) / 2 - off * (w.y - v.y),
                     cy = (v.y + w.y) / 2 + off * (w.x - v.x);
        const double start = std::atan2(v.y - cy, v.x - cx);
        const int n = std::max(2, int(std::ceil(std::fabs(sweep) / (2 * std::acos(1 - 1e-5)))));
        for (int k = 1; k < n; ++k)
            out.push_back(place(cx + r * std::cos(start + sweep * k / n),
                                cy + r * std::sin(start + sweep * k / n)));
    }
    return out;
}

struct PlacedPart {
    NestPlacement at;
    int sheet = 0;
    std::vector<Outline> loops; // outer first
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
};

inline std::vector<PlacedPart> PlacedParts(const NestJob& job, const NestResult& r) {
    std::vector<PlacedPart> all;
    for (std::size_t s = 0; s < r.sheets.size(); ++s)
        for (const NestPlacement& p : r.sheets[s].placements) {
            PlacedPart part{p, int(s), {}};
            const NestShape& shape = job.parts[std::size_t(p.part)].shape;
            part.loops.push_back(PlacedOutline(shape.outer, p));
            for (const NestLoop& h : shape.holes)
                part.loops.push_back(PlacedOutline(h, p));
            for (const Outline& l : part.loops)
                for (const Pt& q : l) {
                    part.minX = std::min(part.minX, q.x);
                    part.maxX = std::max(part.maxX, q.x);
                    part.minY = std::min(part.minY, q.y);
                    part.maxY = std::max(part.maxY, q.y);
                }
            all.push_back(std::move(part));
        }
    return all;
}

inline ClipperLib::Paths OnGrid(const PlacedPart& p, double scale) {
    ClipperLib::Paths paths;
    for (const Outline& l : p.loops) {
        ClipperLib::Path path;
        for (const Pt& q : l)
            path.emplace_back(ClipperLib::cInt(std::llround(q.x * scale)),
                              ClipperLib::cInt(std::llround(q.y * scale)));
        paths.push_back(std::move(path));
    }
    return paths;
}

// The area two placed parts share (even-odd fill: holes are holes whatever their direction).
inline double SharedArea(const PlacedPart& a, const PlacedPart& b, double scale) {
    ClipperLib::Clipper c;
    c.AddPaths(OnGrid(a, scale), ClipperLib::ptSubject, true);
    c.AddPaths(OnGrid(b, scale), ClipperLib::ptClip, true);
    ClipperLib::Paths common;
    c.Execute(ClipperLib::ctIntersection, common, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd);
    double area = 0;
    for (const auto& p : common)
        area += std::fabs(ClipperLib::Area(p));
    return area / (scale * scale);
}

inline double SegmentDistance(const Pt& a, const Pt& b, const Pt& p) {
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// The least distance between the outlines of two parts that do not overlap: from a vertex of
// one to a segment of the other, both ways.
inline double Gap(const PlacedPart& a, const PlacedPart& b) {
    double best = 1e300;
    for (int pass = 0; pass < 2; ++pass) {
        const PlacedPart& p = pass ? b : a;
        const PlacedPart& q = pass ? a : b;
        for (const Outline& lp : p.loops)
            for (const Pt& v : lp)
                for (const Outline& lq : q.loops)
                    for (std::size_t i = 0; i < lq.size(); ++i)
                        best = std::min(best, SegmentDistance(lq[i], lq[(i + 1) % lq.size()], v));
    }
    return best;
}

// Every demanded copy placed once, in an allowed rotation, inside its sheet at the clearance
// from the edge, no two overlapping and each pair at least the clearance apart.
inline void ExpectSoundNest(const NestJob& job, const NestResult& r) {
    const std::vector<PlacedPart> parts = PlacedParts(job, r);
    std::set<std::pair<int, int>> copies;
    int demanded = 0;
    double size = 0;
    for (const NestPart& p : job.parts)
        demanded += p.quantity;
    for (const PlacedPart& p : parts) {
        size = std::max({size, p.maxX - p.minX, p.maxY - p.minY});
        EXPECT_TRUE(copies.insert({p.at.part, p.at.copy}).second) << "copy placed twice";
        EXPECT_LT(p.at.copy, job.parts[std::size_t(p.at.part)].quantity);
        const auto& own = job.parts[std::size_t(p.at.part)].rotations;
        const auto& allowed = own.empty() ? job.rotations : own;
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), p.at.rotation), allowed.end())
            << "rotation " << p.at.rotation;
    }
    EXPECT_EQ(int(copies.size()), demanded);
    const double tol = 1e-6 * std::max(size, 1.0);
    const double c = job.clearance;
    for (const PlacedPart& p : parts) {
        const NestSheet& s = r.sheets[std::size_t(p.sheet)];
        EXPECT_GE(p.minX, c - tol);
        EXPECT_GE(p.minY, c - tol);
        EXPECT_LE(p.maxY, s.height - c + tol);
        if (job.mode == NestMode::kSheets) {
            EXPECT_LE(p.maxX, s.width - c + tol);
        }
    }
    const double scale = 1e7 / std::max(size, 1e-9);
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            const PlacedPart& a = parts[i];
            const PlacedPart& b = parts[j];
            if (a.sheet != b.sheet || a.maxX + c < b.minX || b.maxX + c < a.minX ||
                a.maxY + c < b.minY || b.maxY + c < a.minY)
                continue;
            EXPECT_LE(SharedArea(a, b, scale), 1e-9 * size * size)
                << "parts " << a.at.part << "." << a.at.copy << " and " << b.at.part << "."
                << b.at.copy;
            if (c > 0) {
                EXPECT_GE(Gap(a, b), c - tol);
            }
        }
}

} // namespace brevant::testing
