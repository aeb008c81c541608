// "Save 3D CAD": the part of the current layout type as a 3D wire frame in a CAD file.
#include "cone/side_cuts.h"
#include "core/messages.h"
#include "engine/layout_engine.h"
#include "engine/square_shape.h"
#include "solid/solid_cad_export.h"

namespace brevant {

namespace {

// The message of pipe inputs that give no cut ring, as the pipe driver words it.
const char* PipeRefusal(PipeCheck check) {
    switch (check) {
    case PipeCheck::BranchLarger:
        return kMsgPipeLarger;
    case PipeCheck::BranchOutside:
        return kMsgPipeOutside;
    default:
        return kMsgTooLargeToDraw;
    }
}

} // namespace

OutputOutcome LayoutEngine::SaveSolidCad() {
    SceneJob scene = MakeSceneJob();
    PlaceEndPlanes(scene);
    if (LayoutType() != kLayoutCone) ClearStatus();
    const std::string path =
        SaveFileDialog("Save 3D CAD", "3D CAD", "dxf,cdl,igs", false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveSolidCadTo(path);
}

std::string LayoutEngine::BuildSolidCad(TCadDrawing& drawing) {
    SceneJob scene = MakeSceneJob();
    scene.CircleResolution = kSolidCadRingPoints;
    // The end-plane pivots are left at the true-size part.
    PlaceEndPlanes(scene);
    switch (LayoutType()) {
    case kLayoutSquare: {
        SquareShape shape = SquareShapeOf(Def);
        if (shape.L == 0) shape.L = shape.W;
        AddSquareSolidCad(drawing, shape, Units());
        return {};
    }
    case kLayoutSpiral:
        AddSpiralSolidCad(drawing, SpiralHelices, Units());
        return {};
    case kLayoutPipe: {
        const PipeInputs in = PipeInputsOf(Def, Pipe.MaterialThickness);
        const PipeCheck check = CheckPipeInputs(in);
        const bool refused = check != PipeCheck::Ok && check != PipeCheck::NotEnough;
        if (refused || !AddPipeSolidCad(drawing, in, kSolidCadRingPoints, Units()))
            return PipeRefusal(check);
        return {};
    }
    default: {
        ConeJob cone = MakeConeJob();
        const SolidSideCuts cuts{Cone.SideCutTopAngle, Cone.SideCutBottomAngle};
        AddConeSolidCad(drawing, scene, Units(), SideCutsApply(cone) ? &cuts : nullptr);
        return {};
    }
    }
}

OutputOutcome LayoutEngine::SaveSolidCadTo(const std::string& path) {
    TCadDrawing drawing;
    if (const std::string why = BuildSolidCad(drawing); !why.empty()) {
        ShowMessageDialog(why, "");
        return OutputOutcome::Refused(why);
    }
    const int type = SolidCadTypeOf(path);
    // An IGES file declares the unit its coordinates are in.
    if (type == kCadTypeIges) drawing.CadSettings().number_unit = Units();
    drawing.SetCadType(type);
    if (drawing.SaveToFile(path)) return OutputOutcome::Written();
    SetIOError(drawing.LastError());
    ShowMessageDialog(drawing.LastError(), path);
    return OutputOutcome::Failed(drawing.LastError());
}

} // namespace brevant
