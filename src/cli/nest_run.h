// One run of brevant-cli nest: read the parts, nest them, write the sheets and describe the
// placements.
#pragma once

#include "cli/nest_options.h"

#include <iosfwd>

namespace brevant::cli {

// Exit status of a job the nester refuses (a part too large for the sheet in every allowed
// rotation, ...): the reason is on standard error. 1 and 2 are as for the main command.
inline constexpr int kExitNestRefused = 4;

// Returns the exit status.
int RunNest(const NestOptions& options, std::ostream& out, std::ostream& err);

} // namespace brevant::cli
