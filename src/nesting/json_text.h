// Parsing outside JSON text without letting the parser's exceptions escape.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace brevant {

// Parses text into root; false with the reason in error (where the text stops being JSON, or a
// number too large to read).
bool ParseJsonText(std::string_view text, nlohmann::json& root, std::string& error);

} // namespace brevant
