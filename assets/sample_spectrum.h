#pragma once

// The proton spectrum of the slide show's sample, ethyl acetate in CDCl3
// with TMS, as a sum of Lorentzian lines on a ppm axis.

#include <span>

namespace sample {

struct Lineshape {
    double width = 0.005;  // half width at half height, ppm
    double shoulder = 0;   // height of a misshapen satellite, relative to its line
    double sideband = 0;   // height of the spinning sidebands, relative to their line
    double noise = 0;      // noise amplitude, relative to the tallest line
    double shift = 0;      // offset of the whole spectrum, ppm
};

// Spinning sidebands lie one spinning rate (20 Hz) off each line.
inline constexpr double kSidebandOffset = 19.32 / 400.0;

double Spectrum(double ppm, const Lineshape& shape);
// Area under the lines between two positions, from -> to in falling ppm.
double Area(double from, double to, const Lineshape& shape);
// Time-domain signal whose transform is the spectrum, roughly: a few decaying
// cosines, for the FID views.
double Fid(double seconds, double noise);

struct Region {
    double from;
    double to;
    const char* value;
};

std::span<const Region> IntegralRegions();

}  // namespace sample
