// Saving a CAD view (the flat pattern or the sheet) as DXF, CDL or IGES in the display unit. The
// file is written from a copy: the flat pattern of the chosen kind for files, or the sheet's
// drawing; the views themselves are left as they are.
#include "caddraw/flat_pattern_render.h"
#include "engine/layout_engine.h"
#include "engine/shop_saves.h"

namespace brevant {

namespace {

inline constexpr const char* kCadExtensions = "dxf,cdl,igs";

// Converts the saved layers' geometry from inches to the display unit; texts stay.
void ConvertToDisplayUnit(TCadDrawing& drawing, int which, UnitSystem units) {
    TElements& list = drawing.Elements();
    for (int i = 0; i < list.Count(); ++i) {
        TElement& el = list[i];
        const bool layerSaved = which == 1 ? ((el.Layer >= 1 && el.Layer <= 4) || el.Layer == 8)
                                           : (el.Layer == 1 || el.Layer == 2);
        if (!layerSaved) continue;
        auto conv = [&](int index) {
            el.SetCoord(index, FromInches(static_cast<float>(el.Coord(index)), units));
        };
        if (el.Etype == kElementPoint && which == 1) {
            for (int k = 1; k <= 3; ++k)
                conv(k);
        } else if (el.Etype == kElementLine) {
            for (int k = 1; k <= 6; ++k)
                conv(k);
        } else if (el.Etype == kElementArc) {
            for (int k = 1; k <= 4; ++k)
                conv(k);
        }
    }
}

} // namespace

void CopyViewForFile(LayoutEngine& e, int which, TCadDrawing& out) {
    if (which == 2) {
        out.SetElements(e.CadDraw2.Elements());
        return;
    }
    if (const LayoutKind* kind = e.CurrentKind())
        RenderFlatPattern(out, kind->PatternFor(PatternUse::File));
}

OutputOutcome LayoutEngine::SaveCadViewTo(int which, const std::string& path, bool writeUnit) {
    const int type = CadTypeOfPath(path);
    // With "DXF for cutting machines" set, a DXF is the shop's closed-outline file.
    if (type == kCadTypeDxf && Form.CamDxfCheckBox.checked) return SaveCamDxfTo(*this, which, path);
    TCadDrawing drawing;
    CopyViewForFile(*this, which, drawing);
    if (type == kCadTypeIges && writeUnit) drawing.CadSettings().number_unit = Units();
    ConvertToDisplayUnit(drawing, which, Units());
    drawing.SetCadType(type);
    // Construction layers stay out of the file: the annotations, and on the sheet the outline.
    const int lastHidden = which == 1 ? 7 : 8;
    for (int layer = 5; layer <= lastHidden; ++layer)
        drawing.SetLayerVisible(layer, false);
    if (drawing.SaveToFile(path)) return OutputOutcome::Written();
    SetIOError(drawing.LastError());
    ShowMessageDialog(drawing.LastError(), path);
    return OutputOutcome::Failed(drawing.LastError());
}

OutputOutcome LayoutEngine::SaveFlatCad() {
    if (auto refused = RefuseUncalculatedOutput()) return *refused;
    // A pattern developed again for files (an oblique cone, finer) has its own dialog title.
    const LayoutKind* kind = CurrentKind();
    const bool finer = kind && kind->DevelopsAgainForFiles();
    const std::string path =
        finer
            ? SaveFileDialog("Save Flat CAD", "2D Cad", kCadExtensions, false, DefaultFileName(""))
            : SaveFileDialog("Save 2D CAD", "CAD", kCadExtensions, false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveCadViewTo(1, path, true);
}

OutputOutcome LayoutEngine::SaveCadSheet() {
    if (auto refused = RefuseUncalculatedOutput()) return *refused;
    const std::string path =
        SaveFileDialog("Save 2D CAD", "CAD", kCadExtensions, false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveCadViewTo(2, path, true);
}

} // namespace brevant
