#pragma once

#include <array>
#include <string>
#include <string_view>

#include "simulator_state.h"

inline constexpr int kFieldPoints = 100;    // heights 1..100 along the sample
inline constexpr int kLineShapeBins = 100;  // bins 0..100 are used
inline constexpr int kLockBin = 50;         // the lock frequency
inline constexpr double kSaturatedLockSum = 15;
inline constexpr double kMaxTraceHeight = 850;

// One panel of the shim map: row and column in -1..1, the field at each height,
// the panel's line shape and which line-shape segments carry signal.
struct PanelTrace {
    int row = 0;
    int column = 0;
    std::array<double, kFieldPoints + 1> field{};   // F(1..100); F(0) unused
    std::array<double, kLineShapeBins + 1> bins{};  // PanelBins 0..100
    std::array<bool, kLineShapeBins + 1> signal{};  // segment (i-1, i), i = 1..100
};

// Everything the field, lock and spectrum views show, computed from the settings.
struct LockModel {
    double amplitude = 0;  // A, the lock-signal amplitude
    std::array<PanelTrace, 9> panels;
    BinTable spectrumBins;   // the centre panel's line shape, where it carried signal
    int peakBin = 0;         // P, as left by the last panel
    double lockSum = 0;      // S, no longer negative
    double traceHeight = 0;  // L, at most 850
    std::string levelText;   // the lock level as the student reads it
};

// The inputs besides the settings: whether the sample is in the magnet and the
// caption of the shim-axis selector, which names the shim varied across columns.
LockModel ComputeLockModel(const SimulatorState& state, bool sampleInserted,
                           std::string_view shimAxisCaption);

// Leaves the last panel's line shape and the spectrum in the state, for the clock.
void StoreLineShapes(SimulatorState& state, const LockModel& model);
