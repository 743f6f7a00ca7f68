#pragma once

#include <vector>

#include "main_form.h"

// Every control of the simulator's main window, by kind, so that a check over
// all captions or all drawings misses none.
struct MainFormControls {
    std::vector<const Label*> labels;
    std::vector<const Button*> buttons;
    std::vector<const TextBox*> textBoxes;
    std::vector<const PictureBox*> pictures;
    std::vector<const LineFigure*> lines;
    std::vector<const ShapeFigure*> shapes;
};

MainFormControls ControlsOf(const MainForm& f);
