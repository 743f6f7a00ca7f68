#pragma once

#include "kymbral.h"

// The window became active: draw every view from the state.
void Form_Activate(Kymbral& k);
