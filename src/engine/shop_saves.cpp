// The shop-floor saves: cutting-machine DXF and SVG.
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

} // namespace

OutputOutcome SaveCamDxfTo(LayoutEngine& e, int view, const std::string& path) {
    TCadDrawing drawing;
    CopyViewForFile(e, view, drawing);
    const ShopFileOptions options{e.Units()};
    return WriteShopFile(e, path, [&](std::ostream& out) { WriteCamDxf(out, drawing, options); });
}

OutputOutcome SaveFlatSvgTo(LayoutEngine& e, const std::string& path) {
    TCadDrawing drawing;
    CopyViewForFile(e, 1, drawing);
    const ShopFileOptions options{e.Units()};
    return WriteShopFile(e, path, [&](std::ostream& out) { WriteSvg(out, drawing, options); });
}

OutputOutcome MenuSaveFlatSvgClick(LayoutEngine& e) {
    const std::string path =
        e.SaveFileDialog("Save Flat Pattern SVG", "SVG", "svg", false, e.DefaultFileName("svg"));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveFlatSvgTo(e, path);
}

} // namespace brevant
