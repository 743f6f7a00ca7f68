#include "lock_model.h"

#include <cmath>
#include <cstdint>

#include "numtext.h"

namespace {

constexpr std::array<const char*, 5> kShimNames = {"Z0", "Z1", "Z2", "Z3", "Z4"};

double LockAmplitude(const SimulatorState& s) {
    // Wide arithmetic: any pair of 16-bit settings is summed or multiplied safely.
    std::int32_t phase = std::int32_t{s.LockPhaseOffset} + s.LockPhase - 140;
    std::int32_t gainPower = std::int32_t{s.LockPower} * s.LockGain;
    return std::cos(phase * s.Pi / 180) * gainPower / 20000;
}

std::array<double, 5> PanelCoefficients(const SimulatorState& s, int column,
                                        std::string_view shimAxisCaption) {
    std::array<std::int16_t, 5> settings = {s.Z0, s.Z1, s.Z2, s.Z3, s.Z4};
    std::array<double, 5> coefficients{};
    for (std::size_t n = 0; n < settings.size(); ++n) {
        bool varied = n > 0 && shimAxisCaption == kShimNames[n];
        coefficients[n] = (settings[n] + (varied ? column : 0)) / 100.0;
    }
    return coefficients;
}

void ComputeField(const SimulatorState& s, const std::array<double, 5>& coefficients,
                  PanelTrace& panel) {
    std::array<double, 5> offsets = {s.Z0Offset, s.Z1Offset, s.Z2Offset, s.Z3Offset, s.Z4Offset};
    std::array<double, 5> weights{};
    for (std::size_t j = 0; j < weights.size(); ++j) weights[j] = offsets[j] + coefficients[j];
    for (int k = 1; k <= kFieldPoints; ++k) {
        double f = 0;
        for (int j = 0; j < 5; ++j) f += s.ShimBasis(j, k) * weights[j];
        panel.field[k] = f;
    }
}

// Point 1 is drawn but not counted; points outside bins 0..100 count nowhere.
void CountLineShape(double amplitude, PanelTrace& panel) {
    for (int k = 2; k <= kFieldPoints; ++k) {
        double position = (panel.field[k] + 0.5) * 50;
        // For a position in [0, 101) truncation is the floor, and cheaper.
        if (position >= 0 && position < kLineShapeBins + 1) {
            panel.bins[static_cast<int>(position)] += amplitude;
        }
    }
}

// The peak bin carries over from panel to panel; only the centre panel feeds the spectrum.
void FindPeak(bool sampleInserted, bool centre, PanelTrace& panel, LockModel& model) {
    double highest = 0;
    for (int i = 1; i <= kLineShapeBins; ++i) {
        bool signal = sampleInserted && (panel.bins[i] >= 0 || panel.bins[i - 1] >= 0);
        panel.signal[i] = signal;
        if (!signal) {
            model.peakBin = kLockBin;
            continue;
        }
        if (panel.bins[i] > highest) {
            highest = panel.bins[i];
            model.peakBin = i;
        }
        if (centre) model.spectrumBins[i] = panel.bins[i];
    }
}

void ComputeLockLevel(bool sampleInserted, LockModel& model) {
    const BinTable& b = model.spectrumBins;
    double sum = sampleInserted ? b[48] + 2 * b[49] + 4 * b[50] + 2 * b[51] + b[52] : 0;
    double height = sampleInserted ? 100 + 50 * sum : 0;
    model.traceHeight = height > kMaxTraceHeight ? kMaxTraceHeight : height;
    model.lockSum = sum < 0 ? 0 : sum;
    model.levelText = model.lockSum < kSaturatedLockSum
                          ? DecimalText(std::floor(model.lockSum * 672 + 0.5) / 100)
                          : "100";
}

}  // namespace

LockModel ComputeLockModel(const SimulatorState& state, bool sampleInserted,
                           std::string_view shimAxisCaption) {
    LockModel model;
    model.amplitude = LockAmplitude(state);
    model.spectrumBins = state.SpectrumBins;
    std::size_t index = 0;
    for (int row = -1; row <= 1; ++row) {
        for (int column = -1; column <= 1; ++column) {
            PanelTrace& panel = model.panels[index++];
            panel.row = row;
            panel.column = column;
            ComputeField(state, PanelCoefficients(state, column, shimAxisCaption), panel);
            CountLineShape(model.amplitude, panel);
            FindPeak(sampleInserted, row == 0 && column == 0, panel, model);
        }
    }
    ComputeLockLevel(sampleInserted, model);
    return model;
}

void StoreLineShapes(SimulatorState& state, const LockModel& model) {
    const PanelTrace& last = model.panels.back();
    for (int i = 0; i <= kLineShapeBins; ++i) state.PanelBins[i] = last.bins[i];
    state.SpectrumBins = model.spectrumBins;
}
