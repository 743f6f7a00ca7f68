#pragma once

#include "kymbral.h"

// The title of the FID/lock graph while it shows the lock trace.
inline constexpr const char* kLockGraphTitle = "Lock";

// Stops the acquisition clock, recomputes the field, line shape and lock level
// from the whole state and redraws every view that shows them, in full.
void UpdateViews(Kymbral& k);
