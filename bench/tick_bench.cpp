// The acquisition tick handler alone, near the start and near the end of a 30 s scan:
// its cost must not grow with the FID points already drawn.
#include <benchmark/benchmark.h>

#include "acquisition_buttons.h"
#include "started_kymbral.h"
#include "timer_tick.h"

static void BM_Timer1Tick(benchmark::State& bench) {
    StartedKymbral started;
    Kymbral& k = started.k;
    Restart_Click(k);
    Timer1_Timer(k);  // starts the scan
    const float scanStart = started.clock.Now();
    const float at = static_cast<float>(bench.range(0)) / 1000;
    for (int i = 0; i < bench.range(0) / 10; ++i) {  // the points a scan has drawn by then
        started.clock.Set(scanStart + i * 0.01f);
        Timer1_Timer(k);
    }
    const std::size_t drawn = k.form.PlotFID.strokes.size();
    for (auto _ : bench) {
        started.clock.Set(scanStart + at);
        Timer1_Timer(k);
        bench.PauseTiming();
        // Keep the plot at the size it has at this point of the scan.
        if (k.form.PlotFID.strokes.size() > drawn + 100) k.form.PlotFID.strokes.resize(drawn);
        bench.ResumeTiming();
    }
    bench.counters["fid_points"] = static_cast<double>(k.form.PlotFID.strokes.size());
}
BENCHMARK(BM_Timer1Tick)->Arg(100)->Arg(29900)->ArgName("ms_into_scan");
