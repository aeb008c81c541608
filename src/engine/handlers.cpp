// Handlers of the main window's inputs: edit commits, spin boxes, thickness and radio buttons.
#include "core/expression.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"
#include "core/messages.h"

namespace brevant {

void LayoutEngine::ConeHeightChange(Edit& edit) {
    if (Drv.BusyFlag) return;
    ShowStatus("");
    const int tag = edit.InputTag;
    if (tag == 0 || tag == 20) return;
    const float v = ReadCommittedValue(edit);
    const bool square = CurrentInputPage() == kSquarePage;
    auto& d = Def;
    std::string shown = FormatValue(v);
    switch (tag) {
    case 1:
        (square ? d.SquareHeight : d.ConeHeight) = ToIn(v);
        break;
    case 2:
        (square ? d.SquareTopDiameter : d.TopDiameter) = ToIn(v);
        break;
    case 3: {
        float& a = square ? d.SquareTopAngle : d.TopAngle;
        a = v;
        shown = FormatValue(a);
        break;
    }
    case 4:
        d.BottomDiameter = ToIn(v);
        break;
    case 5:
        d.BottomAngle = v;
        break;
    case 7:
        d.TopEllipseWidth = ToIn(v);
        break;
    case 8:
        d.BottomEllipseWidth = ToIn(v);
        break;
    case 9:
        d.SideLength = ToIn(v);
        break;
    case 10: {
        // The side angle is evaluated directly: no message, no clamping.
        const double a = EvaluateExpression(edit.text, App.LocaleDecimalSeparator).value;
        d.SideAngle = static_cast<float>(a);
        shown = FormatValue(d.SideAngle);
        break;
    }
    case 16:
        d.SquareWidth = ToIn(v);
        break;
    case 17:
        d.SquareLength = ToIn(v);
        break;
    case 18:
        (square ? d.SquareTopXShift : d.TopShift) = ToIn(v);
        break;
    case 19:
        d.SquareTopYShift = ToIn(v);
        break;
    default:
        return;
    }
    edit.text = shown;
}

void LayoutEngine::BendConeSpinBoxChange() {
    if (Drv.BusyFlag) return;
    const int n = EffectiveBends();
    DispatchCalculation(true);
    if (n < 4) {
        Form.BendAngleLabel.text = kNoValue;
        return;
    }
    double angle = 0;
    if (CurrentInputPage() == kSquarePage)
        angle = 360.0 / (4.0 * n);
    else if (Def.IsCylinder || !Cone.IsObliqueCone)
        angle = 360.0 / (n + 1);
    else
        return; // an oblique cone leaves the label alone
    std::string text = FormatFixed(angle, 1, App.LocaleDecimalSeparator);
    if (text.size() < 8) text.insert(0, 8 - text.size(), ' ');
    Form.BendAngleLabel.text = text;
}

void LayoutEngine::SeamSpinBoxChange() {
    if (Drv.BusyFlag) return;
    CalculateCone(false);
}

void LayoutEngine::ThicknessEditChange() {
    if (Drv.FormReady) DispatchCalculation(true);
}

void LayoutEngine::MiddleRadioChange(RadioButton& button) {
    Form.CheckRadio(button);
    Def.ThicknessSide = button.tag;
}

void LayoutEngine::ClearMenuClick() {
    ClearLayoutInputs(LayoutType());
}

bool LayoutEngine::IsInputPageEdit(const Edit& e) const {
    const auto& f = Form;
    for (const Edit* p :
         {&f.ConeTopDiameter, &f.ConeBottomDiameter, &f.ConeHeight,        &f.SideAngle,
          &f.SideLength,      &f.ConeTopXShift,      &f.ConeTopAngle,      &f.BottomAngle,
          &f.TopEllipseWidth, &f.BottomEllipseWidth, &f.SquareTopDiameter, &f.SquareWidth,
          &f.SquareLength,    &f.SquareHeight,       &f.SquareTopXShift,   &f.SquareTopYShift,
          &f.SquareTopAngle,  &f.SpiralODEdit,       &f.SpiralIDEdit,      &f.SpiralPitchEdit,
          &f.BigPipeDiaEdit,  &f.SmallPipeDiaEdit,   &f.PipeOffsetEdit})
        if (p == &e) return true;
    return false;
}

void LayoutEngine::EditCommitted(Edit& edit) {
    if (&edit == &Form.ThicknessEdit)
        ThicknessEditChange();
    else if (IsInputPageEdit(edit))
        ConeHeightChange(edit);
}

void LayoutEngine::SpinBoxChanged(SpinBox& spin) {
    if (&spin == &Form.SeamSpinBox) SeamSpinBoxChange();
    if (&spin == &Form.BendConeSpinBox) BendConeSpinBoxChange();
}

} // namespace brevant
