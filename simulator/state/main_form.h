#pragma once

#include "controls.h"

// The controls of the simulator's main window, named as the handlers know them.
struct MainForm {
    Label Info;
    Label ShimXLabel;
    Label ShimYLabel;
    ListBox ParametersListBox;
};
