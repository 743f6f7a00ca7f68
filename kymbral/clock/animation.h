#pragma once

#include "kymbral.h"

// The inverse cosine of the animation: 0 for every argument at or beyond
// plus or minus 1 (also for -1) and for anything that is not a number.
double ArcCos(double x);

// The mean x component of the two nuclei, in twips (-500..500): the FID.
struct NucleiX {
    double x1 = 0;
    double x2 = 0;
};

// Tilts and spreads the two nuclei from the longitudinal magnetisation mz and
// the transverse coherence mxy, writes their angles and moves the eight bars.
NucleiX AnimateNuclei(Kymbral& k, double mz, double mxy);

// The pair precesses by FrameStep each tick (0 in the rotating frame).
void AdvancePrecession(Kymbral& k);
