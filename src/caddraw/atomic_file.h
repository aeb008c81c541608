// Writes a file for the user atomically: a temporary file in the same folder, then a rename.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace brevant {

// Calls `write` with a binary stream on a temporary file beside `path`, then renames it over
// `path`. On any failure the temporary file is removed, an existing file at `path` is left as
// it was, and `error` names the file and the reason. Opening is tried twice.
bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string& error);

} // namespace brevant
