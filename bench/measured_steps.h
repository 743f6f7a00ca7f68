#pragma once

#include <cstddef>

#include "started_kymbral.h"

// The steps whose cost the benchmarks report, each set up as it is measured:
// Google Benchmark times them on the desktop, a plain loop in every build.

// One full recompute of the field, line shape and lock level over the nine panels.
class LockModelStep {
  public:
    LockModelStep();
    void Run();

  private:
    StartedKymbral started_;
};

// The acquisition tick handler at a fixed time into a 30 s scan: its cost must
// not grow with the FID points already drawn.
class TickStep {
  public:
    explicit TickStep(int msIntoScan);
    void Tick();
    // Keeps the plot at the size it has at that point of the scan.
    void KeepPlotSize();
    std::size_t FidPoints() const { return started_.k.form.PlotFID.strokes.size(); }

  private:
    StartedKymbral started_;
    float tickTime_ = 0;
    std::size_t drawn_ = 0;
};
