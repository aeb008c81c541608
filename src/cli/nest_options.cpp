// Parses the command line of brevant-cli nest with CLI11.
#include "cli/nest_options.h"

#include "engine/layout_registry.h"
#include "engine/nest_job_settings.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>

namespace brevant::cli {

namespace {
bool Number(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(value);
}

// The options kept as typed until they are checked.
struct RawOptions {
    std::string sheet, rotations, units;
};

const char* kDescription =
    "brevant-cli nest: places parts on sheets (or a benchmark instance on a strip) without "
    "overlap, in the allowed rotations, on the fewest sheets, and writes the sheets.";

void AddOptions(CLI::App& app, NestOptions& o, RawOptions& raw, std::vector<std::string>& parts) {
    app.add_option("--instance", o.instance, "strip-packing instance to nest (JSON)")
        ->option_text("FILE.json");
    app.add_option("--sheet", raw.sheet, "sheet size, width x height (such as 96x48)")
        ->option_text("WxH");
    app.add_option("--part", parts,
                   "a part: a definition file (.layout; each of its pieces as often as the part "
                   "needs it, times COUNT) or a DXF of closed outlines (.dxf), COUNT copies "
                   "(default 1); repeat for more")
        ->option_text("FILE[:COUNT]")
        ->allow_extra_args(false);
    const std::vector<std::string> types = LayoutKeys();
    o.layoutType = types.front();
    app.add_option("--type", o.layoutType,
                   "layout type of definition files that name none (default " + types.front() + ")")
        ->check(CLI::IsMember(types));
    app.add_option("--clearance", o.clearance,
                   "least distance between parts and from the sheet's edge (default 0)")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--rotations", raw.rotations,
                   "a step in degrees (90: 0, 90, 180, 270) or a list (0,180); default 90, or an "
                   "instance's own")
        ->option_text("STEP|LIST");
    app.add_option("--units", raw.units, "unit of every length: in, cm or mm (default in)")
        ->check(CLI::IsMember({"in", "cm", "mm"}));
    app.add_option("--time", o.seconds, "seconds the search may take (default 10)")
        ->check(CLI::Range(0.0, 86400.0));
    app.add_option("--seed", o.seed, "seed of the search (default 1)");
    app.add_option("--evaluations", o.evaluations,
                   "stop after this many evaluated placements, so that the result does not depend "
                   "on the machine's speed")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--cam-dxf", o.camDxf,
                   "save the sheets as DXF for cutting machines, one file a sheet (FILE-1.dxf, "
                   "FILE-2.dxf, ... when there are several)")
        ->option_text("FILE");
    app.add_option("--svg", o.svg, "save the sheets as SVG at true size, one below the other")
        ->option_text("FILE");
    app.add_option("--pdf", o.pdf, "save the sheets as PDF, one sheet a page")->option_text("FILE");
    app.add_flag("--json", o.json, "print the placements as one JSON object");
}

std::string Check(const NestOptions& o, bool sheetGiven) {
    if (o.instance.empty() == !sheetGiven) return "give either --instance or --sheet with --part";
    if (sheetGiven && o.parts.empty()) return "--sheet needs at least one --part";
    if (!o.instance.empty() && !o.parts.empty()) return "--part cannot go with --instance";
    return {};
}
} // namespace

bool ParseSheetSize(const std::string& text, double& width, double& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    return Number(std::string_view(text).substr(0, x), width) &&
           Number(std::string_view(text).substr(x + 1), height) && width > 0 && height > 0;
}

bool ParsePartFile(const std::string& text, NestPartFile& part) {
    part = {text, 1};
    const auto colon = text.rfind(':');
    if (colon != std::string::npos && colon + 1 < text.size() &&
        text.find_first_not_of("0123456789", colon + 1) == std::string::npos) {
        int count = 0;
        const char* end = text.data() + text.size();
        auto [ptr, ec] = std::from_chars(text.data() + colon + 1, end, count);
        if (ec != std::errc() || ptr != end || count < 1 || count > 10000) return false;
        part = {text.substr(0, colon), count};
    }
    return !part.file.empty();
}

namespace {
// The option texts CLI11 left as typed, checked and turned into the options.
std::string Convert(const RawOptions& raw, const std::vector<std::string>& parts, NestOptions& o) {
    const bool sheetGiven = !raw.sheet.empty();
    if (sheetGiven && !ParseSheetSize(raw.sheet, o.sheetWidth, o.sheetHeight))
        return "--sheet needs WxH with two numbers greater than 0, got: " + raw.sheet;
    for (const std::string& p : parts) {
        NestPartFile part;
        if (!ParsePartFile(p, part))
            return "--part needs FILE or FILE:COUNT with COUNT from 1 to 10000, got: " + p;
        o.parts.push_back(part);
    }
    if (!raw.rotations.empty()) {
        std::vector<double> angles;
        if (!ParseNestRotations(raw.rotations, angles))
            return "--rotations needs a step from 1 to 360 degrees (or 0) or a list of angles, "
                   "got: " +
                   raw.rotations;
        o.rotations = angles;
    }
    o.units = raw.units == "cm" ? 1 : raw.units == "mm" ? 2 : 0;
    return Check(o, sheetGiven);
}
} // namespace

NestParseOutcome ParseNestCommandLine(int argc, char** argv) {
    CLI::App app{kDescription, "brevant-cli nest"};
    NestOptions o;
    RawOptions raw;
    std::vector<std::string> parts;
    AddOptions(app, o, raw, parts);
    NestParseOutcome out;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out.info = app.help();
        out.exitNow = true;
        return out;
    } catch (const CLI::ParseError& e) {
        out.error = e.what();
        return out;
    }
    out.error = Convert(raw, parts, o);
    if (out.error.empty()) out.options = std::move(o);
    return out;
}

} // namespace brevant::cli
