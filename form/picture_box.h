#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "appearance.h"

// A picture box's user coordinate system: the drawing area spans left..left+width
// horizontally and top..top+height vertically; a negative height makes y grow upwards.
struct UserScale {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
    bool operator==(const UserScale&) const = default;
};

enum class StrokeKind { Line, Point };

// One drawing operation, kept with the scale in force when it was drawn.
struct Stroke {
    StrokeKind kind = StrokeKind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour;
    UserScale scale;
};

// A picture box as a display list: drawing appends strokes, Clear() empties the
// list. The view paints the strokes; `clears` tells it when to start afresh.
struct PictureBox {
    std::string name;
    TwipRect rect;
    Font font;
    Colour background = colours::Window;
    bool sunkenBorder = true;
    UserScale scale;
    std::vector<Stroke> strokes;
    std::uint64_t clears = 0;
    // The image shown unscaled at the drawing area's top-left corner, under the
    // strokes: a key (a file path) that the view resolves; empty for none.
    std::string picture;
    // Each load counts, so the view reads the picture again even under the same key.
    std::uint64_t pictureLoads = 0;
    // The picture's share of its own size as shown (below 1 to shrink it).
    double pictureZoom = 1;

    void LoadPicture(std::string key, double zoom = 1) {
        picture = std::move(key);
        pictureZoom = zoom;
        ++pictureLoads;
    }
    void Clear() {
        strokes.clear();
        ++clears;
    }
    void Line(double x1, double y1, double x2, double y2, Colour colour) {
        strokes.push_back({StrokeKind::Line, x1, y1, x2, y2, colour, scale});
    }
    void PSet(double x, double y, Colour colour) {
        strokes.push_back({StrokeKind::Point, x, y, x, y, colour, scale});
    }
};

// The sunken border takes two pixels (30 twips) on every side.
inline constexpr int kPictureBorderTwips = 30;
