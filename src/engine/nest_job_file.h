// The nest job file: a small JSON file of a nest's settings and parts, kept next to the
// definition files. Part files are named relative to the job file's folder (so a folder of
// definitions and its job move together); a part taken from the window's calculation is kept
// with its outlines (true lines and arcs as bulges, in inches).
//
//   {"BrevantNestJob": 1, "units": "in", "sheet": {"width": 96, "height": 48},
//    "clearance": 0.5, "rotations": "90", "time": 10,
//    "parts": [{"file": "hopper-cone.layout", "quantity": 20},
//              {"name": "cone", "quantity": 2,
//               "pieces": [{"quantity": 1, "outer": [[x, y, bulge], ...], "holes": [...]}]}]}
#pragma once

#include "engine/nest_job_settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace brevant {

inline constexpr std::size_t kMostNestJobBytes = std::size_t(16) << 20;
inline constexpr std::size_t kMostNestJobParts = 1000;
inline constexpr std::size_t kMostNestJobVertices = 200000; // of every kept piece together

// The settings read from a job file's text; folder is the job file's folder, which relative
// part files are taken from. False with the reason (which names no file).
bool ReadNestJobText(std::string_view text, const std::string& folder, NestJobSettings& settings,
                     std::string& error);
// The text of a job file in folder; none when a part's name or file name is not valid UTF-8
// (a JSON file cannot hold it).
std::optional<std::string> NestJobText(const NestJobSettings& settings, const std::string& folder);

// Reading and writing (atomically) a job file; false with a message naming the file and the
// reason.
bool ReadNestJobFile(const std::string& path, NestJobSettings& settings, std::string& error);
bool WriteNestJobFile(const std::string& path, const NestJobSettings& settings, std::string& error);

} // namespace brevant
