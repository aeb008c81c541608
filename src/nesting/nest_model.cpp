// Preparing a nest job: the grid's scale, every part flattened and grown in every rotation,
// and the checks that refuse a job before it starts.
#include "nesting/nest_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

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

// An angle brought into 0 <= a < 360.
double Turn(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360;
    return a >= 360 - 1e-9 ? 0 : a;
}

int IndexOf(const std::vector<double>& angles, double degrees) {
    const double t = Turn(degrees);
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const double d = std::fabs(Turn(angles[i]) - t);
        if (d < 1e-9 || d > 360 - 1e-9) return static_cast<int>(i);
    }
    return -1;
}

// Every angle the job or one of its parts allows, each once, in the order first named.
std::vector<double> AllRotations(const NestJob& job) {
    std::vector<double> all;
    auto add = [&all](double r) {
        if (IndexOf(all, r) < 0) all.push_back(r);
    };
    for (double r : job.rotations)
        add(r);
    for (const NestPart& p : job.parts)
        if (p.quantity > 0)
            for (double r : p.rotations)
                add(r);
    return all;
}

// Whether every difference of two rotations is one of them; fills the table when it is.
bool DifferenceTable(Model& m) {
    m.zero = IndexOf(m.rotations, 0);
    if (m.zero < 0) return false;
    const std::size_t n = m.rotations.size();
    m.difference.assign(n, std::vector<int>(n, -1));
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = 0; b < n; ++b) {
            const int d = IndexOf(m.rotations, m.rotations[b] - m.rotations[a]);
            if (d < 0) return false;
            m.difference[a][b] = d;
        }
    return true;
}

bool QuarterTurns(const std::vector<double>& angles) {
    return std::all_of(angles.begin(), angles.end(),
                       [](double a) { return std::fabs(a / 90 - std::round(a / 90)) < 1e-12; });
}

bool HasArcs(const NestShape& s) {
    auto arcs = [](const NestLoop& l) {
        return std::any_of(l.begin(), l.end(), [](const NestVertex& v) { return v.bulge != 0; });
    };
    return arcs(s.outer) || std::any_of(s.holes.begin(), s.holes.end(), arcs);
}

// Grid units added to every part beyond half the clearance: none where every coordinate is
// exact on the grid (polygons turned by quarter turns, no clearance), so that parts may touch;
// else enough to absorb the rounding of turned and flattened outlines.
double Margin(const NestJob& job, const Model& m) {
    bool exact = job.clearance == 0 && QuarterTurns(m.rotations);
    for (const NestPart& p : job.parts)
        exact = exact && !(p.quantity > 0 && HasArcs(p.shape));
    return exact ? 0 : 3;
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

// The part in one rotation; placeable when allowed and its grown box fits the usable area.
PreparedShape PrepareShape(const NestShape& centred, double degrees, double tolerance, double grow,
                           bool allowed, const Model& m) {
    const NestShape turned = Placed(centred, degrees, 0, 0);
    PreparedShape s;
    s.loops = Grown(Flattened(turned, tolerance, m.scale), grow);
    s.box = BoxOf(s.loops);
    s.area = AreaOf(s.loops);
    s.trueMaxX = BoxOf(turned).maxX * m.scale;
    s.placeable = allowed && !s.loops.empty() &&
                  s.box.maxX - s.box.minX <= m.usable.maxX - m.usable.minX &&
                  s.box.maxY - s.box.minY <= m.usable.maxY - m.usable.minY;
    return s;
}

// Holes too small to take the smallest part are filled: they add nothing but work to every
// no-fit polygon. The area a filled hole adds counts as used, which it is.
void FillSmallHoles(Model& m) {
    double smallest = std::numeric_limits<double>::infinity();
    for (const auto& row : m.shapes)
        for (const auto& s : row)
            if (s && s->placeable) smallest = std::min(smallest, s->area);
    for (auto& row : m.shapes)
        for (auto& s : row) {
            if (!s) continue;
            IntPaths kept;
            for (IntPath& loop : s->loops)
                if (ClipperLib::Orientation(loop) || -ClipperLib::Area(loop) >= smallest)
                    kept.push_back(std::move(loop));
            s->loops = std::move(kept);
            s->area = AreaOf(s->loops);
        }
}

bool Allowed(const std::vector<double>& allowed, double degrees) {
    return IndexOf(allowed, degrees) >= 0;
}
} // namespace

namespace {
// One part in every rotation it may take (and, for turned no-fit polygons, every other), and
// its copies; the message why it cannot be nested, or an empty text.
std::string PreparePart(const NestJob& job, std::size_t i, double tolerance, double grow,
                        Model& m) {
    const NestPart& p = job.parts[i];
    m.partArea.push_back(p.quantity > 0 ? ShapeArea(p.shape) : 0);
    const NestBox b = BoxOf(p.shape);
    const double cx = (b.minX + b.maxX) / 2, cy = (b.minY + b.maxY) / 2;
    m.centres.push_back({cx, cy, 0});
    auto& row = m.shapes.emplace_back(m.rotations.size());
    if (p.quantity <= 0) return {};
    NestShape centred = Placed(p.shape, 0, -cx, -cy);
    Orient(centred);
    if (CrossesItself(centred, tolerance, m.scale))
        return PartName(job, i) + ": its outline crosses itself.";
    const std::vector<double>& allowed = p.rotations.empty() ? job.rotations : p.rotations;
    bool fits = false;
    for (std::size_t r = 0; r < m.rotations.size(); ++r) {
        const bool wanted = Allowed(allowed, m.rotations[r]);
        if (!wanted && !m.turnedNfps) continue;
        row[r] = PrepareShape(centred, m.rotations[r], tolerance, grow, wanted, m);
        fits = fits || row[r]->placeable;
    }
    if (!fits) return TooLarge(job, i);
    for (int k = 0; k < p.quantity; ++k) {
        m.copyPart.push_back(static_cast<int>(i));
        m.copyNumber.push_back(k);
    }
    return {};
}
} // namespace

std::string Prepare(const NestJob& job, Model& m) {
    if (std::string why = CheckSettings(job); !why.empty()) return why;
    m = Model{};
    m.strip = job.mode == NestMode::kStrip;
    m.rotations = AllRotations(job);
    m.turnedNfps = DifferenceTable(m);
    m.sheetWidth = job.sheetWidth;
    m.sheetHeight = job.sheetHeight;
    double largest = 0;
    const double reach = Reach(job, largest);
    if (!(reach > 0) || !std::isfinite(reach) || reach > 1e15)
        return "The sizes of this nest are beyond what can be placed.";
    m.scale = std::exp2(std::floor(std::log2(kGridLimit / reach)));
    if (!std::isfinite(m.scale) || m.scale > 1e15)
        return "The sizes of this nest are beyond what can be placed.";
    const double tolerance = ArcTolerance(job, largest);
    const double grow = job.clearance / 2 * m.scale + Margin(job, m);
    if (!PrepareSheet(job, m))
        return "The clearance leaves no room on the " + std::string(m.strip ? "strip." : "sheet.");
    for (std::size_t i = 0; i < job.parts.size(); ++i)
        if (std::string why = PreparePart(job, i, tolerance, grow, m); !why.empty()) return why;
    FillSmallHoles(m);
    return {};
}

} // namespace brevant::nest
