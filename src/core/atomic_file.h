// The one way a file is written for the user: into a temporary file in the same folder,
// flushed and synced, then renamed over the target, so a failed write never destroys the old
// file. A symbolic link is written through (the link stays), and the old file's permissions
// are kept.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace brevant {

// Calls write with a binary stream on the temporary file, then renames it over path. False
// with the reason alone in reason (see WriteErrorText for the message naming the file); the
// temporary file is removed and an existing file at path is left as it was.
bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string& reason);
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& reason);

} // namespace brevant
