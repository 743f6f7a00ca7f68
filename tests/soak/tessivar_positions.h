#pragma once

#include <random>

#include "slide.h"

// A mouse position in twips and where it was aimed.
struct Position {
    double x;
    double y;
    const char* where;
};

// Inside the slide's accepted area (unless the student is lost), on or just
// beside its edges, anywhere on the picture, or far off it (also at negative
// and huge coordinates).
Position ChoosePosition(std::mt19937_64& random, const Slide& slide, bool lost);
