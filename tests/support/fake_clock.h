#pragma once

#include "clock.h"

// A clock that reads whatever the test sets.
class FakeClock : public Clock {
  public:
    explicit FakeClock(float now = 36000.0f) : now_(now) {}
    float Now() override { return now_; }
    void Set(float now) { now_ = now; }
    void Advance(float seconds) { now_ += seconds; }

  private:
    float now_;
};
