#pragma once

#include "kymbral.h"

// Stops the acquisition clock, recomputes the field, line shape and lock level
// from the whole state and redraws every view that shows them, in full.
void UpdateViews(Kymbral& k);
