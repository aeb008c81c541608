// The JSON description of the window after a brevant-cli run.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace brevant {
class LayoutEngine;
}

namespace brevant::cli {

class CliHost;

struct OutputResult {
    std::string command;
    std::string file;
    bool written = false;
};

nlohmann::json DescribeWindow(LayoutEngine& engine, const CliHost& host,
                              const std::vector<OutputResult>& outputs);

} // namespace brevant::cli
