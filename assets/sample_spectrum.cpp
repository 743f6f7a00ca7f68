#include "sample_spectrum.h"

#include <array>
#include <cmath>
#include <numbers>

#include "plot_kit.h"

namespace sample {

namespace {

struct Line {
    double ppm;
    double height;
};

// Coupling of the ethyl group, 7.1 Hz at 400 MHz.
constexpr double kJ = 7.1 / 400.0;

constexpr std::array kLines{
    Line{7.26, 0.08},  // CHCl3 left in the solvent
    Line{4.12 + 1.5 * kJ, 0.083},
    Line{4.12 + 0.5 * kJ, 0.25},  // OCH2 quartet
    Line{4.12 - 0.5 * kJ, 0.25},
    Line{4.12 - 1.5 * kJ, 0.083},
    Line{2.05, 1.0},  // acetyl CH3
    Line{1.26 + kJ, 0.25},
    Line{1.26, 0.5},  // ethyl CH3 triplet
    Line{1.26 - kJ, 0.25},
    Line{0.0, 0.3},  // TMS
};

constexpr std::array kRegions{Region{4.22, 4.02, "2.00"}, Region{2.12, 1.98, "3.01"},
                              Region{1.34, 1.18, "3.04"}};

double Lorentz(double ppm, double centre, double width) {
    const double d = (ppm - centre) / width;
    return 1.0 / (1.0 + d * d);
}

double LorentzArea(double from, double to, double centre, double width) {
    return width * (std::atan((from - centre) / width) - std::atan((to - centre) / width));
}

// A poor line carries a broad satellite on its high-field side.
constexpr double kShoulderOffset = 0.03;

}  // namespace

double Spectrum(double ppm, const Lineshape& shape) {
    double sum = 0;
    for (const Line& line : kLines) {
        const double centre = line.ppm + shape.shift;
        sum += line.height * Lorentz(ppm, centre, shape.width);
        sum +=
            line.height * shape.shoulder * Lorentz(ppm, centre - kShoulderOffset, 2 * shape.width);
        for (double side : {-kSidebandOffset, kSidebandOffset}) {
            sum += line.height * shape.sideband * Lorentz(ppm, centre + side, shape.width);
        }
    }
    return sum + shape.noise * kit::Noise(std::round(ppm * 250.0));
}

double Area(double from, double to, const Lineshape& shape) {
    double sum = 0;
    for (const Line& line : kLines) {
        sum += line.height * LorentzArea(from, to, line.ppm + shape.shift, shape.width);
    }
    return sum;
}

double Fid(double seconds, double noise) {
    constexpr std::array<std::array<double, 3>, 4> kComponents{
        {{0.45, 6.0, 0.0}, {0.30, 17.5, 1.1}, {0.15, 29.0, 2.3}, {0.10, 41.0, 0.6}}};
    double sum = 0;
    for (const auto& [amplitude, hertz, phase] : kComponents) {
        sum += amplitude * std::cos(2 * std::numbers::pi * hertz * seconds + phase);
    }
    return std::exp(-seconds / 0.8) * sum + noise * kit::Noise(seconds * 5000.0);
}

std::span<const Region> IntegralRegions() {
    return kRegions;
}

}  // namespace sample
