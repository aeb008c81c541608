// What a nest is asked for and what it gives back: the parts, the sheet or strip, the
// clearance and the allowed rotations; the placements sheet by sheet.
#pragma once

#include "nesting/nest_part.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brevant {

enum class NestMode {
    kSheets, // sheets of width x height, as many as needed: fewest sheets, then the shortest
             // length used on the last one
    kStrip,  // one strip of a fixed height (y) and open length (x): the shortest length
};

struct NestJob {
    std::vector<NestPart> parts;
    NestMode mode = NestMode::kSheets;
    double sheetWidth = 0;  // x; the strip has no width
    double sheetHeight = 0; // y; the strip's height
    // The least distance between two parts and between a part and the sheet's edge.
    double clearance = 0;
    // Angles in degrees counter-clockwise a part may be turned by.
    std::vector<double> rotations{0};
    // How far a flattened arc may lie from the true one while parts are fitted together (the
    // flattened outline always contains the true one); 0 chooses it from the clearance and
    // the parts' size.
    double arcTolerance = 0;
};

struct NestOptions {
    double seconds = 10;    // the time the search may take after the first placement
    std::uint64_t seed = 1; // the same seed and the same number of evaluations give the
                            // same placements
    int threads = 0;        // 0: one per core
    // Stops after this many evaluated placements of the whole job (0: only the time
    // counts); the result then does not depend on the machine's speed.
    long long maxEvaluations = 0;
};

// One placed copy: the part's outline as given, turned by rotation degrees counter-clockwise
// about its own origin, then moved by (x, y) from the sheet's lower left corner.
struct NestPlacement {
    int part = 0;
    int copy = 0;
    double rotation = 0;
    double x = 0;
    double y = 0;
};

struct NestSheet {
    double width = 0; // in strip mode the length used
    double height = 0;
    std::vector<NestPlacement> placements;
    double partsArea = 0;
    double utilisation = 0; // partsArea / (width x height)
};

struct NestResult {
    NestMode mode = NestMode::kSheets;
    std::vector<NestSheet> sheets;
    // Strip: the length used. Sheets: the length used on the last sheet. A length ends at the
    // rightmost point of a part.
    double length = 0;
    // The parts' area over the material used: the full sheets before the last, and the last
    // (or the strip) up to the length used.
    double density = 0;
    long long evaluations = 0; // placements of the whole job evaluated
    double seconds = 0;        // time taken
};

// Progress of a running nest, reported from the thread that runs it.
struct NestProgress {
    double elapsed = 0; // seconds since the start
    double budget = 0;  // the time allowed for the search
    long long evaluations = 0;
    bool placed = false; // a first placement of every part exists
    int sheets = 0;      // of the best placement so far
    double length = 0;
    double density = 0;
};

} // namespace brevant
