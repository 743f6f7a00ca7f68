#pragma once

#include "kymbral.h"

// Hides the sample properties behind random values, or shows them again.
void SampleScramble_Click(Kymbral& k);
