#pragma once

#include <array>
#include <cstdint>
#include <string>

// A line-shape histogram over bins -100..100; only bins 0..100 are used.
struct BinTable {
    std::array<double, 201> values{};
    double& operator[](int bin) { return values[static_cast<std::size_t>(bin + 100)]; }
    double operator[](int bin) const { return values[static_cast<std::size_t>(bin + 100)]; }
};

inline constexpr int kShimColumns = 13;
inline constexpr int kShimPoints = 101;

// Each shim's field shape at 101 points along the sample axis, column first.
struct ShimBasisTable {
    std::array<std::array<double, kShimPoints>, kShimColumns> values{};
    double& operator()(int column, int point) {
        return values[static_cast<std::size_t>(column)][static_cast<std::size_t>(point)];
    }
    double operator()(int column, int point) const {
        return values[static_cast<std::size_t>(column)][static_cast<std::size_t>(point)];
    }
};

inline constexpr int kParamLineCount = 16;

// All state of the simulator. Fields take their start-up values in Form_Load;
// the values here are those before it runs.
struct SimulatorState {
    double Pi = 0;
    BinTable PanelBins;
    BinTable SpectrumBins;
    ShimBasisTable ShimBasis;
    std::int16_t LockGain = 0;
    std::int16_t LockPower = 0;
    std::int16_t LockPhase = 0;
    std::int16_t Z0 = 0;
    std::int16_t Z1 = 0;
    std::int16_t Z2 = 0;
    std::int16_t Z3 = 0;
    std::int16_t Z4 = 0;
    std::int16_t LockPhaseOffset = 0;
    float Z0Offset = 0;
    float Z1Offset = 0;
    float Z2Offset = 0;
    float Z3Offset = 0;
    float Z4Offset = 0;
    std::array<std::string, kParamLineCount> ParamLines;
    double PrecessionPhase = 0;
    double TiltAngle = 0;
    double DephaseAngle = 0;
    float ScanStart = 0;
    float ScanElapsed = 0;
    double T1 = 0;
    double T2 = 0;
    double PW90 = 0;
    double T1Offset = 0;
    double T2Offset = 0;
    double sfrq = 0;
    std::string tn;
    double at = 0;
    double tpwr = 0;
    double pw = 0;
    double d1 = 0;
    double nt = 0;
    double ct = 0;
    double dfrq = 0;
    std::string dn;
    std::string dm;
    double p1 = 0;
    double PulseMxy = 0;
    double FrameStep = 0;
    float ScrambleStartTime = 0;
    std::string CR;
};
