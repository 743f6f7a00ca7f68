#include "main_form_controls.h"

MainFormControls ControlsOf(const MainForm& f) {
    MainFormControls c;
    c.labels = {&f.ShimYLabel,  &f.ShimXLabel, &f.Label6,  &f.Label17,     &f.Label16,
                &f.Label15,     &f.Label14,    &f.Label7,  &f.Angle1Label, &f.Label19,
                &f.Angle2Label, &f.Label20,    &f.Label1,  &f.Label3,      &f.Label2,
                &f.Label0,      &f.Label4,     &f.Label13, &f.Info,        &f.Info2,
                &f.SpinLabel,   &f.Label18,    &f.LockFID, &f.MxLabel,     &f.TimeLabel,
                &f.Label8,      &f.Label5,     &f.Label10, &f.Label11,     &f.Label12};
    for (const Label& label : f.ShimLabel) c.labels.push_back(&label);
    c.buttons = {&f.Restart,      &f.Simulator,      &f.Insert, &f.Eject,        &f.GradientShim,
                 &f.SpinOn,       &f.SpinOff,        &f.Walkup, &f.ScrambleEasy, &f.Scramble,
                 &f.ScrambleHard, &f.SampleScramble, &f.Help};
    for (const Button& knob : f.KeyIn) c.buttons.push_back(&knob);
    c.textBoxes = {&f.KeyboardInput, &f.PW90Value, &f.T1Value, &f.T2Value};
    c.pictures = {&f.PlotPeakShape, &f.PlotBField, &f.PlotFID};
    c.lines = {&f.Nucleus2Nxy, &f.Nucleus1Nxy, &f.Nucleus2N, &f.Nucleus1N, &f.Nucleus1xy,
               &f.Nucleus2xy,  &f.Nucleus2,    &f.Nucleus1,  &f.Line2,     &f.Line1,
               &f.Line4,       &f.Line3,       &f.LockLine1, &f.LockLine2};
    c.shapes = {&f.Shape8, &f.Shape7, &f.Shape2, &f.NMRTube, &f.Shape10, &f.Shape9,
                &f.Shape6, &f.Shape5, &f.Shape4, &f.Shape3,  &f.Shape1};
    return c;
}
