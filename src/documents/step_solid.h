// The formed part as STEP solids: one solid of plate per piece, each checked by the B-rep
// kernel before anything is written, in a STEP AP214 file in the display unit.
#pragma once

#include "core/units.h"
#include "geometry/formed_part.h"

#include <string>
#include <vector>

namespace brevant {

// What a piece became: its solids' volume and bounding box (display unit).
struct StepSolidSummary {
    double Volume = 0;
    TDPoint BoxMin;
    TDPoint BoxMax;
};

struct StepSolidResult {
    bool Written = false;
    bool WriteFailed = false; // the solids were sound but the file could not be written
    // Why nothing was written: the piece that gave no valid solid and why, or the write error
    // naming the file.
    std::string Message;
    std::vector<StepSolidSummary> Solids;
};

// The name of the product in the file: the part's name and the plate it is made of, e.g.
// "hopper-cone, plate 3.175 mm" ("default plate" when the part has no thickness).
std::string StepProductName(const FormedPart& part, UnitSystem units);

// Builds and checks every piece's solid; writes nothing (for tests and the writer).
StepSolidResult BuildStepSolids(const FormedPart& part, UnitSystem units);

// Builds and checks every piece's solid, then writes the file through a temporary file in the
// same folder. A part with a piece that gives no valid solid writes nothing.
StepSolidResult WriteStepSolids(const FormedPart& part, const std::string& path, UnitSystem units);

} // namespace brevant
