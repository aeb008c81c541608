// Benchmarks of the expression evaluator on the kinds of text typed into number fields.
#include "core/expression.h"

#include <benchmark/benchmark.h>

namespace {

void Evaluate(benchmark::State& state, const char* text) {
    brevant::ExpressionEvaluator evaluator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.Evaluate(text));
    }
}

void EvaluateFresh(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(brevant::EvaluateExpression(text));
    }
}

} // namespace

BENCHMARK_CAPTURE(Evaluate, PlainNumber, "12.5");
BENCHMARK_CAPTURE(Evaluate, Exponent, "2.54E+1");
BENCHMARK_CAPTURE(Evaluate, Fraction, "1/8");
BENCHMARK_CAPTURE(Evaluate, Formula, "2*3.25+0.5-(1.75/2)*4");
BENCHMARK_CAPTURE(Evaluate, Functions, "10*TAN(15)+SQRT(2)*COS(30)-LN(EXP(1.5))");
BENCHMARK_CAPTURE(Evaluate, SyntaxError, "2e3+SIN 30");
BENCHMARK_CAPTURE(EvaluateFresh, PlainNumber, "12.5");
BENCHMARK_CAPTURE(EvaluateFresh, Formula, "2*3.25+0.5-(1.75/2)*4");
