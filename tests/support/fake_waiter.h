#pragma once

#include "fake_clock.h"
#include "waiter.h"

// Waits by moving the fake clock on in small steps; counts the waits.
class FakeWaiter : public Waiter {
  public:
    explicit FakeWaiter(FakeClock& clock) : clock_(clock) {}
    void WaitUntil(const std::function<bool()>& done) override {
        ++waits;
        while (!done()) clock_.Advance(0.25f);
    }
    int waits = 0;

  private:
    FakeClock& clock_;
};
