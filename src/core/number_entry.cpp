// Reading numbers out of the input edits through the expression evaluator.
#include "core/number_entry.h"

#include "core/expression.h"
#include "core/messages.h"
#include "core/number_format.h"

#include <cmath>

namespace brevant {

namespace {
std::string CommasToPoints(std::string s) {
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}
} // namespace

bool ReadInputValue(Edit& edit, float& value, char sep, INotices& notices) {
    edit.text = NormalizeDecimalSeparator(edit.text, sep);
    const std::string typed = CommasToPoints(edit.text);
    const ExprResult r = EvaluateExpression(typed, sep);
    if (r.status == kExprFormula) edit.text = FormatValue(r.value, sep);
    if (r.status == kExprSyntaxError) {
        notices.ShowMessageDialog(std::string(kMsgBadNumberIn) + edit.name, typed);
        return false;
    }
    const bool valueless = r.status == kExprPlainArithError || r.status == kExprFormulaArithError ||
                           r.status == kExprEmpty;
    value = valueless ? 0.0f : static_cast<float>(r.value);
    return true;
}

float ReadCommittedValue(Edit& edit, char sep, INotices& notices) {
    const std::string text = edit.text.empty() ? std::string("0") : edit.text;
    const ExprResult r = EvaluateExpression(CommasToPoints(text), sep);
    if (r.status == kExprSyntaxError || r.status == kExprPlainArithError) {
        notices.ShowMessageDialog(std::string(kMsgBadNumberInCommit) + edit.name, text);
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

float EffectiveSegmentAngle(Edit& segmentAngleEdit, char sep, INotices& notices) {
    const float a = ReadCommittedValue(segmentAngleEdit, sep, notices);
    return (a < 0 || a > 350) ? 0.0f : a;
}

std::string ConvertedLengthText(const std::string& text, double factor, char sep) {
    if (factor == 1) return text;
    const ExprResult r = EvaluateExpression(text, sep);
    if (r.status != kExprPlain && r.status != kExprFormula) return text;
    return FormatGeneral(r.value * factor, sep);
}

} // namespace brevant
