// The arithmetic of the expression evaluator: operators and functions with their error rules.
// Every routine returns no value on an arithmetic error, and never a NaN or an infinity.
#pragma once

#include "core/expression.h"

#include <optional>

namespace brevant {

// Largest magnitude of a natural exponent that EXP and "^" accept.
inline constexpr double kEvaluatorExpLimit = 88;
// Largest magnitude ROUND and TRUNC accept, and the largest SQR accepts.
inline constexpr double kEvaluatorIntegerLimit = 1e9;
inline constexpr double kEvaluatorSquareLimit = 1e18;

std::optional<double> ExprAdd(double a, double b);
std::optional<double> ExprSubtract(double a, double b);
std::optional<double> ExprMultiply(double a, double b);
// b = 0 is an error.
std::optional<double> ExprDivide(double a, double b);
// a <= 0 is an error, and so is ln(a) * b outside [-88, 88].
std::optional<double> ExprPower(double a, double b);
std::optional<double> ExprApply(ExprFunction function, double x);

} // namespace brevant
