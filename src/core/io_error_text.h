// The texts shown for input/output failures: error numbers, and the messages that name the
// file and the reason.
#pragma once

#include <string>

namespace brevant {

// The text for an error number; a number without a text gives an empty text.
std::string IOErrorText(int code);

// Cannot read "<path>": <reason>
std::string ReadErrorText(const std::string& path, const std::string& reason);
// Cannot write "<path>": <reason>
std::string WriteErrorText(const std::string& path, const std::string& reason);

} // namespace brevant
