// "Save 3D CAD": the chosen kind's part as a 3D wire frame in a CAD file.
#include "engine/layout_engine.h"
#include "solid/solid_cad_export.h"

namespace brevant {

OutputOutcome LayoutEngine::SaveSolidCad() {
    if (auto refused = RefuseUncalculatedOutput()) return *refused;
    const std::string path =
        SaveFileDialog("Save 3D CAD", "3D CAD", "dxf,cdl,igs", false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveSolidCadTo(path);
}

std::string LayoutEngine::BuildSolidCad(TCadDrawing& drawing) {
    const LayoutKind* kind = CurrentKind();
    if (!kind) return {};
    const KindWireFrame wire = kind->WireFrameOf();
    if (!wire.Refusal.empty()) return wire.Refusal;
    AddWireFrame(drawing, wire.Frame, Units());
    return {};
}

OutputOutcome LayoutEngine::SaveSolidCadTo(const std::string& path) {
    TCadDrawing drawing;
    if (const std::string why = BuildSolidCad(drawing); !why.empty()) {
        ShowMessageDialog(why, "");
        return OutputOutcome::Refused(why);
    }
    const int type = CadTypeOfPath(path);
    // An IGES file declares the unit its coordinates are in.
    if (type == kCadTypeIges) drawing.CadSettings().number_unit = Units();
    drawing.SetCadType(type);
    if (drawing.SaveToFile(path)) return OutputOutcome::Written();
    SetIOError(drawing.LastError());
    ShowMessageDialog(drawing.LastError(), path);
    return OutputOutcome::Failed(drawing.LastError());
}

} // namespace brevant
