#pragma once

#include "kymbral.h"

// With the sample in: shows a gradient pulse, waits five seconds, then sets
// Z1..Z4 to cancel their hidden errors and redraws. Without it: only clears
// the spectrum.
void GradientShim_Click(Kymbral& k);
