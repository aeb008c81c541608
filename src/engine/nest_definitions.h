// Parts of a nest from the layout kinds: the part the window calculated last, or a definition
// file calculated as the kind it names. Either gives the cut outlines of the kind's flat
// pattern for files, in the coordinates of its cutting-machine DXF.
#pragma once

#include "core/units.h"
#include "nesting/nest_job.h"

#include <string>

namespace brevant {

class LayoutEngine;

// Adds the pieces of the chosen kind's last calculation as parts named name, count copies of
// the part, in units. False with a message when nothing is calculated.
bool AddCurrentPart(const LayoutEngine& engine, const std::string& name, int count,
                    UnitSystem units, NestJob& job, std::string& error);

// Loads the definition file into engine (the kind it names; a file naming none is calculated
// as the engine's chosen kind), calculates it and adds its pieces as AddCurrentPart does, named
// after the file. False with a message naming the file: why it could not be read, or why the
// calculation stopped (message, when the caller's host recorded one, else the status line).
bool AddDefinitionParts(LayoutEngine& engine, const std::string& path, int count, UnitSystem units,
                        NestJob& job, std::string& error);

// Adds the parts of a part file: a definition file (.layout), calculated in engine, or a DXF
// file of closed outlines (.dxf). False with a message naming the file, also for any other
// kind of file.
bool AddPartFile(LayoutEngine& engine, const std::string& path, int count, UnitSystem units,
                 NestJob& job, std::string& error);

// Keeps the window's part while definition files are calculated in its engine: when the keeper
// goes, the inputs, the chosen kind, the definition file's name and the caption are put back and
// the part is calculated again, quietly, as loading it would; the status line is put back too.
class KeptWindowPart {
public:
    explicit KeptWindowPart(LayoutEngine& engine);
    ~KeptWindowPart();
    KeptWindowPart(const KeptWindowPart&) = delete;
    KeptWindowPart& operator=(const KeptWindowPart&) = delete;

private:
    LayoutEngine& engine_;
    std::string inputs_, caption_, name_, path_, session_, status_;
};

// Whether a file is taken as a definition file (by its extension, .layout).
bool IsDefinitionFileName(const std::string& path);

} // namespace brevant
