// Sheet layout: regular cone pieces nested in columns on a sheet, as typed and turned.
#pragma once

#include "caddraw/cad_draw.h"
#include "core/form_model.h"
#include "core/notices.h"
#include "geometry/types.h"
#include "layouts/layout_kind.h"

#include <vector>

namespace brevant {

// What the sheet layout works on: the sheet drawing, the piece and the sheet, the sheet
// controls it fills and the notices.
struct SheetJob {
    TCadDraw& CadDraw2; // the sheet
    const SheetRequest& Request;
    FormModel& Form;
    INotices& Notices;
};

// The piece to nest, in inches and degrees (piece coordinates: apex at the origin, opening up).
struct SheetPiece {
    double SmallRadius = 0; // r
    double LargeRadius = 0; // R
    double FlatAngle = 0;   // theta
    double PatternWidth = 0;
    double PatternHeight = 0;
    double Overlap = 0; // 0 = none
    TDLine OverlapEdge;
};

// Where the pieces of one orientation go.
struct SheetPlan {
    bool Valid = false; // false: no usable cone data ("No Cones Defined")
    int Columns = 0;
    int Rows = 0;
    long long Count = 0;         // Columns x Rows
    double RowPitch = 0;         // H
    double ColumnShift = 0;      // F
    double BottomDepth = 0;      // E
    std::vector<TDPoint> Apexes; // at most kMaxDrawnPieces
};

inline constexpr int kMaxDrawnPieces = 10000;

// The usable height u of a piece for the row test.
double UsableHeight(const SheetPiece& piece);
// Pure nesting on a sheet w x h with the sheet's right edge at x0 (x0 <= 0: sheet left of it).
SheetPlan PlanSheet(const SheetPiece& piece, double w, double h, double usableHeight, double x0,
                    double xClearance, double yClearance);

// What a cutting machine cuts from the sheet: the piece's cut outlines at every placement (one
// piece each), then the edges its tabs are bent along at every placement.
FlatPattern SheetMachinePattern(const FlatPattern& piece, const std::vector<TDPoint>& placements);

// Runs the sheet layout of the piece into CadDraw2; returns the counts of both orientations.
SheetCounts LayoutSheet(SheetJob& engine);
// Nests the pieces of one orientation; the apexes of the pieces drawn are added to placements.
int NestPieces(SheetJob& engine, double w, double h, double r, double R, double theta, double W,
               double u, double x0, std::vector<TDPoint>& placements);
void DrawSheetOutline(SheetJob& engine, double w, double h, double x0);
// False when the piece has no shape to draw.
bool DrawConePiece(SheetJob& engine, double r, double R, double theta, double x, double y);

} // namespace brevant
