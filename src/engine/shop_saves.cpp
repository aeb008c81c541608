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

// The flat pattern for files of the chosen kind, or the sheet's.
FlatPattern PatternOfView(const LayoutEngine& e, int view) {
    if (view == 2) return e.SheetPattern;
    const LayoutKind* kind = e.CurrentKind();
    return kind ? kind->PatternFor(PatternUse::File) : FlatPattern{};
}

} // namespace

OutputOutcome SaveCamDxfTo(LayoutEngine& e, int view, const std::string& path) {
    const FlatPattern pattern = PatternOfView(e, view);
    const ShopFileOptions options{e.Units()};
    return WriteShopFile(e, path, [&](std::ostream& out) { WriteCamDxf(out, pattern, options); });
}

OutputOutcome SaveFlatSvgTo(LayoutEngine& e, const std::string& path) {
    const FlatPattern pattern = PatternOfView(e, 1);
    const ShopFileOptions options{e.Units()};
    return WriteShopFile(e, path, [&](std::ostream& out) { WriteSvg(out, pattern, options); });
}

OutputOutcome MenuSaveFlatSvgClick(LayoutEngine& e) {
    if (auto refused = e.RefuseUncalculatedOutput()) return *refused;
    const std::string path =
        e.SaveFileDialog("Save Flat Pattern SVG", "SVG", "svg", false, e.DefaultFileName("svg"));
    if (path.empty()) return OutputOutcome::Cancelled();
    return SaveFlatSvgTo(e, path);
}

} // namespace brevant
