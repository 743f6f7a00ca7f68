#include "update_views.h"

#include <cmath>

#include "form_load.h"
#include "lock_model.h"

namespace {

constexpr double kDialPivotX = 3840, kDialPivotY = 7200, kDialRadius = 768;

void HideNuclei(MainForm& f) {
    for (LineFigure* line : NucleusBars(f)) line->visible = false;
}

// The single view spans -5..5 both ways; the shim map -15..15, a three by three grid.
void SetViewScales(MainForm& f, bool singleView) {
    double half = singleView ? 5 : 15;
    for (PictureBox* view : {&f.PlotPeakShape, &f.PlotBField}) {
        view->scale = {.left = -half, .top = half, .width = 2 * half, .height = -2 * half};
    }
    if (singleView) return;
    for (double g : {-15.0, -5.0, 5.0, 15.0}) {
        for (PictureBox* view : {&f.PlotPeakShape, &f.PlotBField}) {
            view->Line(g, -15, g, 15, colours::DarkGrey);
            view->Line(-15, g, 15, g, colours::DarkGrey);
        }
    }
}

// The field along the sample, bottom of the sample at the bottom of the panel.
void DrawField(PictureBox& view, const PanelTrace& panel) {
    double px = 10.0 * panel.column, py = 10.0 * panel.row;
    for (int k = 2; k <= kFieldPoints; ++k) {
        view.Line(px + panel.field[k - 1], py + (k - 1) / 10.0 - 5, px + panel.field[k],
                  py + k / 10.0 - 5, colours::White);
    }
}

// The line shape over a baseline two units above the panel's bottom; bin 50 at the centre.
void DrawLineShape(PictureBox& view, const PanelTrace& panel) {
    double px = 10.0 * panel.column, py = 10.0 * panel.row;
    for (int i = 1; i <= kLineShapeBins; ++i) {
        double x1 = px + (i - 1) / 10.0 - 5, x2 = px + i / 10.0 - 5;
        if (panel.signal[i]) {
            view.Line(x1, py + 2 * panel.bins[i - 1] - 3, x2, py + 2 * panel.bins[i] - 3,
                      colours::White);
        } else {
            view.Line(x1, py - 3, x2, py - 3, colours::White);
        }
    }
}

// A lead-in at zero, then a cosine whose frequency grows with the peak's distance
// from the lock frequency: flat at height L on resonance.
void DrawLockTrace(PictureBox& view, const LockModel& model) {
    double height = model.traceHeight;
    double detuning = (model.peakBin - kLockBin) / 50.0;
    view.Line(0, 0, 5, 0, colours::White);
    view.Line(5, 0, 5, height * std::cos(detuning), colours::White);
    for (int i = 5; i <= 29; ++i) {
        view.Line(i, height * std::cos((i - 5) * detuning), i + 1,
                  height * std::cos((i - 4) * detuning), colours::White);
    }
}

void TurnDial(Kymbral& k, const LockModel& model) {
    MainForm& f = k.form;
    if (model.lockSum >= kSaturatedLockSum) {
        f.Info.caption = "100";  // off the dial: the hands stay where they were
        return;
    }
    double theta = -2 * model.lockSum * k.state.Pi / 150;
    f.LockLine1.x2 = kDialPivotX + kDialRadius * std::sin(theta);
    f.LockLine1.y2 = kDialPivotY + kDialRadius * std::cos(theta);
    f.LockLine2.x2 = kDialPivotX + kDialRadius * std::sin(10 * theta);
    f.LockLine2.y2 = kDialPivotY + kDialRadius * std::cos(10 * theta);
    f.Info.caption = model.levelText;
}

}  // namespace

void UpdateViews(Kymbral& k) {
    MainForm& f = k.form;
    f.Timer1.enabled = false;
    f.LockFID.caption = kLockGraphTitle;
    f.PlotFID.scale.width = 30;
    f.PlotFID.Clear();
    f.PlotBField.Clear();
    f.PlotPeakShape.Clear();
    HideNuclei(f);
    SetViewScales(f, f.ShimXLabel.caption == kSingleViewCaption);

    LockModel model = ComputeLockModel(k.state, SampleInserted(f), f.ShimXLabel.caption);
    for (const PanelTrace& panel : model.panels) {
        DrawField(f.PlotBField, panel);
        DrawLineShape(f.PlotPeakShape, panel);
    }
    StoreLineShapes(k.state, model);

    DrawLockTrace(f.PlotFID, model);
    TurnDial(k, model);
    f.Info2.caption = f.Info.caption;
}
