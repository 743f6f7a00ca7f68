#include "acquisition_buttons.h"

#include "scan_start.h"

void Restart_Click(Kymbral& k) {
    MainForm& f = k.form;
    bool start = f.Restart.caption == "GA";
    // A scan that cannot start leaves no trace: no caption, title or tick of its own.
    if (start && !ScanValuesUsable(k)) return;
    f.Restart.caption = start ? "Abort" : "GA";
    f.LockFID.caption = "FID";
    // A scan start of 0 makes the scan in progress look over, so a fresh one begins.
    if (start) k.state.ScanStart = 0;
    f.Timer1.enabled = start;
}

void Simulator_Click(Kymbral& k) {
    Button& frame = k.form.Simulator;
    bool toLaboratory = frame.caption == "Rotating";
    frame.caption = toLaboratory ? "Non-Rotating" : "Rotating";
    k.state.FrameStep = toLaboratory ? 0.1 : 0;
}
