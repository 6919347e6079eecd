// Readings per second of typical typed designations; every keystroke in the lookup window costs one.
#include <benchmark/benchmark.h>

#include <string>

#include "lookup/Designation.h"

namespace {

void ReadText(benchmark::State& state, const std::string& text) {
    for (auto _ : state) benchmark::DoNotOptimize(mw::ReadDesignation(text));
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK_CAPTURE(ReadText, Angle, std::string("∠50×5"));
BENCHMARK_CAPTURE(ReadText, ChannelLengthCount, std::string("[20a 6m×2"));
BENCHMARK_CAPTURE(ReadText, ChannelBare, std::string("[20"));
BENCHMARK_CAPTURE(ReadText, HWithWebFlange, std::string("HN400×200×8×13"));
BENCHMARK_CAPTURE(ReadText, IBeamWord, std::string("工20a"));
BENCHMARK_CAPTURE(ReadText, Pipe, std::string("Φ89×4"));
BENCHMARK_CAPTURE(ReadText, Plate, std::string("钢板 10×1500"));
BENCHMARK_CAPTURE(ReadText, NoSymbol, std::string("20"));
