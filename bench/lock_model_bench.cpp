// One full recompute of the field, line shape and lock level over the nine panels.
#include <benchmark/benchmark.h>

#include "measured_steps.h"

static void BM_ComputeLockModel(benchmark::State& bench) {
    LockModelStep step;
    for (auto _ : bench) step.Run();
}
BENCHMARK(BM_ComputeLockModel);
