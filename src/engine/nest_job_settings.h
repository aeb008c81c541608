// A nest as the user sets it up: the parts (files, or a part calculated in the window) with their
// quantities, the sheet, the clearance, the rotations as typed and the time allowed, every
// length in one unit; and the job the nester runs from it.
#pragma once

#include "core/units.h"
#include "nesting/nest_job.h"

#include <string>
#include <vector>

namespace brevant {

class LayoutEngine;

struct NestJobEntry {
    // A definition file (.layout) or a DXF of closed outlines (.dxf); empty for a part taken
    // from the window's calculation, whose pieces are kept here.
    std::string file;
    std::string name;             // the kept part's name
    std::vector<NestPart> pieces; // the kept part's pieces, in inches, copies for one part
    int quantity = 1;             // parts
};

struct NestJobSettings {
    std::vector<NestJobEntry> parts;
    double sheetWidth = 96;
    double sheetHeight = 48;
    double clearance = 0.5;
    std::string rotations = "90"; // a step, or angles separated by commas
    double seconds = 10;
    UnitSystem units = kInches; // of the sheet, the clearance and the DXF parts
};

// One number: a step (0, step, 2 step, ... below 360; 0 or 360 for no turning). Several
// separated by commas: those angles. False when the text is neither.
bool ParseNestRotations(const std::string& text, std::vector<double>& angles);

// The sheets job of the settings, every part file read (definition files calculated in engine);
// false with the message (a bad setting, or a file that cannot be read or calculated, naming
// it).
bool BuildNestJob(const NestJobSettings& settings, LayoutEngine& engine, NestJob& job,
                  std::string& error);

} // namespace brevant
