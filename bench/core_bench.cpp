// The lock-model recompute and the tick handler timed by a plain loop, so that
// one program measures them natively and as WebAssembly under Node.js, where
// Google Benchmark is not at hand. Prints one line per step: name, microseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "measured_steps.h"

namespace {

// The fastest of five runs, each long enough (0.2 s) for the clock's grain not to
// matter: on a shared machine the other programs only ever add time.
template <class Step>
double MicrosecondsPerCall(Step step) {
    using Clock = std::chrono::steady_clock;
    long calls = 1;
    auto run = [&] {
        const auto start = Clock::now();
        for (long i = 0; i < calls; ++i) step();
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
    };
    while (run() * calls < 200'000) calls *= 2;
    double fastest = run();
    for (int i = 0; i < 4; ++i) fastest = std::min(fastest, run());
    return fastest;
}

}  // namespace

int main() {
    LockModelStep lockModel;
    std::printf("lock_model_recompute %.3f\n", MicrosecondsPerCall([&] { lockModel.Run(); }));
    for (int ms : {100, 29900}) {
        TickStep tick(ms);
        double time = MicrosecondsPerCall([&] {
            tick.Tick();
            tick.KeepPlotSize();
        });
        std::printf("tick_%d_ms_into_scan %.3f\n", ms, time);
    }
}
