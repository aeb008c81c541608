// The shop-floor saves: the cutting-machine DXF of the flat pattern or the sheet, and the flat
// pattern as SVG. Both are written in the display unit, atomically, from the chosen kind's
// pattern for files (or the sheet's drawing); the views are left as they are.
#pragma once

#include "core/output_outcome.h"

#include <string>

namespace brevant {

class LayoutEngine;
class TCadDrawing;

// What a file of view 1 (the flat pattern for files) or 2 (the sheet) is written from, as a
// drawing in inches.
void CopyViewForFile(LayoutEngine& engine, int view, TCadDrawing& out);

// View 1 or 2 as the cutting-machine DXF. A failure is left in LastIOError and shown in the
// message dialog.
OutputOutcome SaveCamDxfTo(LayoutEngine& engine, int view, const std::string& path);

// "Save Flat Pattern SVG": asks for the file, then writes the flat pattern.
OutputOutcome MenuSaveFlatSvgClick(LayoutEngine& engine);
OutputOutcome SaveFlatSvgTo(LayoutEngine& engine, const std::string& path);

} // namespace brevant
