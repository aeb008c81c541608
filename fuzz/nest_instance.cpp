// Fuzz target for the strip-packing instance reader: any bytes parse or are refused without a
// fault, and what parses is prepared for nesting (flattened onto the grid, refused or not).
#include "nesting/nest_instance.h"
#include "nesting/nest_model.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    brevant::NestInstance instance;
    std::string error;
    if (!brevant::ReadNestInstance(text, instance, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (instance.job.parts.empty()) std::abort();
    brevant::nest::Model model;
    brevant::nest::Prepare(instance.job, model);
    return 0;
}
