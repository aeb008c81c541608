// Reads a flat pattern or sheet drawing as a cutting machine needs it: the pieces' closed
// outlines, the bend lines and the marks, in the drawing's unit (inches).
#pragma once

#include "documents/shop_outline.h"

namespace brevant {

class TCadDrawing;

// What each drawn line is for, by its layer and colour:
//   layer 1: the outline; in red an overlap edge (the sheet), in blue the sheet's own border
//            (left out); yellow on layers 1 to 4 is the seam line, a mark;
//   layer 2: overlap edges; layer 3: side cuts and seam lines (marks); layer 4: bend lines;
//   layers 5 to 8 (annotations, bounding box), texts, points and rectangles are left out.
// An overlap edge and the outline edge it is offset from make a tab: the outline runs out
// along the overlap edge and the joined edge becomes a mark. A strip whose cut curves end on
// its sides (a cylinder with tilted ends) is cut along the curves: the strip's border gives
// way to the side pieces between the curves' ends. Lines drawn inside a subdivided piece
// (the triangles of a square to round) are its bend lines.
ShopOutlines BuildShopOutlines(const TCadDrawing& drawing);

} // namespace brevant
