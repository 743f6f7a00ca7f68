#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kymbral_invariants.h"
#include "soak_run.h"
#include "started_kymbral.h"

// Drives the simulator with random events over every handler the window
// binds, as the window would deliver them: hostile text typed before a
// command, knobs near the ends of their range, the clock moved forward, not
// at all, back and across midnight between ticks. Checks the window after each.
class KymbralDriver {
  public:
    explicit KymbralDriver(std::uint64_t seed);
    std::vector<std::string> Step(std::string& what);

    StartedKymbral app;
    // Every kind of event and how often it ran.
    std::vector<std::string> kinds;
    std::vector<std::uint64_t> counts;

  private:
    struct Event {
        int weight;
        std::function<int(std::string& what)> run;  // gives the number of ticks
    };
    friend struct SoakView;
    void Add(std::string kind, int weight, std::function<int(std::string&)> run);
    int Tick(const std::function<void()>& tick, std::string& what);
    void NearLimit(std::int16_t& setting);
    int TypeSample(std::string& what);

    SoakRandom random_;
    std::vector<Event> events_;
    int totalWeight_ = 0;
    KymbralInvariants invariants_;
};
