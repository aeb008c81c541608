// Reading a small text file whole, with a size limit; writes go through core/atomic_file.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brevant {

// Definition and settings files are a few kilobytes; anything beyond this is not one of them.
inline constexpr std::size_t kMaxIniFileBytes = 1 << 20;

enum class ReadOutcome { Ok, Missing, Failed };

// Reads a regular file of at most maxBytes. Missing: no such file (error stays empty).
// Failed: a folder, a device, too large or unreadable; error holds the reason.
ReadOutcome ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content,
                         std::string& error);

// True when path names an existing regular file (a folder, a device or a pipe is none).
bool IsRegularFile(const std::string& path);


} // namespace brevant
