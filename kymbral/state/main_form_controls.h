#pragma once

#include <type_traits>

#include "main_form.h"

// Whether a control that ForEachControl visits (decltype of it) is a Kind.
template <class Kind, class Control>
inline constexpr bool kIsA = std::is_same_v<std::remove_cvref_t<Control>, Kind>;

// Every control of the main window, written once, for any view and any check
// that must miss none. `visit` is called with each control in turn (Form is
// MainForm or const MainForm). The painted ones come first, in stacking
// order: shapes, then lines, then labels, so that the panel Shape1 lies under
// LockFID, the tube under the magnet's outlines, the axes under the nuclei and
// the meter's hands under Info. Then the windowed controls (and Label9, which
// lies inside a picture box), then the timer.
template <class Form, class Visit>
void ForEachControl(Form& f, Visit&& visit) {
    for (auto* shape : {&f.Shape1, &f.NMRTube, &f.Shape8, &f.Shape7, &f.Shape2, &f.Shape10,
                        &f.Shape9, &f.Shape3, &f.Shape4, &f.Shape5, &f.Shape6}) {
        visit(*shape);
    }
    for (auto* line : {&f.Line1, &f.Line2, &f.Line3, &f.Line4, &f.Nucleus1, &f.Nucleus1N,
                       &f.Nucleus1xy, &f.Nucleus1Nxy, &f.Nucleus2, &f.Nucleus2N, &f.Nucleus2xy,
                       &f.Nucleus2Nxy, &f.LockLine1, &f.LockLine2}) {
        visit(*line);
    }
    for (auto* label :
         {&f.ShimYLabel, &f.ShimXLabel, &f.Label6,      &f.Label17, &f.Label16,     &f.Label15,
          &f.Label14,    &f.Label7,     &f.Angle1Label, &f.Label19, &f.Angle2Label, &f.Label20,
          &f.Label1,     &f.Label3,     &f.Label2,      &f.Label0,  &f.Label4,      &f.Label13,
          &f.Info,       &f.Info2,      &f.SpinLabel,   &f.Label18, &f.LockFID,     &f.MxLabel,
          &f.TimeLabel,  &f.Label8,     &f.Label5,      &f.Label10, &f.Label11,     &f.Label12}) {
        visit(*label);
    }
    for (auto& label : f.ShimLabel) visit(label);
    visit(f.KeyboardInput);
    for (auto* picture : {&f.PlotPeakShape, &f.PlotBField, &f.PlotFID}) visit(*picture);
    auto label9 = Inside(f.Label9, f.PlotPeakShape);
    visit(label9);
    for (auto* button :
         {&f.Restart, &f.Simulator, &f.Insert, &f.Eject, &f.GradientShim, &f.SpinOn, &f.SpinOff,
          &f.Walkup, &f.ScrambleEasy, &f.Scramble, &f.ScrambleHard, &f.SampleScramble, &f.Help}) {
        visit(*button);
    }
    for (auto& knob : f.KeyIn) visit(knob);
    visit(f.AutoGainCheck);
    visit(f.ParametersListBox);
    for (auto* box : {&f.PW90Value, &f.T1Value, &f.T2Value}) visit(*box);
    visit(f.Timer1);
}
