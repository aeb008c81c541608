// One drawing element: a point, line, arc, text, rectangle or drawing-only kind with six
// coordinates.
#pragma once

#include "core/controls.h"

#include <array>
#include <cstdint>
#include <string>

namespace brevant {

// Element type codes (the Etype field).
enum TElementType : std::int32_t {
    kElementEmpty = 0,
    kElementPoint = 1,
    kElementLine = 2,
    kElementArc = 3,
    kElementCircle = 4,
    kElementText = 5,
    kElementArrow = 6,
    kElementLeader = 7,
    kElementWitness = 9,
    kElementImage = 10,
    kElementEllipse = 12,
    kElementRectangle = 13,
    kElementCandle = 15,
};

// Highlight codes: the display state of an element.
enum THighlight : std::uint8_t {
    kHighlightNormal = 0,
    kHighlightPicked = 1,
    kHighlightGroup = 2,
    kHighlightErase = 3,
    kHighlightCopy = 5,
    kHighlightHidden = 7,
    kHighlightChain = 8,
};

// Line style codes. 10 and 20 are only accepted at creation (style 1 or 2 without growing the
// running extents) and are never stored.
inline constexpr std::int32_t kLineSolid = 1;
inline constexpr std::int32_t kLineDotted = 2;
inline constexpr std::int32_t kLineDashDot = 3;
inline constexpr std::int32_t kLineDashDotDot = 4;
inline constexpr std::int32_t kLineSolidNoExtents = 10;
inline constexpr std::int32_t kLineDottedNoExtents = 20;

// The six coordinates; element i of the array is Coord(i + 1).
using TCoords = std::array<double, 6>;

// A drawing element. The meaning of the coordinates depends on the type:
//   point      x, y, z, 0, 0, 0
//   line       x1, y1, z1, x2, y2, z2
//   arc        centre x, y, z, radius, start angle, end angle (counter-clockwise, degrees)
//   circle     centre x, y, z, radius
//   text       x, y, text width, text height
//   image      x, y, width, height
//   ellipse    x, y, -, horizontal offset, width, height
//   rectangle  centre x, centre y, 0, width, height, 0
//   candle     x, top, bottom, top wick, bottom wick
struct TElement {
    std::int32_t Etype = kElementEmpty;
    TColor LineColor = 0;
    TColor FillColor = 0; // fill of rectangles (0 = none); the image number of an image
    std::int32_t linetype = 0;
    std::int32_t view = 0; // plane of an arc (1 = XY); at least 1 once stored by AddElement
    std::int32_t Layer = 0;
    std::uint8_t Highlight = kHighlightNormal; // the candle width of a candle
    bool Deleted = false;
    std::int32_t Tag = 0; // in a chain list: the index of the source element in the drawing
    TCoords Coords{};     // Coords[0] is Coord(1)
    std::string text;     // the text of a text element
    // Unique within its list and increasing in creation order; see TElements::FindItemID.
    std::int64_t ItemID = 0;

    // Coordinate by index 1 to 6; 0 outside that range.
    double Coord(int index) const {
        return index >= 1 && index <= 6 ? Coords[static_cast<std::size_t>(index - 1)] : 0.0;
    }
    double GetCoord(int index) const { return Coord(index); }
    // Writes coordinate 1 to 6; any other index does nothing.
    void SetCoord(int index, double value) {
        if (index >= 1 && index <= 6) Coords[static_cast<std::size_t>(index - 1)] = value;
    }

    // Copies everything but the text and the item identifier.
    void Assign(const TElement& source) {
        Etype = source.Etype;
        LineColor = source.LineColor;
        FillColor = source.FillColor;
        linetype = source.linetype;
        view = source.view;
        Layer = source.Layer;
        Highlight = source.Highlight;
        Deleted = source.Deleted;
        Tag = source.Tag;
        Coords = source.Coords;
    }
};

} // namespace brevant
