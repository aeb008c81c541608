// The shop-floor saves: cutting-machine DXF and SVG from the engine's views.
#include "engine/shop_saves.h"

#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "documents/cam_dxf_writer.h"
#include "documents/svg_writer.h"
#include "engine/layout_engine.h"

#include <functional>

namespace brevant {

namespace {

OutputOutcome WriteShopFile(LayoutEngine& e, const std::string& path,
                            const std::function<void(std::ostream&)>& write) {
    std::string reason;
    if (WriteFileAtomically(path, write, reason)) return OutputOutcome::Written();
    e.SetIOError(WriteErrorText(path, reason));
    e.ShowMessageDialog(e.LastIOError(), path);
    return OutputOutcome::Failed(e.LastIOError());
}

bool IsObliqueCone(const LayoutEngine& e) {
    const bool oblique = e.Def.TopShift != 0 || e.Def.TopAngle != 0 || e.Def.BottomAngle != 0;
    return e.LayoutType() == kLayoutCone && oblique;
}

} // namespace

OutputOutcome SaveCamDxfTo(LayoutEngine& e, int view, const std::string& path) {
    const TCadDrawing& drawing = view == 1 ? e.CadDraw1 : e.CadDraw2;
    const ShopFileOptions options{e.Units()};
    return WriteShopFile(e, path, [&](std::ostream& out) { WriteCamDxf(out, drawing, options); });
}

OutputOutcome SaveFlatSvgTo(LayoutEngine& e, const std::string& path) {
    const ShopFileOptions options{e.Units()};
    if (!IsObliqueCone(e))
        return WriteShopFile(e, path,
                             [&](std::ostream& out) { WriteSvg(out, e.CadDraw1, options); });
    // The oblique pattern is written from the finer development (150 divisions), as the CAD
    // save does, and the normal drawing is calculated again afterwards.
    e.Drv.CircleResolution = 150;
    e.RedrawObliquePatternForSave();
    e.Drv.CircleResolution = 40;
    const OutputOutcome outcome =
        WriteShopFile(e, path, [&](std::ostream& out) { WriteSvg(out, e.CadDraw1, options); });
    LayoutEngine::ClearDrawing(e.CadDraw1);
    e.Form.RegularDataDisplay.visible = false;
    e.CalculateMenuClick();
    return outcome;
}

OutputOutcome MenuSaveFlatSvgClick(LayoutEngine& e) {
    e.ClearStatus();
    const std::string path =
        e.SaveFileDialog("Save Flat Pattern SVG", "SVG", "svg", false, e.DefaultFileName("svg"));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveFlatSvgTo(e, path);
}

} // namespace brevant
