#pragma once

#include "simulator_state.h"

// Axial coordinate of basis point i: -1 at point 0, 0 at point 50, +1 at point 100.
inline double PointHeight(int point) {
    return (point - 50) / 50.0;
}

// Stores the five on-axis shim shapes (Z0..Z4) of one point in columns 0..4.
void FillShimBasisPoint(ShimBasisTable& basis, int point);
