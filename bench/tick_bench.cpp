// The acquisition tick handler alone, near the start and near the end of a 30 s scan.
#include <benchmark/benchmark.h>

#include "measured_steps.h"

static void BM_Timer1Tick(benchmark::State& bench) {
    TickStep step(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        step.Tick();
        bench.PauseTiming();
        step.KeepPlotSize();
        bench.ResumeTiming();
    }
    bench.counters["fid_points"] = static_cast<double>(step.FidPoints());
}
BENCHMARK(BM_Timer1Tick)->Arg(100)->Arg(29900)->ArgName("ms_into_scan");
