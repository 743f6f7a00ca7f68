#pragma once

#include "key_codes.h"
#include "kymbral.h"

// On Enter: runs the typed command ("name=value" edits a parameter line, "ga"
// starts an acquisition; anything else is accepted silently) and empties the box.
void KeyboardInput_KeyUp(Kymbral& k, int keyCode);
