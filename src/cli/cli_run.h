// One run of brevant-cli: start as the desktop program starts, apply the options, Calculate,
// write the outputs and describe the window.
#pragma once

#include "cli/cli_options.h"

#include <iosfwd>

namespace brevant::cli {

// Returns the exit status: 0 completed, 1 a file could not be read or written, 2 usage.
int Run(const Options& options, std::ostream& out, std::ostream& err);

} // namespace brevant::cli
