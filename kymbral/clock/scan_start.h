#pragma once

#include "kymbral.h"

// Whether the tick must begin a new scan before it plots.
bool ScanIsOver(const SimulatorState& s);

// Refuses, with a message and the acquisition stopped, sample or acquisition
// values the arithmetic cannot take; returns whether a scan can start.
bool ScanValuesUsable(Kymbral& k);

// Reads the sample, applies the pulse and redraws the spectrum scaled by it;
// returns whether the scan started (see ScanValuesUsable).
bool StartScan(Kymbral& k);
