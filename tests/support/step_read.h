// Reads a STEP file back with the B-rep kernel's own reader, as a receiving CAD program would:
// the solids it holds, whether each passes the kernel's check, their volumes and bounding box.
#pragma once

#include "geometry/types.h"

#include <string>
#include <vector>

namespace brevant::test {

struct ReadSolid {
    bool Valid = false;
    double Volume = 0;
    TDPoint BoxMin;
    TDPoint BoxMax;
    int Faces = 0;
};

struct ReadStepFile {
    bool Read = false;             // the reader took the file
    std::string Product;           // the name of the (first) product
    std::string FileUnit;          // the length unit the file declares, e.g. "MM" or "INCH"
    std::vector<ReadSolid> Solids; // in the file's own unit
    int OtherShapes = 0;           // free faces, shells or wires outside any solid
    double TotalVolume() const;
    TDPoint BoxMin() const;
    TDPoint BoxMax() const;
};

// unit: the unit the coordinates are read in ("INCH", "MM", "CM").
ReadStepFile ReadStep(const std::string& path, const std::string& unit);

} // namespace brevant::test
