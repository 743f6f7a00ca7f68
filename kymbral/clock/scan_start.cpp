#include "scan_start.h"

#include <cmath>
#include <optional>
#include <string>

#include "numtext.h"

namespace {

struct Sample {
    double T1, T2, PW90;
};

Sample ReadSample(const MainForm& f) {
    return {ReadNumber(f.T1Value.text), ReadNumber(f.T2Value.text), ReadNumber(f.PW90Value.text)};
}

double FlipAngle(const SimulatorState& s, double pw90) {
    return (s.Pi / 2) * s.pw / pw90;
}

// What is wrong with the values a scan needs, if anything.
std::optional<std::string> Unusable(const Sample& sample, const SimulatorState& s) {
    auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!std::isfinite(sample.PW90) || sample.PW90 == 0)
        return "PW90 must be a finite number other than 0.";
    if (!positive(sample.T1)) return "T1 must be a finite number greater than 0.";
    if (!positive(sample.T2)) return "T2 must be a finite number greater than 0.";
    if (!positive(s.at)) return "at must be a finite number greater than 0.";
    if (!std::isfinite(s.pw)) return "pw must be a finite number.";
    // The flip angle itself must be finite, not only the ratio it scales.
    if (!std::isfinite(FlipAngle(s, sample.PW90))) return "pw is too large for this PW90.";
    return std::nullopt;
}

void StopWithMessage(Kymbral& k, const std::string& message) {
    k.form.Timer1.enabled = false;
    k.form.Restart.caption = "GA";
    k.messages.Show(kymbral::kProgramName, message);
}

// Nucleus 1 always; nucleus 2 (the last four bars) only when asked.
void ShowNuclei(MainForm& f, bool second) {
    auto bars = NucleusBars(f);
    for (std::size_t i = 0; i < bars.size(); ++i) bars[i]->visible = i < 4 || second;
}

// The spectrum as the pulse excites it; segments between two negative bins are left out.
void DrawExcitedSpectrum(Kymbral& k) {
    const SimulatorState& s = k.state;
    PictureBox& view = k.form.PlotPeakShape;
    view.Clear();
    for (int j = 1; j <= 100; ++j) {
        if (s.PanelBins[j] < 0 && s.PanelBins[j - 1] < 0) continue;
        view.Line((j - 1) / 10.0 - 5, 2 * s.PulseMxy * s.SpectrumBins[j - 1] - 3, j / 10.0 - 5,
                  2 * s.PulseMxy * s.SpectrumBins[j] - 3, colours::White);
    }
}

}  // namespace

bool ScanIsOver(const SimulatorState& s) {
    // Before any scan the sample record is empty; an endless acquisition time would
    // never end the scan: either way only a scan start can check the values.
    return s.ScanElapsed > s.at || !std::isfinite(s.at) || s.T2 <= 0;
}

bool ScanValuesUsable(Kymbral& k) {
    auto problem = Unusable(ReadSample(k.form), k.state);
    if (problem) StopWithMessage(k, *problem);
    return !problem;
}

bool StartScan(Kymbral& k) {
    SimulatorState& s = k.state;
    MainForm& f = k.form;
    if (!ScanValuesUsable(k)) return false;
    Sample sample = ReadSample(f);
    s.T1 = sample.T1;
    s.T2 = sample.T2;
    ShowNuclei(f, s.T2 < 1000);
    f.PlotFID.scale.width = s.at;
    f.PlotFID.Clear();
    s.PW90 = sample.PW90;

    double theta = FlipAngle(s, s.PW90);
    double m0 = std::cos(theta);
    s.PulseMxy = std::sin(theta);
    DrawExcitedSpectrum(k);
    s.T1Offset = m0 < 1 ? -s.T1 * std::log((1 - m0) / 2) : 1000;
    s.T2Offset = std::abs(s.PulseMxy) > 0 ? -s.T2 * std::log(std::abs(s.PulseMxy)) : 1000;
    s.PrecessionPhase = s.PulseMxy > 0 ? 0 : s.Pi;
    s.ScanStart = k.clock.Now();
    return true;
}
