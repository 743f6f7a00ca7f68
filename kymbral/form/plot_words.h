#pragma once

#include <string>

#include "lock_model.h"

// What the plots show now, in the words a student learns from, for readers
// who cannot see them.

// The line shape: how many lines, narrow or broad, and how tall beside the
// line that a perfectly shimmed sample gives (`tallest`).
std::string LineShapeWords(const BinTable& bins, double tallest);
// The field along the sample: flat, sloping or curved.
std::string FieldWords(const PanelTrace& panel);
// The lock trace's height on its graph.
std::string LockTraceWords(double traceHeight);
// The FID so far: its length and how far it has decayed (T2 in seconds).
std::string FidWords(double elapsed, double t2);
