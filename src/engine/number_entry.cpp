// Reading numbers out of the edits (through the expression evaluator) and writing them back.
#include "core/expression.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"
#include "engine/messages.h"

#include <cmath>

namespace brevant {

std::string LayoutEngine::FormatValue(double v) const {
    return brevant::FormatValue(v, App.LocaleDecimalSeparator);
}

namespace {
std::string CommasToPoints(std::string s) {
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}
} // namespace

bool LayoutEngine::ReadInputValue(Edit& edit, float& value) {
    edit.text = NormalizeDecimalSeparator(edit.text, App.LocaleDecimalSeparator);
    const std::string typed = CommasToPoints(edit.text);
    const ExprResult r = EvaluateExpression(typed, App.LocaleDecimalSeparator);
    if (r.status == kExprFormula) edit.text = FormatValue(r.value);
    if (r.status == kExprSyntaxError) {
        ShowMessageDialog(std::string(kMsgBadNumberIn) + edit.name, typed);
        return false;
    }
    const bool valueless = r.status == kExprPlainArithError || r.status == kExprFormulaArithError ||
                           r.status == kExprEmpty;
    value = valueless ? 0.0f : static_cast<float>(r.value);
    return true;
}

float LayoutEngine::ReadCommittedValue(Edit& edit) {
    const std::string text = edit.text.empty() ? std::string("0") : edit.text;
    const ExprResult r = EvaluateExpression(CommasToPoints(text), App.LocaleDecimalSeparator);
    if (r.status == kExprSyntaxError || r.status == kExprPlainArithError) {
        ShowMessageDialog(std::string(kMsgBadNumberInCommit) + edit.name, text);
        return static_cast<float>(r.value);
    }
    double v = r.value;
    if (edit.InputTag == 3 || edit.InputTag == 5 || edit.InputTag == 20) {
        v = std::fmax(-30.0, std::fmin(30.0, v));
    } else if (v < 0.01 && v != 0) {
        v = 0.01;
    }
    return static_cast<float>(v);
}

int LayoutEngine::EffectiveBends() const {
    const int n = static_cast<int>(std::trunc(Form.BendConeSpinBox.value));
    return n < 4 ? 0 : n;
}

float LayoutEngine::EffectiveSegmentAngle() {
    const float a = ReadCommittedValue(Form.SegmentAngleEdit);
    return (a < 0 || a > 350) ? 0.0f : a;
}

void LayoutEngine::UpdateUnitLabels() {
    const char* unit = UnitShortName(Units());
    for (Label* l : {&Form.UnitLabel1,  &Form.UnitLabel2,  &Form.UnitLabel3,  &Form.UnitLabel4,
                     &Form.UnitLabel5,  &Form.UnitLabel6,  &Form.UnitLabel7,  &Form.UnitLabel20,
                     &Form.UnitLabel21, &Form.UnitLabel22, &Form.UnitLabel23, &Form.UnitLabel24,
                     &Form.UnitLabel25, &Form.Label71,     &Form.Label72,     &Form.Label73,
                     &Form.Label79,     &Form.Label80,     &Form.Label81,     &Form.Label54})
        l->text = unit;
}

} // namespace brevant
