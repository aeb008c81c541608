// Drawing the branch pipe's flat pattern.
#include "layouts/pipe/pipe_pattern.h"

#include "caddraw/pattern_pen.h"

namespace brevant {

void DrawPipePattern(TCadDraw& flat, const PipeInputs& in, bool& pdfInProgress) {
    const bool forPrint = pdfInProgress;
    flat.DeleteAllElements();
    SetPen(flat, kLayerOutline, kColorWhite);
    const auto curve = PipeCutCurve(in, forPrint ? kPipePrintDivisions : kPipeScreenDivisions);
    if (!forPrint) FlatLine(flat, 0, 0, 0, curve.front().y);
    for (std::size_t i = 1; i < curve.size(); ++i)
        FlatLine(flat, curve[i - 1].x, curve[i - 1].y, curve[i].x, curve[i].y);
    if (!forPrint) {
        const TDPoint& last = curve.back();
        FlatLine(flat, 0, 0, last.x, 0);
        FlatLine(flat, last.x, 0, last.x, last.y);
    }
    flat.SetExtents();
    flat.ZoomAll();
    pdfInProgress = false;
}

} // namespace brevant
