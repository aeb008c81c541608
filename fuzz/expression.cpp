// Fuzz target for the expression evaluator: any text gives an allowed status and a finite
// value, which is 0 for every status but plain and formula.
#include "core/expression.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(const brevant::ExprResult& r) {
    const bool success = r.status == brevant::kExprPlain || r.status == brevant::kExprFormula;
    const bool failure =
        r.status == brevant::kExprSyntaxError || r.status == brevant::kExprPlainArithError ||
        r.status == brevant::kExprFormulaArithError || r.status == brevant::kExprEmpty;
    if (!success && !failure) std::abort();
    if (!std::isfinite(r.value)) std::abort();
    if (failure && r.value != 0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    brevant::ExpressionEvaluator evaluator;
    Check(evaluator.Evaluate(text));
    Check(evaluator.Evaluate(text, ','));
    // A second run on the same object must give the same answer.
    const brevant::ExprResult a = evaluator.Evaluate(text);
    const brevant::ExprResult b = brevant::EvaluateExpression(text);
    if (a.status != b.status || a.value != b.value) std::abort();
    return 0;
}
