#pragma once

#include "kymbral.h"

// Explains the window and the games in one message box.
void Help_Click(Kymbral& k);
