// Handlers of the main window's inputs: edit commits, spin boxes, thickness and radio buttons.
#include "core/expression.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"

#include <cmath>

namespace brevant {

namespace {

// The field a committed edit with this tag stores into: the chosen kind's field of the tag,
// else the first other kind's; nullptr for a tag without a field.
const EngineField* CommitField(const LayoutEngine& e, int tag) {
    if (tag == 0) return nullptr;
    const EngineField* other = nullptr;
    for (const EngineField& f : e.Fields()) {
        if (f.Field->tag != tag) continue;
        if (f.Kind && f.Kind == e.CurrentKind()) return &f;
        if (!other) other = &f;
    }
    return other;
}

} // namespace

void LayoutEngine::ConeHeightChange(Edit& edit) {
    if (Drv.BusyFlag) return;
    ShowStatus("");
    const EngineField* field = CommitField(*this, edit.InputTag);
    if (!field || (field->Field->flags & kFieldNoCommit)) return;
    const float v = ReadCommittedValue(edit);
    float& target = *std::get<float*>(TargetOf(*field));
    if (field->Field->flags & kFieldRawCommit) {
        // Evaluated directly: no message, no clamping.
        target =
            static_cast<float>(EvaluateExpression(edit.text, App.LocaleDecimalSeparator).value);
        edit.text = FormatValue(target);
        return;
    }
    target = field->Field->kind == FieldKind::Angle ? v : ToIn(v);
    edit.text = FormatValue(v);
}

void LayoutEngine::BendConeSpinBoxChange() {
    if (Drv.BusyFlag) return;
    DispatchCalculation(true);
    if (EffectiveBends() < 4)
        Form.BendAngleLabel.text = kNoValue;
    else
        ShowBendAngle();
}

void LayoutEngine::ShowBendAngle() {
    const int n = EffectiveBends();
    if (n < 4) return;
    // The angle of the kind whose page shows.
    const int page = CurrentInputPage();
    const std::optional<double> angle =
        page >= 0 && page < KindCount() ? Kind(page).BendAngle(n) : 360.0 / (n + 1);
    if (!angle) return; // the kind leaves the label alone
    std::string text = FormatFixed(*angle, 1, App.LocaleDecimalSeparator);
    if (text.size() < 8) text.insert(0, 8 - text.size(), ' ');
    Form.BendAngleLabel.text = text;
}

void LayoutEngine::SeamSpinBoxChange() {
    if (Drv.BusyFlag) return;
    // The seam belongs to the kind whose field the spin box is; it calculates at once.
    for (const EngineField& f : fields_)
        if (f.Kind && f.Field->control == std::string_view("SeamSpinBox")) {
            for (int i = 0; i < KindCount(); ++i)
                if (&Kind(i) == f.Kind) CalculateKind(i, false);
            return;
        }
}

void LayoutEngine::ThicknessEditChange() {
    if (Drv.FormReady) DispatchCalculation(true);
}

void LayoutEngine::MiddleRadioChange(RadioButton& button) {
    Form.CheckRadio(button);
    Material.Side = button.tag;
}

void LayoutEngine::ClearMenuClick() {
    ClearLayoutInputs(LayoutType());
}

bool LayoutEngine::IsInputPageEdit(const Edit& e) const {
    const auto& edits = Form.Edits();
    for (const EngineField& f : fields_)
        if (IsInputPageField(*f.Field) && edits.at(f.Field->control) == &e) return true;
    return false;
}

void LayoutEngine::EditCommitted(Edit& edit) {
    edit.fontColor = kColorBlack; // what the user typed is given
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
