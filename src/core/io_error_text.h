// The texts shown for input/output error numbers and for the geometry status codes.
#pragma once

#include <string>

namespace brevant {

// The text for an error number; a number without a text gives an empty text.
std::string IOErrorText(int code);

} // namespace brevant
