// The parts a flat pattern gives a nest: its closed cut outlines sorted into pieces with their
// holes, each piece wanted as often as its outline says, times the number of parts. The true
// lines and arcs are kept; only the nester flattens arcs, for fitting.
#pragma once

#include "caddraw/flat_pattern.h"
#include "nesting/nest_part.h"

#include <string>
#include <vector>

namespace brevant {

// The most copies of one piece a nest takes.
inline constexpr long long kMostPieceCopies = 100000;

// Adds the pieces of pattern to parts, in the pattern's coordinates times factor (1 / the size
// of the job's unit in inches), count copies of the part each with its outline's quantity.
// A piece is named after the part, and after the outline's piece when the pattern has several.
// False with the reason (which names no file) when the pattern has no cut outline, an outline
// is degenerate or not a number, or the copies are too many.
bool AddPatternParts(const FlatPattern& pattern, double factor, const std::string& name, int count,
                     std::vector<NestPart>& parts, std::string& error);

} // namespace brevant
