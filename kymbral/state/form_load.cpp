#include "form_load.h"

#include <cmath>

#include "knob_settings.h"
#include "parameter_lines.h"
#include "shim_basis.h"

void Form_Load(Kymbral& k) {
    SimulatorState& s = k.state;
    MainForm& f = k.form;

    s.Pi = 4 * std::atan(1.0);
    s.CR = std::string(1, '\r');
    s.LockGain = 20;
    s.LockPower = 20;

    f.Info.caption = "Please Wait. Setting up.";
    for (int i = 0; i < kShimPoints; ++i) {
        f.Info.caption += ".";
        FillShimBasisPoint(s.ShimBasis, i);
    }

    f.ShimXLabel.caption = kSingleViewCaption;
    f.ShimYLabel.visible = false;

    s.Z0 = 50;
    s.Z1 = 0;
    s.Z2 = 0;
    s.LockPhase = 140;

    for (int i = 0; i < kParameterCount; ++i) s.ParamLines[i] = kStartupParameterLines[i];
    for (int i = 0; i < kParameterCount; ++i) f.ParametersListBox.AddItem(s.ParamLines[i]);
    ParseParameterLines(s);

    s.FrameStep = 0.1;
    s.ScanElapsed = k.clock.Now() + 30;
    f.Info.caption = "Ready";

    // The value labels show the settings from the start, not a layout's guess.
    WriteShimLabels(k);
}
