// Saving a CAD view (the flat pattern or the sheet) as DXF, CDL or IGES in the display unit.
#include "engine/layout_engine.h"
#include "engine/shop_saves.h"

namespace brevant {

namespace {

inline constexpr const char* kCadExtensions = "dxf,cdl,igs";
// Converts the saved layers' geometry from inches to the display unit; texts stay.
void ConvertToDisplayUnit(TCadDraw& view, int which, UnitSystem units) {
    TElements& list = view.Elements();
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

OutputOutcome LayoutEngine::SaveCadViewTo(int which, const std::string& path, bool writeUnit) {
    TCadDraw& view = which == 1 ? CadDraw1 : CadDraw2;
    const int type = CadTypeOfPath(path);
    // With "DXF for cutting machines" set, a DXF is the shop's closed-outline file.
    if (type == kCadTypeDxf && Form.CamDxfCheckBox.checked) return SaveCamDxfTo(*this, which, path);
    if (type == kCadTypeIges && writeUnit) view.CadSettings().number_unit = Units();
    ConvertToDisplayUnit(view, which, Units());
    view.SetCadType(type);
    // Construction layers stay out of the file: the annotations, and on the sheet the outline.
    const int lastHidden = which == 1 ? 7 : 8;
    for (int layer = 5; layer <= lastHidden; ++layer)
        view.SetLayerVisible(layer, false);
    const bool ok = view.SaveToFile(path);
    for (int layer = 5; layer <= 8; ++layer)
        view.SetLayerVisible(layer, true);
    if (ok) return OutputOutcome::Written();
    SetIOError(view.LastError());
    ShowMessageDialog(view.LastError(), path);
    return OutputOutcome::Failed(view.LastError());
}

OutputOutcome LayoutEngine::SaveCadView(int which) {
    ClearStatus();
    const std::string path =
        SaveFileDialog("Save 2D CAD", "CAD", kCadExtensions, false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveCadViewTo(which, path, true);
}

OutputOutcome LayoutEngine::SaveCadSheet() {
    const OutputOutcome outcome = SaveCadView(2);
    DispatchCalculation(false);
    return outcome;
}

// The oblique pattern is written from a finer development (150 divisions).
OutputOutcome LayoutEngine::SaveObliqueFlatCad() {
    const std::string path =
        SaveFileDialog("Save Flat CAD", "2D Cad", kCadExtensions, false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    Drv.CircleResolution = 150;
    RedrawObliquePatternForSave();
    Drv.CircleResolution = 40;
    CadDraw1.SetDrawColor(kColorLime);
    CadDraw1.ClearGroup();
    OutputOutcome outcome = SaveCadViewTo(1, path, false);
    ClearDrawing(CadDraw1);
    Form.RegularDataDisplay.visible = false;
    CalculateMenuClick();
    return outcome;
}

OutputOutcome LayoutEngine::SaveFlatCad() {
    ClearStatus();
    const bool oblique = Def.TopShift != 0 || Def.TopAngle != 0 || Def.BottomAngle != 0;
    const OutputOutcome outcome =
        LayoutType() == kLayoutCone && oblique ? SaveObliqueFlatCad() : SaveCadView(1);
    DispatchCalculation(false);
    return outcome;
}

} // namespace brevant
