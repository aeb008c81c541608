// Turning a nest's settings into the nester's job.
#include "engine/nest_job_settings.h"

#include "engine/nest_definitions.h"
#include "nesting/pattern_parts.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace brevant {

namespace {
bool Number(std::string_view text, double& value) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(value);
}
} // namespace

bool ParseNestRotations(const std::string& text, std::vector<double>& angles) {
    angles.clear();
    std::vector<double> listed;
    for (std::size_t start = 0;;) {
        const auto comma = text.find(',', start);
        double v = 0;
        if (!Number(std::string_view(text).substr(start, comma - start), v)) return false;
        listed.push_back(v);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (listed.size() > 360) return false;
    if (listed.size() > 1) {
        angles = listed;
        return true;
    }
    const double step = listed[0];
    if (step < 0 || step > 360 || (step > 0 && step < 1)) return false;
    angles.push_back(0);
    if (step == 0 || step == 360) return true;
    for (double a = step; a < 360 - 1e-9; a += step)
        angles.push_back(a);
    return true;
}

namespace {
void Scale(NestLoop& loop, double factor) {
    for (NestVertex& v : loop) {
        v.x *= factor;
        v.y *= factor;
    }
}

// A kept part's pieces in the job's unit, quantity parts.
bool AddKeptPart(const NestJobEntry& e, UnitSystem units, NestJob& job, std::string& error) {
    for (const NestPart& piece : e.pieces) {
        const long long copies = static_cast<long long>(piece.quantity) * e.quantity;
        if (copies < 1 || copies > kMostPieceCopies) {
            error = "Cannot nest " + e.name + ": it needs " + std::to_string(copies) +
                    " copies of a piece (from 1 to " + std::to_string(kMostPieceCopies) +
                    " can be nested).";
            return false;
        }
        NestPart part = piece;
        part.quantity = static_cast<int>(copies);
        Scale(part.shape.outer, 1 / UnitFactor(units));
        for (NestLoop& hole : part.shape.holes)
            Scale(hole, 1 / UnitFactor(units));
        job.parts.push_back(std::move(part));
    }
    return true;
}
} // namespace

bool BuildNestJob(const NestJobSettings& s, LayoutEngine& engine, NestJob& job,
                  std::string& error) {
    job = NestJob{};
    job.mode = NestMode::kSheets;
    job.sheetWidth = s.sheetWidth;
    job.sheetHeight = s.sheetHeight;
    job.clearance = s.clearance;
    if (!ParseNestRotations(s.rotations, job.rotations)) {
        error = "The rotations must be a step in degrees (such as 90) or angles separated by "
                "commas (such as 0,180).";
        return false;
    }
    if (s.parts.empty()) {
        error = "There is nothing to nest: add the parts first.";
        return false;
    }
    for (const NestJobEntry& e : s.parts) {
        const bool added = e.file.empty()
                               ? AddKeptPart(e, s.units, job, error)
                               : AddPartFile(engine, e.file, e.quantity, s.units, job, error);
        if (!added) return false;
    }
    return true;
}

} // namespace brevant
