#pragma once

#include <array>

#include "controls.h"

inline constexpr int kKnobCount = 8;

// The controls of the simulator's main window, named as the handlers know them.
// Some state lives here and is read back: the view mode is ShimXLabel's caption,
// the sample position is NMRTube's top.
struct MainForm {
    // Top row: command line and spectrum
    TextBox KeyboardInput;
    PictureBox PlotPeakShape;
    Label Label9;  // inside PlotPeakShape, below its visible area
    Label ShimYLabel;
    Label ShimXLabel;

    // Top row: sample and magnet
    ShapeFigure Shape8, Shape7, Shape2, NMRTube, Shape10, Shape9;

    // Top row: spinning nuclei
    Label Label6, Label17, Label16, Label15, Label14, Label7;
    Label Angle1Label, Label19, Angle2Label, Label20;
    Button Restart;
    Button Simulator;
    LineFigure Nucleus2Nxy, Nucleus1Nxy, Nucleus2N, Nucleus1N;
    LineFigure Nucleus1xy, Nucleus2xy, Nucleus2, Nucleus1;
    LineFigure Line2, Line1, Line4, Line3;
    ShapeFigure Shape6, Shape5, Shape4, Shape3;

    // Top row: magnetic field
    PictureBox PlotBField;
    Label Label1, Label3, Label2, Label0, Label4, Label13;

    Timer Timer1;

    // Middle row: console mock-up
    Button Insert;
    Button Eject;
    Button GradientShim;
    std::array<Button, kKnobCount> KeyIn;
    std::array<Label, kKnobCount> ShimLabel;
    Label Info;
    Label Info2;
    Button SpinOn;
    Button SpinOff;
    Label SpinLabel;
    Button Walkup;
    Label Label18;
    CheckBox AutoGainCheck;
    Button ScrambleEasy;
    Button Scramble;
    Button ScrambleHard;
    Label LockFID;
    ListBox ParametersListBox;
    PictureBox PlotFID;
    Label MxLabel;
    Label TimeLabel;
    Label Label8;
    ShapeFigure Shape1;
    LineFigure LockLine1;
    LineFigure LockLine2;

    // Bottom row: sample properties
    Label Label5;
    Button SampleScramble;
    Label Label10;
    TextBox PW90Value;
    Label Label11;
    TextBox T1Value;
    Label Label12;
    TextBox T2Value;
    Button Help;
};

// The spinning-nuclei bars: nucleus 1's four, then nucleus 2's.
inline std::array<LineFigure*, 8> NucleusBars(MainForm& f) {
    return {&f.Nucleus1, &f.Nucleus1xy, &f.Nucleus1N, &f.Nucleus1Nxy,
            &f.Nucleus2, &f.Nucleus2xy, &f.Nucleus2N, &f.Nucleus2Nxy};
}

inline constexpr int kTubeEjectedTop = 1500;
inline constexpr int kTubeInsertedTop = 3500;

// The only record of the sample's position is the tube figure's top.
inline bool SampleInserted(const MainForm& form) {
    return form.NMRTube.rect.top == kTubeInsertedTop;
}
