#pragma once

#include <chrono>

#include "clock.h"

// Seconds since the last midnight before the program started, counted on the
// monotonic clock: it keeps rising past midnight and never jumps with the wall clock.
class SteadyClock : public Clock {
  public:
    SteadyClock();
    // Reads `secondsAtStart` at the instant `start`, and counts on from there.
    SteadyClock(double secondsAtStart, std::chrono::steady_clock::time_point start);
    float Now() override;

  private:
    double secondsAtStart_;
    std::chrono::steady_clock::time_point start_;
};
