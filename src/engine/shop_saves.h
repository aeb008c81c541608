// Files for the shop floor: the cutting-machine DXF of the flat pattern or the sheet, and the
// flat pattern as SVG. Both are written in the display unit, atomically.
#pragma once

#include "core/output_outcome.h"

#include <string>

namespace brevant {

class LayoutEngine;

// View 1 (the flat pattern) or 2 (the sheet) as the cutting-machine DXF. A failure is left in
// LastIOError and shown in the message dialog.
OutputOutcome SaveCamDxfTo(LayoutEngine& engine, int view, const std::string& path);

// "Save Flat Pattern SVG": asks for the file, then writes the flat pattern; an oblique cone or
// cylinder is developed at the finer resolution of the CAD save first and recalculated after.
OutputOutcome MenuSaveFlatSvgClick(LayoutEngine& engine);
OutputOutcome SaveFlatSvgTo(LayoutEngine& engine, const std::string& path);

} // namespace brevant
