// Parsing outside JSON text without letting the parser's exceptions escape.
#include "nesting/json_text.h"

namespace brevant {

bool ParseJsonText(std::string_view text, nlohmann::json& root, std::string& error) {
    try {
        root = nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::parse_error& e) {
        error = "The file is not JSON (at byte " + std::to_string(e.byte) + ").";
        return false;
    } catch (const nlohmann::json::exception&) {
        error = "The file holds a number too large to read.";
        return false;
    }
    return true;
}

} // namespace brevant
