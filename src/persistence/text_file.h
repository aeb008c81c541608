// Reading a small text file whole and writing a file atomically (a temporary file in the same
// folder, renamed over the target only when complete), with errors that name file and reason.
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

// Writes content to path atomically; the old file survives any failure. Keeps the old file's
// permissions. False with the reason in error.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

// "Cannot read <path>: <reason>" and "Cannot write <path>: <reason>".
std::string ReadErrorText(const std::string& path, const std::string& reason);
std::string WriteErrorText(const std::string& path, const std::string& reason);

} // namespace brevant
