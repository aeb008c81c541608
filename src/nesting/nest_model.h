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
    // The part may be placed in this rotation: it is allowed and fits the sheet. Other
    // rotations are kept as the bases of turned no-fit polygons.
    bool placeable = false;
};

struct Model {
    double scale = 1; // grid units per unit of length
    bool strip = false;
    std::vector<double> rotations;
    // [part][rotation]; empty where the part is not needed in that rotation.
    std::vector<std::vector<std::optional<PreparedShape>>> shapes;
    // When the rotations hold every difference of two of them (a whole-turn step, such as 90
    // or 15 degrees), the no-fit polygon of part A turned by a and part B turned by b is that
    // of A unturned and B turned by b - a, turned by a: one per pair of parts and difference.
    bool turnedNfps = false;
    int zero = -1;                            // the rotation 0
    std::vector<std::vector<int>> difference; // [a][b]: the rotation b - a
    std::vector<int> copyPart;                // the part of each copy
    std::vector<int> copyNumber;              // 0, 1, ... within its part
    std::vector<double> partArea;             // the true area of each part (units squared)
    // Each part is held on the grid about the middle of its box: a placement at grid point g
    // in rotation r moves the part's own origin to g / scale - R(r) centre.
    std::vector<NestVertex> centres;
    IntBox usable;                          // where the grown shapes must stay
    double usableArea = 0;                  // grid units squared (0 for the strip)
    double sheetWidth = 0, sheetHeight = 0; // units

    // The part in that rotation when it may be placed so, else nothing.
    const PreparedShape* Placeable(int part, int rotation) const {
        const auto& s = shapes[std::size_t(part)][std::size_t(rotation)];
        return s && s->placeable ? &*s : nullptr;
    }
};

inline constexpr int kMostCopies = 20000;

// Fills model from job; the message why the job cannot be nested, or an empty text.
std::string Prepare(const NestJob& job, Model& model);

} // namespace brevant::nest
