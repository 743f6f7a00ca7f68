#pragma once

#include "kymbral.h"

inline constexpr const char* kSingleViewCaption = "Intensity versus Hz or ppm";

// Gives the state its start-up values, fills the shim basis and the parameter list.
void Form_Load(Kymbral& k);
