// The message a second start of the desktop program sends to the running one: the files named
// on its command line. Each file is its byte length in decimal, a colon, the bytes and a line
// feed; "end" and a line feed close the message. Names may hold any byte, line feeds included.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

inline constexpr std::size_t kHandOverMaxFiles = 256;
inline constexpr std::size_t kHandOverMaxNameBytes = 4096;

std::string EncodeHandOver(const std::vector<std::string>& files);

struct HandOverDecode {
    enum class Status { Complete, Incomplete, Invalid };
    Status status = Status::Incomplete;
    std::vector<std::string> files; // when Complete
};

// Reads a message from the bytes received so far: Incomplete while more may follow, Invalid
// for anything that is not a message (a bad length, too many or too long names, bytes after
// the end), never more memory than the bytes received.
HandOverDecode DecodeHandOver(std::string_view received);

} // namespace brevant
