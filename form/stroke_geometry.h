#pragma once

#include <optional>

#include "picture_box.h"

// Where a picture box stroke falls on a drawing area of a given size, in
// whole pixels. Plain arithmetic, kept apart from the painting.

struct PixelSpot {
    int x = 0;
    int y = 0;
    bool operator==(const PixelSpot&) const = default;
};

struct PixelSegment {
    PixelSpot from;
    PixelSpot to;
    bool operator==(const PixelSegment&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The drawing area of a picture box: its rectangle on whole pixels, as the
// views place it, less the sunken border.
PixelSize DrawingArea(const PictureBox& picture);

// Maps the stroke through its own user scale: the scale's span covers the
// area's pixels 0 .. size-1. The segment is cut to the area (with a pixel to
// spare), so coordinates far off the scale still draw the visible part. Empty
// when nothing of the stroke is visible or its numbers are not finite.
std::optional<PixelSegment> MapStroke(const Stroke& stroke, int areaWidth, int areaHeight);
