// A nest as the user sets it up: the part files with their quantities, the sheet, the
// clearance, the rotations as typed and the time allowed; and the job the nester runs from it.
#pragma once

#include "nesting/nest_job.h"

#include <string>
#include <vector>

namespace brevant {

struct NestJobEntry {
    std::string file; // a DXF of closed outlines
    int quantity = 1;
};

struct NestJobSettings {
    std::vector<NestJobEntry> parts;
    double sheetWidth = 96;
    double sheetHeight = 48;
    double clearance = 0.5;
    std::string rotations = "90"; // a step, or angles separated by commas
    double seconds = 10;
};

// One number: a step (0, step, 2 step, ... below 360; 0 or 360 for no turning). Several
// separated by commas: those angles. False when the text is neither.
bool ParseNestRotations(const std::string& text, std::vector<double>& angles);

// The sheets job of the settings, every part file read; false with the message (a bad
// setting, or a file that cannot be read, naming it).
bool BuildNestJob(const NestJobSettings& settings, NestJob& job, std::string& error);

} // namespace brevant
