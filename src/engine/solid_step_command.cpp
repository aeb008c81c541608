// "Save 3D Solid": the part of the last calculation as STEP solids of plate with its thickness.
#include "core/messages.h"
#include "documents/step_solid.h"
#include "engine/layout_engine.h"

namespace brevant {

namespace {

// The formed part of the kind on show with its plate, or no pieces when its last calculation
// made no part.
FormedPart CurrentFormedPart(const LayoutEngine& e) {
    const LayoutKind* kind = e.CurrentKind();
    if (!kind) return {};
    FormedPart part = kind->FormedSolid(e.Material);
    if (part.Pieces.empty()) return part;
    // The developed surface is the plate's middle: typed outside or inside dimensions were
    // moved to it when the thickness was read.
    part.Side = PlateSide::Middle;
    if (!e.App.CurrentDefinitionName.empty()) part.Name = e.App.CurrentDefinitionName;
    return part;
}

} // namespace

OutputOutcome LayoutEngine::SaveSolidStep() {
    if (auto refused = RefuseUncalculatedOutput()) return *refused;
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
