// "Save 3D Solid": the part of the last calculation as STEP solids of plate with its thickness.
#include "cone/cone_solver.h"
#include "cone/side_cuts.h"
#include "core/messages.h"
#include "documents/step_solid.h"
#include "engine/layout_engine.h"
#include "engine/square_shape.h"
#include "solid/formed_parts.h"

namespace brevant {

namespace {

// The angle of the cone one piece covers, as the last development cut it: the flat angle's
// share of the full cone, or the strip's share of the perimeter; 0 for the whole ring.
double SegmentOf(const LayoutEngine& e) {
    const ConeState& c = e.Cone;
    if (c.IsObliqueCone) return 0;
    double share = 1;
    if (!e.Def.IsCylinder && c.FullFlatAngle > 0) share = c.FlatAngle / c.FullFlatAngle;
    if (e.Def.IsCylinder) {
        const double perimeter = EllipsePerimeter(e.Def.TopEllipseWidth, e.Def.TopDiameter);
        if (perimeter > 0) share = c.PatternWidth / perimeter;
    }
    return share > 0 && share < 1 - 1e-6 ? 360 * share : 0;
}

// The cone as its last calculation left it, with the side cut when the setting shows one: an
// arc length typed for an end stands for its chord.
ConeSolidInputs ConeInputsOf(const LayoutEngine& e) {
    const LayoutDefinition& d = e.Def;
    ConeSolidInputs in;
    in.Shape = ConeShapeOf(d);
    in.IsCylinder = d.IsCylinder;
    if (e.Form.SideCutsCheckBox.checked) {
        in.TopCutWidth =
            d.TopArcLength > 0 ? ArcLengthToChord(d.TopArcLength, d.TopDiameter) : d.TopCutWidth;
        in.BottomCutWidth = d.BottomArcLength > 0
                                ? ArcLengthToChord(d.BottomArcLength, d.BottomDiameter)
                                : d.BottomCutWidth;
    }
    in.SegmentAngle = SegmentOf(e);
    return in;
}

// The formed part of the layout type on show with its plate, or no pieces when its last
// calculation made no part.
FormedPart CurrentFormedPart(const LayoutEngine& e) {
    const LayoutDefinition& d = e.Def;
    FormedPart part;
    switch (e.LayoutType()) {
    case kLayoutSquare: {
        if (e.Solid.Kind != SolidPartKind::SquareToRound) return part;
        SquareShape shape = SquareShapeOf(d);
        if (shape.L == 0) shape.L = shape.W;
        part = SquareFormedPart(e.Square.Model, shape);
        part.Thickness = d.MaterialThickness;
        break;
    }
    case kLayoutSpiral:
        if (e.SpiralHelices.OuterHelix.empty()) return part;
        part = SpiralFormedPart(d.SpiralOD, d.SpiralID, d.SpiralPitch);
        part.Thickness = d.SpiralThickness;
        break;
    case kLayoutPipe:
        if (!e.Pipe.Developed) return part;
        part = PipeFormedPart(PipeInputsOf(d, e.Pipe.MaterialThickness));
        part.Thickness = e.Pipe.MaterialThickness;
        break;
    default:
        if (e.Solid.Kind != SolidPartKind::Cone) return part;
        part = ConeFormedPart(ConeInputsOf(e));
        part.Thickness = d.MaterialThickness;
        break;
    }
    // The developed surface is the plate's middle: typed outside or inside dimensions were
    // moved to it when the thickness was read.
    part.Side = PlateSide::Middle;
    if (!e.App.CurrentDefinitionName.empty()) part.Name = e.App.CurrentDefinitionName;
    return part;
}

} // namespace

OutputOutcome LayoutEngine::SaveSolidStep() {
    const std::string path =
        SaveFileDialog("Save 3D Solid", "STEP", "step,stp", false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveSolidStepTo(path);
}

OutputOutcome LayoutEngine::SaveSolidStepTo(const std::string& path) {
    const FormedPart part = CurrentFormedPart(*this);
    if (part.Pieces.empty()) {
        ShowMessageDialog(kMsgNoSolidPart, "");
        return OutputOutcome::Refused(kMsgNoSolidPart);
    }
    const StepSolidResult result = WriteStepSolids(part, path, Units());
    if (result.Written) return OutputOutcome::Written();
    if (result.WriteFailed) {
        SetIOError(result.Message);
        ShowMessageDialog(result.Message, path);
        return OutputOutcome::Failed(result.Message);
    }
    ShowMessageDialog(result.Message, "");
    return OutputOutcome::Refused(result.Message);
}

} // namespace brevant
