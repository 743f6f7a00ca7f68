#pragma once

#include "kymbral.h"

// GA starts repeated scans; Abort stops them, leaving the last drawing.
void Restart_Click(Kymbral& k);

// Switches the animation between the laboratory and the rotating frame.
void Simulator_Click(Kymbral& k);
