#pragma once

#include <array>
#include <cstdint>

#include "kymbral.h"

// The setting that knob i (and value label i) belongs to.
inline constexpr std::array<std::int16_t SimulatorState::*, kKnobCount> kKnobSettings = {
    &SimulatorState::Z0,        &SimulatorState::Z1,        &SimulatorState::Z2,
    &SimulatorState::Z3,        &SimulatorState::Z4,        &SimulatorState::LockGain,
    &SimulatorState::LockPower, &SimulatorState::LockPhase,
};

// The shim setting that cancels a hidden error, around a setting of `centre`:
// errors are whole hundredths held in single precision, so rounding never ties.
std::int16_t CancellingSetting(float error, int centre = 0);

// Sets Z1..Z4, in that order, to cancel their hidden errors.
void CancelShimErrors(SimulatorState& s);

// Rewrites value labels first..last (inclusive) from their settings.
void WriteShimLabels(Kymbral& k, int first = 0, int last = kKnobCount - 1);
