// One run of brevant-cli: start as the desktop program starts, apply the options, Calculate,
// write the outputs and describe the window.
#pragma once

#include "cli/cli_options.h"

#include <iosfwd>

namespace brevant::cli {

// Exit statuses: 0 every requested output written, 1 a file could not be read or written,
// 2 usage, 3 an output that does not apply to this part (or a calculation that stopped short of
// it) wrote nothing.
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitNotWritten = 3;

// Returns the exit status.
int Run(const Options& options, std::ostream& out, std::ostream& err);

} // namespace brevant::cli
