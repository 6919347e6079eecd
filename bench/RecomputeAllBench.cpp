// What one change of unit system, decimals or density costs: every calculator recomputed.
#include <benchmark/benchmark.h>

#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

void BM_RecomputeAll(benchmark::State& state) {
    MainWindowFixture f;
    f.Start();
    f.pageSurface.Type(IDC_PLATE1_LENGTH, "(1500+20)*6");
    f.pageSurface.Type(IDC_ANGLE_LENGTH, "6000");
    for (auto _ : state) f.dlg.RecomputeAll();
}
BENCHMARK(BM_RecomputeAll)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mw
