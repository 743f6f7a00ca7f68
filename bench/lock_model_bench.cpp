// One full recompute of the field, line shape and lock level over the nine panels.
#include <benchmark/benchmark.h>

#include "fake_clock.h"
#include "fake_waiter.h"
#include "form_load.h"
#include "lock_model.h"
#include "recording_messages.h"

static void BM_ComputeLockModel(benchmark::State& bench) {
    FakeClock clock;
    RecordingMessages messages;
    FakeWaiter waiter(clock);
    Kymbral k(clock, messages, waiter);
    Form_Load(k);
    k.state.Z1Offset = 0.03f;
    for (auto _ : bench) {
        LockModel model = ComputeLockModel(k.state, true, "Z1");
        StoreLineShapes(k.state, model);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_ComputeLockModel);
