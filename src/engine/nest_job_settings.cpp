// Turning a nest's settings into the nester's job.
#include "engine/nest_job_settings.h"

#include "engine/nest_files.h"

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

bool BuildNestJob(const NestJobSettings& s, NestJob& job, std::string& error) {
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
    for (const NestJobEntry& e : s.parts)
        if (!AddDxfParts(e.file, e.quantity, job, error)) return false;
    return true;
}

} // namespace brevant
