#include "gradient_shim.h"

#include <cmath>

#include "knob_settings.h"
#include "update_views.h"

namespace {

constexpr float kShimSeconds = 5;

// A sine-shaped rise, a flat top and a sine-shaped fall.
void DrawGradientPulse(PictureBox& view, double pi) {
    for (double z = -1; z <= 1; z += 0.02) {
        double s = std::sin(z * pi / 2);
        view.PSet(z - 3, 1.25 * s, colours::White);
        view.PSet(z + 3, -1.25 * s, colours::White);
    }
    view.Line(-2, 1.25, 2, 1.25, colours::White);
}

}  // namespace

void GradientShim_Click(Kymbral& k) {
    SimulatorState& s = k.state;
    MainForm& f = k.form;
    f.GradientShim.caption = "Shimming...";
    f.PlotPeakShape.Clear();
    if (SampleInserted(f)) {
        DrawGradientPulse(f.PlotPeakShape, s.Pi);
        s.ScanStart = k.clock.Now();
        k.waiter.WaitUntil([&] { return k.clock.Now() - s.ScanStart >= kShimSeconds; });
        CancelShimErrors(s);
        WriteShimLabels(k, 1, 4);
        UpdateViews(k);
    }
    f.GradientShim.caption = "Gradient Shim";
}
