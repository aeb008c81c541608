// The command line of brevant-cli nest: what to nest (a benchmark instance, or parts on
// sheets), how, and which outputs to write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brevant::cli {

struct NestPartFile {
    std::string file;
    int count = 1;
};

struct NestOptions {
    std::string instance; // a strip-packing instance (JSON); or:
    double sheetWidth = 0, sheetHeight = 0;
    std::vector<NestPartFile> parts;
    std::string layoutType; // the kind of definition files that name none
    double clearance = 0;
    std::optional<std::vector<double>> rotations; // none given: the default
    int units = 0;
    double seconds = 10;
    std::uint64_t seed = 1;
    long long evaluations = 0;
    std::string camDxf, svg, pdf;
    bool json = false;
};

struct NestParseOutcome {
    std::optional<NestOptions> options;
    std::string error;
    std::string info;
    bool exitNow = false;
};

// argv[0] is "nest".
NestParseOutcome ParseNestCommandLine(int argc, char** argv);

// "WxH" with two positive numbers.
bool ParseSheetSize(const std::string& text, double& width, double& height);
// "FILE" or "FILE:COUNT" (COUNT a whole number from 1 to 10000).
bool ParsePartFile(const std::string& text, NestPartFile& part);

} // namespace brevant::cli
