// The whole redraw routine with its display lists, in the single view and the shim map.
#include <benchmark/benchmark.h>

#include "eject_insert.h"
#include "shim_axis.h"
#include "started_kymbral.h"
#include "update_views.h"

static void BM_UpdateViews(benchmark::State& bench) {
    StartedKymbral started;
    Kymbral& k = started.k;
    Insert_Click(k);
    if (bench.range(0) == 1) ShimXLabel_Click(k);
    for (auto _ : bench) {
        UpdateViews(k);
        benchmark::DoNotOptimize(k.form.PlotPeakShape.strokes.data());
    }
}
BENCHMARK(BM_UpdateViews)->Arg(0)->ArgName("shimMap");
BENCHMARK(BM_UpdateViews)->Arg(1)->ArgName("shimMap");
