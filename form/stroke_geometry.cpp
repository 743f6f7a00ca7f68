#include "stroke_geometry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

struct Point {
    double x;
    double y;
};

Point ToArea(double x, double y, const UserScale& scale, int areaWidth, int areaHeight) {
    return {(x - scale.left) / scale.width * areaWidth,
            (y - scale.top) / scale.height * areaHeight};
}

bool Finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Moves an end that lies beyond a bound onto it, along the segment towards the
// other end. The cut coordinate becomes the bound itself, so that huge ends
// lose no precision on that axis.
void CutX(Point& end, Point other, double bound) {
    end.y += (bound - end.x) * ((other.y - end.y) / (other.x - end.x));
    end.x = bound;
}

void CutY(Point& end, Point other, double bound) {
    end.x += (bound - end.y) * ((other.x - end.x) / (other.y - end.y));
    end.y = bound;
}

bool BothBelow(double a, double b, double low) {
    return a < low && b < low;
}
bool BothAbove(double a, double b, double high) {
    return a > high && b > high;
}

// Cuts the segment to low <= x <= highX, low <= y <= highY; false when it misses.
// Both ends lie in the x range after the first pass, so the second pass moves
// them along a segment that stays inside it.
bool Clip(Point& a, Point& b, double low, double highX, double highY) {
    if (BothBelow(a.x, b.x, low) || BothAbove(a.x, b.x, highX)) return false;
    for (auto [end, other] : {std::pair{&a, b}, std::pair{&b, a}}) {
        if (end->x < low) CutX(*end, other, low);
        if (end->x > highX) CutX(*end, other, highX);
    }
    if (BothBelow(a.y, b.y, low) || BothAbove(a.y, b.y, highY)) return false;
    for (auto [end, other] : {std::pair{&a, b}, std::pair{&b, a}}) {
        if (end->y < low) CutY(*end, other, low);
        if (end->y > highY) CutY(*end, other, highY);
    }
    return true;
}

// The clamp only guards the conversion against rounding error of huge inputs.
PixelSpot Spot(Point p, int areaWidth, int areaHeight) {
    auto pixel = [](double value, int size) {
        return static_cast<int>(std::floor(std::clamp(value, -2.0, size + 2.0)));
    };
    return {pixel(p.x, areaWidth), pixel(p.y, areaHeight)};
}

}  // namespace

PixelSize DrawingArea(const PictureBox& picture) {
    auto pixels = [](int twips) {
        return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
    };
    auto span = [&](int start, int length) { return pixels(start + length) - pixels(start); };
    int border = picture.sunkenBorder ? 2 * kPictureBorderTwips / kTwipsPerPixel : 0;
    return {span(picture.rect.left, picture.rect.width) - border,
            span(picture.rect.top, picture.rect.height) - border};
}

std::optional<PixelSegment> MapStroke(const Stroke& stroke, int areaWidth, int areaHeight) {
    Point from = ToArea(stroke.x1, stroke.y1, stroke.scale, areaWidth, areaHeight);
    Point to = ToArea(stroke.x2, stroke.y2, stroke.scale, areaWidth, areaHeight);
    if (!Finite(from) || !Finite(to)) return std::nullopt;
    constexpr double kSpare = 1;
    if (!Clip(from, to, -kSpare, areaWidth + kSpare, areaHeight + kSpare)) return std::nullopt;
    // Ends that were huge apart can still make the cut points not finite.
    if (!Finite(from) || !Finite(to)) return std::nullopt;
    return PixelSegment{Spot(from, areaWidth, areaHeight), Spot(to, areaWidth, areaHeight)};
}
