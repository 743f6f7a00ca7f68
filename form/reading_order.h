#pragma once

#include <cstddef>
#include <vector>

#include "appearance.h"

// The order in which a reader meets the controls of a form: rows of controls
// from top to bottom, within a row its areas from left to right, and each
// area read the same way in turn. Returns the indices into `rects`.
std::vector<std::size_t> ReadingOrder(const std::vector<TwipRect>& rects);
