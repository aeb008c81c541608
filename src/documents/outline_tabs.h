// Reshaping a pattern's outline before it is chained: overlap tabs and cut strips.
#pragma once

#include "documents/contour_graph.h"

#include <vector>

namespace brevant {

// A strip (an axis-parallel rectangle on the outline) with two cut curves ending on each of
// its upright sides (inside or at the corners) becomes the piece between the curves: the
// rectangle's four lines give way to the two side pieces between the curves' ends. Overlap edges
// along the old sides are cut to the new ones. Anything else is left as it is.
void FormCutStrip(std::vector<ShopSegment>& outline, std::vector<ShopSegment>& overlap, double tol);

// An overlap edge that is an outline line moved square to itself makes a tab: the outline
// line is replaced by the two short connecting lines and the overlap edge, and moves to the
// marks. Overlap edges that match no outline line are marks themselves.
void FormOverlapTabs(std::vector<ShopSegment>& outline, const std::vector<ShopSegment>& overlap,
                     std::vector<ShopSegment>& mark, double tol);

} // namespace brevant
