// ReadLayoutInputs: every cone, square-to-round, sheet, overlap, cut-width and thickness field
// read from its edit into the definition, in inches; the first bad number stops the read.
#include "cone/thickness.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"

namespace brevant {

bool LayoutEngine::ReadLengths(std::initializer_list<std::pair<Edit*, float*>> fields) {
    for (auto [edit, target] : fields) {
        float v = 0;
        if (!ReadInputValue(*edit, v)) return false;
        *target = ToIn(v);
    }
    return true;
}

bool LayoutEngine::ReadLayoutInputs() {
    auto& f = Form;
    auto& d = Def;
    float v = 0;
    auto angle = [&](Edit& e, float& target) {
        if (!ReadInputValue(e, v)) return false;
        target = v;
        return true;
    };
    auto length = [&](Edit& e, float& target) {
        if (!ReadInputValue(e, v)) return false;
        target = ToIn(v);
        return true;
    };
    if (!angle(f.ConeTopAngle, d.TopAngle) || !angle(f.BottomAngle, d.BottomAngle) ||
        !length(f.ConeTopDiameter, d.TopDiameter) ||
        !length(f.ConeBottomDiameter, d.BottomDiameter) || !length(f.ConeHeight, d.ConeHeight) ||
        !length(f.ConeTopXShift, d.TopShift) || !angle(f.SideAngle, d.SideAngle) ||
        !length(f.SideLength, d.SideLength) || !length(f.TopEllipseWidth, d.TopEllipseWidth) ||
        !length(f.BottomEllipseWidth, d.BottomEllipseWidth))
        return false;
    // The definition keeps half of the typed overlap.
    if (!ReadInputValue(f.Overlap, v)) return false;
    d.Overlap = ToIn(v / 2);
    if (!length(f.SheetWidth, d.SheetWidth) || !length(f.SheetHeight, d.SheetHeight) ||
        !length(f.XClearenceEdit, d.XClearance) || !length(f.YClearenceEdit, d.YClearance) ||
        !length(f.TopCutWidthEdit, d.TopCutWidth) ||
        !length(f.BottomCutWidthEdit, d.BottomCutWidth) || !length(f.SquareWidth, d.SquareWidth))
        return false;
    // An empty or zero length takes the width, and the edit shows the width's text.
    if (f.SquareLength.text.empty()) {
        d.SquareLength = d.SquareWidth;
    } else {
        if (!length(f.SquareLength, d.SquareLength)) return false;
        if (d.SquareLength == 0) {
            d.SquareLength = d.SquareWidth;
            f.SquareLength.text = f.SquareWidth.text;
        }
    }
    if (!angle(f.SquareTopAngle, d.SquareTopAngle) ||
        !length(f.SquareTopXShift, d.SquareTopXShift) ||
        !length(f.SquareTopYShift, d.SquareTopYShift) || !length(f.SquareHeight, d.SquareHeight) ||
        !length(f.SquareTopDiameter, d.SquareTopDiameter))
        return false;
    d.SeamAngle = static_cast<int>(f.SeamSpinBox.value);
    d.BendsPerCorner = ParseInteger(f.NumberOfBendsLabel.text, 4);
    if (!length(f.ThicknessEdit, d.MaterialThickness)) return false;
    d.ThicknessSide = f.CheckedRadioTag("DimensionsFrom", kMiddle);
    brevant::ApplyThicknessCompensation(d);
    return true;
}

} // namespace brevant
