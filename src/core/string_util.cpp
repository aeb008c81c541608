// Small text helpers for paths and names.
#include "core/string_util.h"

namespace brevant {

std::string ToUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool HasFolderPart(std::string_view path) {
    return path.find_first_of("/\\") != std::string_view::npos;
}

} // namespace brevant
