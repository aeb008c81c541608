// Preparing a nest job: the grid's scale, every part flattened and grown in every rotation,
// and the checks that refuse a job before it starts.
#include "nesting/nest_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brevant::nest {

namespace {
// Grid coordinates stay below this, so that the polygon library works in 64 bits.
constexpr double kGridLimit = 1 << 29;

bool Finite(const NestLoop& loop) {
    return std::all_of(loop.begin(), loop.end(), [](const NestVertex& v) {
        return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.bulge);
    });
}

std::string PartName(const NestJob& job, std::size_t i) {
    std::string s = "Part " + std::to_string(i + 1);
    if (!job.parts[i].name.empty()) s += " (" + job.parts[i].name + ")";
    return s;
}

std::string Number(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string CheckSettings(const NestJob& job) {
    const bool strip = job.mode == NestMode::kStrip;
    if (!(job.sheetHeight > 0) || !std::isfinite(job.sheetHeight) ||
        (!strip && (!(job.sheetWidth > 0) || !std::isfinite(job.sheetWidth))))
        return strip ? "The strip's height must be a number greater than 0."
                     : "The sheet's width and height must be numbers greater than 0.";
    if (!(job.clearance >= 0) || !std::isfinite(job.clearance))
        return "The clearance must be a number of 0 or more.";
    if (job.rotations.empty()) return "At least one rotation must be allowed.";
    for (double r : job.rotations)
        if (!std::isfinite(r)) return "A rotation is not a number.";
    for (const NestPart& p : job.parts)
        for (double r : p.rotations)
            if (!std::isfinite(r)) return "A rotation is not a number.";
    long long copies = 0;
    for (std::size_t i = 0; i < job.parts.size(); ++i) {
        const NestPart& p = job.parts[i];
        if (p.quantity < 0) return PartName(job, i) + ": the quantity cannot be negative.";
        copies += p.quantity;
        if (p.quantity == 0) continue;
        if (!Finite(p.shape.outer) ||
            !std::all_of(p.shape.holes.begin(), p.shape.holes.end(), Finite))
            return PartName(job, i) + " has a coordinate that is not a number.";
        if (p.shape.outer.size() < 2 || !(ShapeArea(p.shape) > 0))
            return PartName(job, i) + " encloses no area.";
    }
    if (copies == 0) return "There is nothing to nest: no part has a quantity.";
    if (copies > kMostCopies)
        return "A nest holds at most " + std::to_string(kMostCopies) + " copies.";
    return {};
}

// The largest length the grid must hold: the sheet (or the strip at its longest, every copy
// in a row) and a part's reach beyond it. Parts are held about the middle of their box.
double Reach(const NestJob& job, double& largestPart) {
    largestPart = 0;
    double row = 0;
    for (const NestPart& p : job.parts) {
        if (p.quantity <= 0) continue;
        const NestBox b = BoxOf(p.shape);
        const double diagonal = std::hypot(b.Width(), b.Height());
        largestPart = std::max(largestPart, diagonal);
        row += p.quantity * (diagonal + job.clearance);
    }
    const double sheet = job.mode == NestMode::kStrip ? row : job.sheetWidth;
    return sheet + job.sheetHeight + 4 * (largestPart + job.clearance);
}

double ArcTolerance(const NestJob& job, double largestPart) {
    if (job.arcTolerance > 0) return job.arcTolerance;
    const double t = job.clearance > 0 ? job.clearance / 8 : largestPart * 1e-4;
    return std::clamp(t, largestPart * 1e-5, largestPart * 1e-2);
}
} // namespace

namespace {
std::string TooLarge(const NestJob& job, std::size_t i) {
    if (job.mode == NestMode::kStrip)
        return PartName(job, i) + " does not fit in the strip's height of " +
               Number(job.sheetHeight) + " in any allowed rotation.";
    return PartName(job, i) + " does not fit on the " + Number(job.sheetWidth) + " x " +
           Number(job.sheetHeight) + " sheet in any allowed rotation.";
}

// The area the grown parts must stay in: the sheet less half the clearance at each edge.
bool PrepareSheet(const NestJob& job, Model& m) {
    const double edge = job.clearance / 2 * m.scale;
    IntBox& u = m.usable;
    u.minX = u.minY = static_cast<Coord>(std::ceil(edge));
    u.maxX = static_cast<Coord>(std::floor(m.strip ? kGridLimit : job.sheetWidth * m.scale - edge));
    u.maxY = static_cast<Coord>(std::floor(job.sheetHeight * m.scale - edge));
    u.empty = false;
    m.usableArea = m.strip ? 0 : double(u.maxX - u.minX) * double(u.maxY - u.minY);
    return u.maxX > u.minX && u.maxY > u.minY;
}

// Every angle the job or one of its parts allows, each once, in the order first named.
std::vector<double> AllRotations(const NestJob& job) {
    std::vector<double> all;
    auto add = [&all](double r) {
        if (std::find(all.begin(), all.end(), r) == all.end()) all.push_back(r);
    };
    for (double r : job.rotations)
        add(r);
    for (const NestPart& p : job.parts)
        if (p.quantity > 0)
            for (double r : p.rotations)
                add(r);
    return all;
}

// An outline that crosses itself (or a hole that crosses the outline) encloses another area
// under the non-zero rule than its loops' signed areas add up to.
bool CrossesItself(const NestShape& shape, double tolerance, double scale) {
    const IntPaths loops = FlattenedLoops(shape, tolerance, scale);
    double signedSum = 0;
    std::size_t vertices = 0;
    for (const IntPath& l : loops) {
        signedSum += ClipperLib::Area(l);
        vertices += l.size();
    }
    const double merged = AreaOf(Merged(loops));
    return std::fabs(merged - signedSum) > 1e-9 * std::fabs(signedSum) + 4.0 * double(vertices);
}

// The part in one rotation, or nothing when its grown box exceeds the usable area.
std::optional<PreparedShape> PrepareShape(const NestShape& centred, double degrees,
                                          double tolerance, double grow, const Model& m) {
    const NestShape turned = Placed(centred, degrees, 0, 0);
    PreparedShape s;
    s.loops = Grown(Flattened(turned, tolerance, m.scale), grow);
    if (s.loops.empty()) return std::nullopt;
    s.box = BoxOf(s.loops);
    if (s.box.maxX - s.box.minX > m.usable.maxX - m.usable.minX ||
        s.box.maxY - s.box.minY > m.usable.maxY - m.usable.minY)
        return std::nullopt;
    s.area = AreaOf(s.loops);
    s.trueMaxX = BoxOf(turned).maxX * m.scale;
    return s;
}
} // namespace

std::string Prepare(const NestJob& job, Model& m) {
    if (std::string why = CheckSettings(job); !why.empty()) return why;
    m = Model{};
    m.strip = job.mode == NestMode::kStrip;
    m.rotations = AllRotations(job);
    m.sheetWidth = job.sheetWidth;
    m.sheetHeight = job.sheetHeight;
    double largest = 0;
    const double reach = Reach(job, largest);
    if (!(reach > 0) || !std::isfinite(reach) || reach > 1e15)
        return "The sizes of this nest are beyond what can be placed.";
    m.scale = std::exp2(std::floor(std::log2(kGridLimit / reach)));
    const double tolerance = ArcTolerance(job, largest);
    // Half the clearance on every part; away from 0 a few grid units more absorb rounding.
    const double grow = job.clearance / 2 * m.scale + (job.clearance > 0 ? 2 : 0);
    if (!PrepareSheet(job, m))
        return "The clearance leaves no room on the " + std::string(m.strip ? "strip." : "sheet.");
    for (std::size_t i = 0; i < job.parts.size(); ++i) {
        const NestPart& p = job.parts[i];
        m.partArea.push_back(p.quantity > 0 ? ShapeArea(p.shape) : 0);
        const NestBox b = BoxOf(p.shape);
        const double cx = (b.minX + b.maxX) / 2, cy = (b.minY + b.maxY) / 2;
        m.centres.push_back({cx, cy, 0});
        auto& row = m.shapes.emplace_back(m.rotations.size());
        if (p.quantity <= 0) continue;
        NestShape centred = Placed(p.shape, 0, -cx, -cy);
        Orient(centred);
        if (CrossesItself(centred, tolerance, m.scale))
            return PartName(job, i) + ": its outline crosses itself.";
        const std::vector<double>& allowed = p.rotations.empty() ? job.rotations : p.rotations;
        bool fits = false;
        for (std::size_t r = 0; r < m.rotations.size(); ++r) {
            if (std::find(allowed.begin(), allowed.end(), m.rotations[r]) == allowed.end())
                continue;
            row[r] = PrepareShape(centred, m.rotations[r], tolerance, grow, m);
            fits = fits || row[r].has_value();
        }
        if (!fits) return TooLarge(job, i);
        for (int k = 0; k < p.quantity; ++k) {
            m.copyPart.push_back(static_cast<int>(i));
            m.copyNumber.push_back(k);
        }
    }
    return {};
}

} // namespace brevant::nest
