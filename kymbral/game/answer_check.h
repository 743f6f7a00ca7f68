#pragma once

#include "kymbral.h"

// "Read Default Shims" loads the perfectly shimmed defaults; "Answer" judges
// the game, reports the time or hints, then loads the settings that cancel the
// hidden errors.
void Walkup_Click(Kymbral& k);
