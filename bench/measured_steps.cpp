#include "measured_steps.h"

#include "acquisition_buttons.h"
#include "lock_model.h"
#include "timer_tick.h"

LockModelStep::LockModelStep() {
    started_.k.state.Z1Offset = 0.03f;
}

void LockModelStep::Run() {
    SimulatorState& state = started_.k.state;
    StoreLineShapes(state, ComputeLockModel(state, true, "Z1"));
}

TickStep::TickStep(int msIntoScan) {
    Kymbral& k = started_.k;
    Restart_Click(k);
    Timer1_Timer(k);  // starts the scan
    const float scanStart = started_.clock.Now();
    for (int i = 0; i < msIntoScan / 10; ++i) {  // the points a scan has drawn by then
        started_.clock.Set(scanStart + i * 0.01f);
        Timer1_Timer(k);
    }
    tickTime_ = scanStart + static_cast<float>(msIntoScan) / 1000;
    drawn_ = FidPoints();
}

void TickStep::Tick() {
    started_.clock.Set(tickTime_);
    Timer1_Timer(started_.k);
}

void TickStep::KeepPlotSize() {
    auto& strokes = started_.k.form.PlotFID.strokes;
    if (strokes.size() > drawn_ + 100) strokes.resize(drawn_);
}
