// The layout state and drawings of a run, by the names the engine uses.
#include "cli/cli_results.h"

#include "engine/layout_engine.h"

namespace brevant::cli {

using nlohmann::json;

namespace {

json Definition(const LayoutDefinition& d) {
    return {{"TopDiameter", d.TopDiameter},
            {"BottomDiameter", d.BottomDiameter},
            {"ConeHeight", d.ConeHeight},
            {"TopAngle", d.TopAngle},
            {"BottomAngle", d.BottomAngle},
            {"TopShift", d.TopShift},
            {"TopEllipseWidth", d.TopEllipseWidth},
            {"BottomEllipseWidth", d.BottomEllipseWidth},
            {"SideLength", d.SideLength},
            {"SideAngle", d.SideAngle},
            {"SeamAngle", d.SeamAngle},
            {"SegmentAngle", d.SegmentAngle},
            {"Overlap", d.Overlap},
            {"TopCutWidth", d.TopCutWidth},
            {"BottomCutWidth", d.BottomCutWidth},
            {"TopArcLength", d.TopArcLength},
            {"BottomArcLength", d.BottomArcLength},
            {"SheetWidth", d.SheetWidth},
            {"SheetHeight", d.SheetHeight},
            {"XClearance", d.XClearance},
            {"YClearance", d.YClearance},
            {"SquareWidth", d.SquareWidth},
            {"SquareLength", d.SquareLength},
            {"SquareHeight", d.SquareHeight},
            {"SquareTopDiameter", d.SquareTopDiameter},
            {"SquareTopAngle", d.SquareTopAngle},
            {"SquareTopXShift", d.SquareTopXShift},
            {"SquareTopYShift", d.SquareTopYShift},
            {"SquareHalfPattern", d.SquareHalfPattern},
            {"BendsPerCorner", d.BendsPerCorner},
            {"SpiralOD", d.SpiralOD},
            {"SpiralID", d.SpiralID},
            {"SpiralPitch", d.SpiralPitch},
            {"PipeBigOD", d.PipeBigOD},
            {"PipeSmallOD", d.PipeSmallOD},
            {"PipeOffset", d.PipeOffset},
            {"MaterialThickness", d.MaterialThickness},
            {"ThicknessSide", d.ThicknessSide},
            {"IsCylinder", d.IsCylinder},
            {"TopDiameterGiven", d.TopDiameterGiven},
            {"BottomDiameterGiven", d.BottomDiameterGiven},
            {"ConeHeightGiven", d.ConeHeightGiven},
            {"SideAngleGiven", d.SideAngleGiven},
            {"SideLengthGiven", d.SideLengthGiven}};
}

} // namespace

json Results(const LayoutEngine& e) {
    json j = Definition(e.Def);
    j["IsObliqueCone"] = e.Cone.IsObliqueCone;
    return j;
}

json Drawing(const TCadDraw&) { return json::object(); }

} // namespace brevant::cli
