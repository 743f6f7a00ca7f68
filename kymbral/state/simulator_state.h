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
// the values here are those before it runs. A shim knob's step is 0.01 of its
// coefficient.
struct SimulatorState {
    // Knob settings, in knob steps
    std::int16_t Z0 = 0;         // field offset; the line is centred at 50
    std::int16_t Z1 = 0;         // linear shim
    std::int16_t Z2 = 0;         // quadratic shim
    std::int16_t Z3 = 0;         // cubic shim
    std::int16_t Z4 = 0;         // quartic shim
    std::int16_t LockGain = 0;   // receiver gain of the lock channel
    std::int16_t LockPower = 0;  // transmitter power of the lock channel
    std::int16_t LockPhase = 0;  // lock receiver phase, degrees

    // Hidden errors that a game sets and the student shims away
    float Z0Offset = 0;                // field offset error, shim coefficient units
    float Z1Offset = 0;                // linear shim error, shim coefficient units
    float Z2Offset = 0;                // quadratic shim error, shim coefficient units
    float Z3Offset = 0;                // cubic shim error, shim coefficient units
    float Z4Offset = 0;                // quartic shim error, shim coefficient units
    std::int16_t LockPhaseOffset = 0;  // lock phase error, degrees
    float ScrambleStartTime = 0;       // clock reading when the game began, s
    int ScrambleLevel = 0;             // the last game's level, 1 to 3, for its report

    // Field and line shape
    double Pi = 0;             // pi, as the program computes it at start-up
    ShimBasisTable ShimBasis;  // each shim's field shape along the sample
    BinTable PanelBins;        // line shape of the last panel drawn, per bin
    BinTable SpectrumBins;     // line shape of the centre panel: the spectrum, per bin

    // Scan clock and spinning nuclei
    float ScanStart = 0;         // clock reading at the last pulse, s
    float ScanElapsed = 0;       // time since the last pulse, s
    double FrameStep = 0;        // precession per tick, rad; 0 in the rotating frame
    double PrecessionPhase = 0;  // azimuth of the nuclei, rad
    double TiltAngle = 0;        // angle of the magnetisation from the field, rad
    double DephaseAngle = 0;     // half the fan angle of the two nuclei, rad

    // Sample and pulse
    double T1 = 0;        // longitudinal relaxation time, s
    double T2 = 0;        // transverse relaxation time, s
    double PW90 = 0;      // pulse width for a 90 degree flip, us
    double PulseMxy = 0;  // transverse magnetisation just after the pulse, of M0
    double T1Offset = 0;  // start of the recovery curve that passes the pulse's Mz, s
    double T2Offset = 0;  // start of the decay curve that passes the pulse's Mxy, s

    // Experiment parameters, as the parameter list shows them
    std::array<std::string, kParamLineCount> ParamLines;  // "name   value" lines
    double sfrq = 0;                                      // observe frequency, MHz
    std::string tn;                                       // observe nucleus
    double at = 0;                                        // acquisition time, s
    double tpwr = 0;                                      // observe transmitter power, dB
    double pw = 0;                                        // pulse width, us
    double d1 = 0;                                        // relaxation delay, s
    double nt = 0;                                        // number of transients
    double ct = 0;                                        // completed transients
    double dfrq = 0;                                      // decoupler frequency, MHz
    std::string dn;                                       // decoupled nucleus
    std::string dm;                                       // decoupler mode
    double p1 = 0;                                        // first pulse width, us

    std::string CR;  // the line break of message texts
};
