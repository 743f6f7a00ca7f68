#pragma once

#include "kymbral.h"

// Whether the tick must begin a new scan before it plots.
bool ScanIsOver(const SimulatorState& s);

// Reads the sample, applies the pulse and redraws the spectrum scaled by it.
// Refuses, with a message and the acquisition stopped, sample or acquisition
// values the arithmetic cannot take; returns whether the scan started.
bool StartScan(Kymbral& k);
