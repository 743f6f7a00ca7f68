#pragma once

#include <random>
#include <span>

#include "kymbral_invariants.h"
#include "kymbral_world.h"

// Drives the simulator with random events over every handler, as its window
// would deliver them, and checks the window after each one.
class KymbralDriver {
  public:
    explicit KymbralDriver(std::uint64_t seed);
    EventOutcome Step();

  private:
    const KymbralEvent& Choose();
    void CheckSampleBoxes(EventOutcome& out);
    void CheckMessages(const Snapshot& before, EventOutcome& out) const;

    KymbralWorld world_;
    std::span<const KymbralEvent> events_;
    std::discrete_distribution<std::size_t> choice_;
    KymbralInvariants invariants_;
};
