// The JSON description of the window after a brevant-cli run.
#pragma once

#include "cli/cli_host.h"

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
    // The messages the output showed (a refusal): kept with it, apart from the calculation's.
    std::vector<RecordedMessage> messages;
};

nlohmann::json DescribeWindow(LayoutEngine& engine, const CliHost& host,
                              const std::vector<OutputResult>& outputs);

} // namespace brevant::cli
