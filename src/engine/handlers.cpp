// Handlers of the main window's inputs: edit commits, spin boxes, thickness and radio buttons.
#include "core/expression.h"
#include "core/input_fields.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::ConeHeightChange(Edit& edit) {
    if (Drv.BusyFlag) return;
    ShowStatus("");
    const int tag = edit.InputTag;
    if (tag == 0 || tag == kTagSquareTopAngle) return;
    const float v = ReadCommittedValue(edit);
    const InputField* field = CommitField(tag, CurrentInputPage() == kSquarePage);
    if (!field) return;
    float& target = *FloatField(Def, *field);
    if (Holds(*field, &LayoutDefinition::SideAngle)) {
        // The side angle is evaluated directly: no message, no clamping.
        target =
            static_cast<float>(EvaluateExpression(edit.text, App.LocaleDecimalSeparator).value);
        edit.text = FormatValue(target);
        return;
    }
    target = field->kind == FieldKind::Angle ? v : ToIn(v);
    edit.text = FormatValue(v);
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
    const auto& edits = Form.Edits();
    for (const InputField& f : InputFields())
        if (IsInputPageField(f) && edits.at(f.control) == &e) return true;
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
