// Small text helpers for paths and names.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

std::string ToUpperAscii(std::string_view s);
// The extension of the file-name part with its "." ("" when none).
std::string ExtensionOf(std::string_view path);
// The file-name part of a path (after the last '/' or '\').
std::string FileNameOf(std::string_view path);
// True when the path names a folder part (contains '/' or '\').
bool HasFolderPart(std::string_view path);

} // namespace brevant
