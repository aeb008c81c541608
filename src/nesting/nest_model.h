// A nest job prepared for placement: every part in every allowed rotation flattened onto the
// integer grid and grown by half the clearance, the copies listed, the sheet's usable area.
#pragma once

#include "nesting/int_geometry.h"
#include "nesting/nest_job.h"

#include <optional>
#include <string>
#include <vector>

namespace brevant::nest {

// One part in one rotation on the grid.
struct PreparedShape {
    IntPaths loops; // flattened, grown by half the clearance
    IntBox box;     // of loops
    double area = 0;
    double trueMaxX = 0; // the rightmost point of the true outline (grid units)
};

struct Model {
    double scale = 1; // grid units per unit of length
    bool strip = false;
    std::vector<double> rotations;
    // [part][rotation]; empty where the part does not fit on the sheet in that rotation.
    std::vector<std::vector<std::optional<PreparedShape>>> shapes;
    std::vector<int> copyPart;    // the part of each copy
    std::vector<int> copyNumber;  // 0, 1, ... within its part
    std::vector<double> partArea; // the true area of each part (units squared)
    // Each part is held on the grid about the middle of its box: a placement at grid point g
    // in rotation r moves the part's own origin to g / scale - R(r) centre.
    std::vector<NestVertex> centres;
    IntBox usable;                          // where the grown shapes must stay
    double usableArea = 0;                  // grid units squared (0 for the strip)
    double sheetWidth = 0, sheetHeight = 0; // units
};

inline constexpr int kMostCopies = 20000;

// Fills model from job; the message why the job cannot be nested, or an empty text.
std::string Prepare(const NestJob& job, Model& model);

} // namespace brevant::nest
