// Fuzz target for the message a second start hands to the running program: any bytes decode
// without a fault, and a complete message encodes back to exactly the bytes it came from.
#include "core/hand_over_message.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const brevant::HandOverDecode d = brevant::DecodeHandOver(bytes);
    if (d.status == brevant::HandOverDecode::Status::Complete) {
        if (d.files.size() > brevant::kHandOverMaxFiles) std::abort();
        if (brevant::EncodeHandOver(d.files) != bytes) std::abort();
    } else if (!d.files.empty()) {
        std::abort();
    }
    return 0;
}
