// TCadCalc: status texts and the expression evaluator.
#include "core/expression.h"
#include "geometry/cad_calc.h"

namespace brevant {

std::string_view TCadCalc::CalcErr(int index) const {
    return brevant::CalcErr(index);
}

double TCadCalc::Parse(std::string_view s) const {
    return EvaluateExpression(s).value;
}

} // namespace brevant
