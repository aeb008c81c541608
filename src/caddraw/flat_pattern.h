// The developed flat pattern of a part as typed geometry: the strokes the CAD view draws, each
// with what it is for and the pen it is drawn with, and the closed cut outlines of the pieces
// with how many of each are needed. Every output of a pattern is a rendering of this; none
// reads a line's purpose back from its colour. Lengths in inches, angles in degrees.
#pragma once

#include "core/colors.h"
#include "geometry/types.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace brevant {

// What a stroke of the pattern is for.
enum class FlatRole {
    Outline,   // an edge of a piece: cut
    Overlap,   // the outer edge of an overlap tab: cut
    TabJoin,   // an outline edge an overlap tab is bent along: drawn as the outline, marked
    Bend,      // a bend (fold) line
    Seam,      // the seam line: marked
    SideCut,   // a side-cut line: marked
    Dimension, // dimension lines, arrowheads, letters and the angle marker
    Frame,     // the bounding box of a print
    Guide,     // a construction line (the strip a cylinder with cut ends is cut from)
};

// The layer and colour a stroke has in the CAD view's drawing.
struct FlatPen {
    int Layer = 1;
    TColor Color = kColorWhite;
    friend bool operator==(const FlatPen&, const FlatPen&) = default;
};

struct FlatLine {
    TDPoint From;
    TDPoint To;
};

// An arc about Centre, counter-clockwise from StartAngle to EndAngle (degrees); equal angles
// are stored as the full circle 0 to 360.
struct FlatArc {
    TDPoint Centre;
    double Radius = 0;
    double StartAngle = 0;
    double EndAngle = 0;
};

// An axis-parallel rectangle about Centre; FillColor 0 leaves it open.
struct FlatBox {
    TDPoint Centre;
    double Width = 0;
    double Height = 0;
    TColor FillColor = 0;
};

struct FlatStroke {
    FlatRole Role = FlatRole::Outline;
    FlatPen Pen;
    std::variant<FlatLine, FlatArc, FlatBox> Shape;
};

// One edge of a closed outline: from its Start to the next edge's Start (the last edge ends at
// the first edge's Start); a straight line, or an arc about Centre that turns Sweep degrees
// (positive counter-clockwise).
struct OutlineEdge {
    TDPoint Start;
    double Sweep = 0;
    TDPoint Centre;
    bool IsArc() const { return Sweep != 0; }
};

// A closed outline that a cutting machine cuts: the piece it bounds, the number of such pieces
// a part needs, and its edges counter-clockwise. It is closed by construction.
struct CutOutline {
    std::string Piece;
    int Quantity = 1;
    std::vector<OutlineEdge> Edges;
    // The next edge: a line from start, or an arc from start about centre turning sweep degrees.
    void Line(const TDPoint& start) { Edges.push_back({start, 0, {}}); }
    void Arc(const TDPoint& start, const TDPoint& centre, double sweep) {
        Edges.push_back({start, sweep, centre});
    }
};

// How the CAD view shows a pattern: the view height it applies before fitting the drawing, and
// whether the pattern is placed so that the mouse neither pans nor turns it.
struct FlatViewHints {
    std::optional<double> ViewHeight;
    bool FixedView = false;
};

struct FlatPattern {
    std::vector<FlatStroke> Strokes; // in drawing order
    std::vector<CutOutline> Outlines;
    // Edges overlap tabs are bent along that the drawing shows only within a longer line (the
    // sides of a strip between its cut curves' ends): marked, not drawn.
    std::vector<FlatLine> HiddenTabJoins;
    FlatViewHints View;
    bool Empty() const { return Strokes.empty() && Outlines.empty() && HiddenTabJoins.empty(); }
};

} // namespace brevant
