// The one way a file is written for the user: into a temporary file of its own in the same
// folder, flushed and synced, then renamed over the target, so a failed write never destroys the
// old file and writers racing for one target leave the complete file of one of them. A symbolic
// link at the target is written through (the link stays), and the old file's permissions are
// kept.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace brevant {

// The names tried for the temporary file, in the target's folder: called with the file name of
// the target and the attempt (0, 1, ...). Each name is created exclusively and never through a
// link; when something already has the name, the next attempt is asked for. An empty name or
// one with a folder part ends the write with a failure.
using TemporaryNames = std::function<std::string(const std::string& targetName, int attempt)>;

// How many names are tried before the write gives up.
inline constexpr int kTemporaryNameAttempts = 16;

// "<target name>.<16 random hex digits>.tmp~", the target name shortened where the whole would
// be longer than a file name may be.
std::string RandomTemporaryName(const std::string& targetName, int attempt);

// Calls write with a binary stream on the temporary file, then renames it over path. False
// with the reason alone in reason (see WriteErrorText for the message naming the file); the
// temporary file is removed and an existing file at path is left as it was. An exception thrown
// by write is a failed write too.
bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string& reason, const TemporaryNames& names = RandomTemporaryName);
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& reason);

} // namespace brevant
