#pragma once

#include "kymbral.h"

// One 10 ms tick of the acquisition: starts a scan when the last one is over,
// relaxes the magnetisation, moves the nuclei and plots one FID point.
void Timer1_Timer(Kymbral& k);
