#include "plot_words.h"

#include <algorithm>
#include <cmath>

namespace {

// Lines closer than this many bins are one line, its grain aside.
constexpr int kLineGap = 2;
// A line as wide as this, at half its height, is still narrow.
constexpr int kNarrowBins = 3;
// A field that spans less than this many bins of the line shape is flat.
constexpr double kFlatBins = 1;
// A field that keeps closer than this share of its span to a straight line slopes.
constexpr double kStraightShare = 0.25;
constexpr double kBinsPerFieldUnit = 50;  // as the line shape bins the field

std::string Percent(double share) {
    return std::to_string(static_cast<int>(std::lround(100 * share))) + " %";
}

std::string LinesWord(int lines, int width) {
    if (lines == 1) return width <= kNarrowBins ? "One narrow line" : "One broad line";
    if (lines == 2) return "A line split in two";
    return "A line split into " + std::to_string(lines);
}

}  // namespace

std::string LineShapeWords(const BinTable& bins, double tallest) {
    double peak = 0;
    for (int i = 0; i <= kLineShapeBins; ++i) peak = std::max(peak, std::abs(bins[i]));
    if (peak == 0 || tallest <= 0) return "No line: no signal";
    int lines = 0;
    int first = -1;
    int last = -kLineGap - 2;
    for (int i = 0; i <= kLineShapeBins; ++i) {
        if (std::abs(bins[i]) < peak / 2) continue;
        if (i - last > kLineGap + 1) ++lines;
        if (first < 0) first = i;
        last = i;
    }
    return LinesWord(lines, last - first + 1) + ", " + Percent(std::min(1.0, peak / tallest)) +
           " as tall as the line of a perfectly shimmed sample";
}

std::string FieldWords(const PanelTrace& panel) {
    const auto& f = panel.field;
    auto [low, high] = std::minmax_element(f.begin() + 1, f.end());
    double span = *high - *low;
    if (span * kBinsPerFieldUnit < kFlatBins) return "Flat along the sample";
    // How far the field strays from the straight line between its ends.
    double stray = 0;
    for (int k = 1; k <= kFieldPoints; ++k) {
        double straight = f[1] + (f[kFieldPoints] - f[1]) * (k - 1) / (kFieldPoints - 1);
        stray = std::max(stray, std::abs(f[k] - straight));
    }
    if (stray < kStraightShare * span) {
        return f[kFieldPoints] > f[1] ? "Sloping, rising along the sample"
                                      : "Sloping, falling along the sample";
    }
    return "Curved along the sample";
}

std::string LockTraceWords(double traceHeight) {
    return "The lock trace at " + Percent(std::clamp(traceHeight / kMaxTraceHeight, 0.0, 1.0)) +
           " of the graph's height";
}

std::string FidWords(double elapsed, double t2) {
    double left = t2 > 0 ? std::exp(-std::max(0.0, elapsed) / t2) : 0;
    std::string decay = left > 0.75   ? "still strong"
                        : left > 0.25 ? "decaying"
                        : left > 0.05 ? "mostly decayed"
                                      : "decayed";
    return "The FID, " + std::to_string(static_cast<int>(std::max(0.0, elapsed))) +
           " s so far: " + decay;
}
