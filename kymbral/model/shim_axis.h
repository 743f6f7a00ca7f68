#pragma once

#include "kymbral.h"

// The axis title under the spectrum steps the views through the single view and
// the shim map of Z1..Z4; the row label beside it only redraws.
void ShimXLabel_Click(Kymbral& k);
void ShimYLabel_Click(Kymbral& k);
