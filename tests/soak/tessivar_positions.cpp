#include "tessivar_positions.h"

#include <array>
#include <cmath>

namespace {

constexpr double kAreaWidth = kTargetAreaWidth, kAreaHeight = kTargetAreaHeight;
constexpr double kPictureWidth = 23175, kPictureHeight = 12735;

double Between(std::mt19937_64& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

int Below(std::mt19937_64& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

// Whole twips, as the window reports them, or anywhere between.
double Inside(std::mt19937_64& random, double low, double high) {
    if (Below(random, 2) == 0) return high - 1 - Below(random, static_cast<int>(high - low) - 1);
    return Between(random, std::nextafter(low, high), high);
}

// On an edge of an interval, or the nearest double or twip beside one.
double NearEdge(std::mt19937_64& random, double low, double high) {
    double edge = Below(random, 2) == 0 ? low : high;
    const std::array<double, 5> beside = {edge, std::nextafter(edge, -1e9),
                                          std::nextafter(edge, 1e9), edge - 1, edge + 1};
    return beside[static_cast<std::size_t>(Below(random, 5))];
}

double Far(std::mt19937_64& random) {
    double magnitude = std::pow(10.0, Between(random, 5, 12));
    return Below(random, 2) == 0 ? -magnitude : magnitude;
}

}  // namespace

Position ChoosePosition(std::mt19937_64& random, const Slide& slide, bool lost) {
    double right = slide.TargetX, bottom = slide.TargetY;
    double left = right - kAreaWidth, top = bottom - kAreaHeight;
    // Aimed at the target mostly, so that the show gets through to its end.
    switch (std::discrete_distribution<int>({lost ? 0.0 : 8.0, 2, 2, 4, 4})(random)) {
        case 0:
            return {Inside(random, left, right), Inside(random, top, bottom), "target"};
        case 1:
            return {NearEdge(random, left, right), Inside(random, top, bottom), "x edge"};
        case 2:
            return {Inside(random, left, right), NearEdge(random, top, bottom), "y edge"};
        case 3:
            return {Between(random, 0, kPictureWidth), Between(random, 0, kPictureHeight),
                    "picture"};
        default:
            return {Far(random), Below(random, 2) == 0 ? Far(random) : bottom, "far"};
    }
}
