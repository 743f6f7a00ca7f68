#include "animation.h"

#include <cmath>

#include "numtext.h"

namespace {

constexpr double kLength = 500;
constexpr double kCentreX = 13920, kSideCentreY = 1320, kTopCentreY = 3960;

void SetLine(LineFigure& line, double x1, double x2, double y1, double y2) {
    line.x1 = x1;
    line.x2 = x2;
    line.y1 = y1;
    line.y2 = y2;
}

// One nucleus as a bar through the centres of the side view (x, z) and the top view (x, y);
// the N figures are the bars' opposite halves.
struct NucleusBars {
    LineFigure& side;
    LineFigure& sideN;
    LineFigure& top;
    LineFigure& topN;
};

void PlaceBars(const NucleusBars& bars, double x, double y, double z) {
    SetLine(bars.side, kCentreX, kCentreX + x, kSideCentreY, kSideCentreY - z);
    SetLine(bars.sideN, kCentreX, kCentreX - x, kSideCentreY, kSideCentreY + z);
    SetLine(bars.top, kCentreX, kCentreX + x, kTopCentreY, kTopCentreY - y);
    SetLine(bars.topN, kCentreX, kCentreX - x, kTopCentreY, kTopCentreY + y);
}

std::string WholeDegrees(double radians, double pi) {
    return IntegerText(static_cast<long long>(std::floor(radians * 180 / pi)));
}

}  // namespace

double ArcCos(double x) {
    if (!(x > -1 && x < 1)) return 0;
    return std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}

NucleiX AnimateNuclei(Kymbral& k, double mz, double mxy) {
    SimulatorState& s = k.state;
    MainForm& f = k.form;
    s.TiltAngle = mz == 1 ? 0 : ArcCos(mz);
    s.DephaseAngle = mxy == 0 ? s.Pi / 2 : ArcCos(mxy);
    f.Angle1Label.caption = WholeDegrees(s.TiltAngle, s.Pi);
    f.Angle2Label.caption = WholeDegrees(2 * s.DephaseAngle, s.Pi);

    double radius = kLength * std::sin(s.TiltAngle), z = kLength * std::cos(s.TiltAngle);
    double a1 = s.PrecessionPhase - s.DephaseAngle, a2 = s.PrecessionPhase + s.DephaseAngle;
    NucleiX x{radius * std::cos(a1), radius * std::cos(a2)};
    PlaceBars({f.Nucleus1, f.Nucleus1N, f.Nucleus1xy, f.Nucleus1Nxy}, x.x1, radius * std::sin(a1),
              z);
    PlaceBars({f.Nucleus2, f.Nucleus2N, f.Nucleus2xy, f.Nucleus2Nxy}, x.x2, radius * std::sin(a2),
              z);
    return x;
}

void AdvancePrecession(Kymbral& k) {
    k.state.PrecessionPhase += k.state.FrameStep;
}
