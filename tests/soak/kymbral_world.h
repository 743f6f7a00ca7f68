#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "kymbral_invariants.h"
#include "started_kymbral.h"

// The simulator under a soak, with what the driver remembers between events.
struct KymbralWorld {
    explicit KymbralWorld(std::uint64_t seed) : random(seed) {}

    StartedKymbral app;
    std::mt19937_64 random;
    // A run of ticks keeps one kind of clock step for its length.
    int ticksLeft = 0;
    int stepKind = 0;
    // The texts of PW90Value, T1Value and T2Value as the last event left them.
    std::array<std::string, 3> knownSample{"1", "10", "5"};
};

// The small part of the window and state that a check compares before and after.
struct Snapshot {
    std::array<std::int16_t, kKnobCount> settings{};
    std::string restart;
    std::string frame;
    bool sampleInserted = false;
    bool sampleShown = true;
    int waits = 0;
    float now = 0;
    std::size_t messages = 0;
};
Snapshot TakeSnapshot(KymbralWorld& world);

struct EventOutcome {
    std::string_view handler;  // as counted in the tally
    std::string detail;        // enough to tell what the event was given
    int ticks = 0;             // Timer1_Timer calls
    Problems problems;
};

// One kind of event as the window can deliver it: either a plain click and
// what must follow from it, or an event that chooses its own input.
struct KymbralEvent {
    std::string_view handler;
    int weight;
    bool changesSettings;
    void (*click)(Kymbral&) = nullptr;
    void (*check)(const Snapshot& before, const KymbralWorld&, EventOutcome&) = nullptr;
    void (*run)(KymbralWorld&, EventOutcome&) = nullptr;
};

inline constexpr std::size_t kClickEventCount = 13;
extern const std::array<KymbralEvent, kClickEventCount> kClickEvents;

// Every handler of the simulator; the first entry is the clock's tick.
std::span<const KymbralEvent> KymbralEvents();
