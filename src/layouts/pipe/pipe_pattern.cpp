// Drawing the branch pipe's flat pattern.
#include "layouts/pipe/pipe_pattern.h"

#include "caddraw/pattern_pen.h"

namespace brevant {

void DrawPipePattern(FlatPatternBuilder& flat, const PipeInputs& in, bool& pdfInProgress) {
    const bool forPrint = pdfInProgress;
    flat.Clear();
    flat.SetPen(kLayerOutline, kColorWhite, FlatRole::Outline);
    const auto curve = PipeCutCurve(in, forPrint ? kPipePrintDivisions : kPipeScreenDivisions);
    if (!forPrint) flat.Line(0, 0, 0, curve.front().y);
    for (std::size_t i = 1; i < curve.size(); ++i)
        flat.Line(curve[i - 1].x, curve[i - 1].y, curve[i].x, curve[i].y);
    if (!forPrint) {
        const TDPoint& last = curve.back();
        flat.Line(0, 0, last.x, 0);
        flat.Line(last.x, 0, last.x, last.y);
        // The cut outline: along the straight edge, up the right edge, back along the cut curve.
        CutOutline o{"Branch pipe", 1, {}};
        o.Line({0, 0, 0});
        o.Line({last.x, 0, 0});
        for (std::size_t i = curve.size(); i-- > 1;)
            o.Line(curve[i]);
        o.Line({0, curve.front().y, 0});
        flat.AddOutline(std::move(o));
    }
    pdfInProgress = false;
}

} // namespace brevant
