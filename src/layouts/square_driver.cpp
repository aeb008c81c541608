// CalculateSquareToRound: prologue and input checks of the square-to-round driver.
#include "engine/layout_engine.h"

namespace brevant {

int LayoutEngine::CalculateSquareToRound(bool quiet) {
    if (int code = LayoutPrologue(kLayoutSquare, quiet); code >= 0) return code;
    auto& d = Def;
    if (d.SquareWidth > 0 && d.SquareLength == 0) d.SquareLength = d.SquareWidth;
    if (!(d.SquareTopDiameter > 0 && d.SquareWidth > 0 && d.SquareHeight > 0)) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    if (d.SquareTopDiameter < 0.01f || d.SquareWidth < 0.01f || d.SquareLength < 0.01f ||
        d.SquareHeight < 0.01f) {
        ShowNotEnoughDimensions(); // also when quiet: a value this small is a typing slip
        return kDriverNotEnough;
    }
    // The development of the transition comes with its own layout module.
    return kDriverDone;
}

} // namespace brevant
