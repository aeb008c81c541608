// Operators and functions of the expression evaluator with their arithmetic-error rules.
#include "core/expression_arithmetic.h"

#include "core/angle_units.h"

#include <cmath>

namespace brevant {
namespace {

// A result that overflowed (or is otherwise not a number) is an arithmetic error: the caller
// must never receive an infinity with a success status.
std::optional<double> Finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> NaturalExp(double x) {
    if (x < -kEvaluatorExpLimit || x > kEvaluatorExpLimit) return std::nullopt;
    return Finite(std::exp(x));
}

// Rounds to the nearest integer, halves to the even neighbour, whatever the FPU's rounding mode.
double RoundHalfEven(double x) {
    const double floor = std::floor(x);
    const double diff = x - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<double> Cotangent(double degrees) {
    // The tangent of a multiple of 180 degrees is zero (the rounded radian constant would only
    // make it tiny), so the cotangent does not exist there.
    if (std::fmod(degrees, 180.0) == 0) return std::nullopt;
    const double tangent = std::tan(degrees / kDegreesPerRadian);
    if (tangent == 0) return std::nullopt;
    return Finite(1 / tangent);
}

std::optional<double> Bounded(double x, double limit, double (*function)(double)) {
    if (x < -limit || x > limit) return std::nullopt;
    return function(x);
}

double Square(double x) {
    return x * x;
}
double Truncate(double x) {
    return std::trunc(x);
}

} // namespace

std::optional<double> ExprAdd(double a, double b) {
    return Finite(a + b);
}
std::optional<double> ExprSubtract(double a, double b) {
    return Finite(a - b);
}
std::optional<double> ExprMultiply(double a, double b) {
    return Finite(a * b);
}

std::optional<double> ExprDivide(double a, double b) {
    if (b == 0) return std::nullopt;
    return Finite(a / b);
}

std::optional<double> ExprPower(double a, double b) {
    if (a <= 0) return std::nullopt;
    return NaturalExp(std::log(a) * b);
}

std::optional<double> ExprApply(ExprFunction function, double x) {
    const double radians = x / kDegreesPerRadian;
    switch (function) {
    case ExprFunction::Abs:
        return std::fabs(x);
    case ExprFunction::Atan:
        return std::atan(x) * kDegreesPerRadian;
    case ExprFunction::Tan:
        return Finite(std::tan(radians));
    case ExprFunction::Cotan:
        return Cotangent(x);
    case ExprFunction::Cos:
        return std::cos(radians);
    case ExprFunction::Sin:
        return std::sin(radians);
    case ExprFunction::Exp:
        return NaturalExp(x);
    case ExprFunction::Ln:
        if (x <= 0) return std::nullopt;
        return std::log(x);
    case ExprFunction::Round:
        return Bounded(x, kEvaluatorIntegerLimit, RoundHalfEven);
    case ExprFunction::Trunc:
        return Bounded(x, kEvaluatorIntegerLimit, Truncate);
    case ExprFunction::Sqrt:
        if (x < 0) return std::nullopt;
        return std::sqrt(x);
    case ExprFunction::Sqr:
        return Bounded(x, kEvaluatorSquareLimit, Square);
    }
    return std::nullopt;
}

} // namespace brevant
