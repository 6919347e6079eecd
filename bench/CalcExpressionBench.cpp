// Evaluations per second of typical field contents; every keystroke in a numeric field costs one.
#include <benchmark/benchmark.h>

#include <string>

#include "expr/CalcExpression.h"

namespace {

void EvaluateText(benchmark::State& state, const std::string& text) {
    for (auto _ : state) benchmark::DoNotOptimize(mw::CalcExpression(text));
    state.SetItemsProcessed(state.iterations());
}

// A long statistics-line style expression of about 90 characters.
const char kLongExpression[] =
    "(1500+20)*6000/2+sqrt(16)*pow(2,10)-mod(7,3)+2sin(30)+floor(-2.5)*abs(0-3)+12.5x4/2-log(100)";

}  // namespace

BENCHMARK_CAPTURE(EvaluateText, Product, std::string("2*500"));
BENCHMARK_CAPTURE(EvaluateText, Brackets, std::string("(1500+20)*6000"));
BENCHMARK_CAPTURE(EvaluateText, Functions, std::string("2sin(30)+sqrt(16)"));
BENCHMARK_CAPTURE(EvaluateText, Long, std::string(kLongExpression));
