#include "timer_tick.h"

#include <cmath>

#include "animation.h"
#include "numtext.h"
#include "scan_start.h"

void Timer1_Timer(Kymbral& k) {
    SimulatorState& s = k.state;
    MainForm& f = k.form;
    if (ScanIsOver(s) && !StartScan(k)) return;

    s.ScanElapsed = k.clock.Now() - s.ScanStart;
    double t = s.ScanElapsed;
    double mxy = std::exp(-(t + s.T2Offset) / s.T2);
    double mz = 1 - 2 * std::exp(-(t + s.T1Offset) / s.T1);

    NucleiX x = AnimateNuclei(k, mz, mxy);
    f.PlotFID.PSet(t, (x.x1 + x.x2) / 2, colours::White);
    f.TimeLabel.caption = FixedText(std::floor(10 * t + 0.5) / 10, 1);
    f.MxLabel.caption = FixedText((x.x1 + x.x2) / 1000, 2);
    AdvancePrecession(k);
}
