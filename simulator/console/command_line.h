#pragma once

#include "kymbral.h"

inline constexpr int kEnterKey = 13;

// On Enter: runs the typed command ("name=value" edits a parameter line, "ga"
// starts an acquisition; anything else is accepted silently) and empties the box.
void KeyboardInput_KeyUp(Kymbral& k, int keyCode);
