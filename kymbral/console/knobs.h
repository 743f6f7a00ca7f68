#pragma once

#include "kymbral.h"

// A release over knob `index`: the left button steps its setting down, the right
// button up; then every value label is rewritten and the views redrawn.
void KeyIn_MouseUp(Kymbral& k, int index, int button);
