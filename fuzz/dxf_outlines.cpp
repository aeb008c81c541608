// Fuzz target for the pieces of a DXF of closed outlines: any bytes give pieces or a reason,
// never a fault; the pieces are prepared for nesting.
#include "nesting/dxf_outlines.h"
#include "nesting/nest_model.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<brevant::NestShape> pieces;
    std::string error;
    if (!brevant::ReadDxfOutlines(in, pieces, error)) {
        if (error.empty() || !pieces.empty()) std::abort();
        return 0;
    }
    if (pieces.empty()) std::abort();
    brevant::NestJob job;
    job.sheetWidth = 1e6;
    job.sheetHeight = 1e6;
    for (brevant::NestShape& s : pieces)
        job.parts.push_back({"piece", std::move(s), 1, {}});
    brevant::nest::Model model;
    brevant::nest::Prepare(job, model);
    return 0;
}
