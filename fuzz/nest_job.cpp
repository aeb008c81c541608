// Fuzz target for the nest job file reader: any bytes read or are refused with a reason, and
// what reads is written and read back to the same job.
#include "engine/nest_job_file.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    brevant::NestJobSettings job;
    std::string error;
    if (!brevant::ReadNestJobText(text, "/jobs", job, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    brevant::NestJobSettings again;
    const std::optional<std::string> written = brevant::NestJobText(job, "/jobs");
    if (!written || !brevant::ReadNestJobText(*written, "/jobs", again, error)) std::abort();
    if (again.parts.size() != job.parts.size()) std::abort();
    return 0;
}
