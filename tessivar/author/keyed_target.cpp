#include "keyed_target.h"

#include <algorithm>

namespace {

constexpr int kShiftStep = 10;
constexpr TargetRect kPlaced{0, 0, 100, 30};

// One side of the target: where it starts and how long it is, in a picture
// `length` long.
struct Span {
    int start;
    int size;
};

Span Within(Span span, int length) {
    int size = std::clamp(span.size, 1, length);
    return {std::clamp(span.start, 0, length - size), size};
}

Span Keyed(Span span, int by, bool resize, int length) {
    if (resize)
        span.size = std::clamp(span.size + by, 1, length - span.start);
    else
        span.start = std::clamp(span.start + by, 0, length - span.size);
    return span;
}

Span Centred(int size, int viewStart, int viewSize, int length) {
    return Within({viewStart + viewSize / 2 - std::min(size, length) / 2, size}, length);
}

}  // namespace

std::optional<TargetRect> KeyedTarget(std::optional<TargetRect> target, TargetKey key,
                                      PictureSize picture, TargetRect inView) {
    if (picture.width <= 0 || picture.height <= 0) return std::nullopt;
    if (!target) {
        Span x = Centred(kPlaced.width, inView.left, inView.width, picture.width);
        Span y = Centred(kPlaced.height, inView.top, inView.height, picture.height);
        return TargetRect{x.start, y.start, x.size, y.size};
    }
    int step = key.shift ? kShiftStep : 1;
    int dx = key.arrow == Arrow::Left ? -step : key.arrow == Arrow::Right ? step : 0;
    int dy = key.arrow == Arrow::Up ? -step : key.arrow == Arrow::Down ? step : 0;
    Span x =
        Keyed(Within({target->left, target->width}, picture.width), dx, key.resize, picture.width);
    Span y = Keyed(Within({target->top, target->height}, picture.height), dy, key.resize,
                   picture.height);
    return TargetRect{x.start, y.start, x.size, y.size};
}

std::string TargetDescription(const std::optional<TargetRect>& target) {
    if (!target) return "No target yet";
    return "Left " + std::to_string(target->left) + ", top " + std::to_string(target->top) + ", " +
           std::to_string(target->width) + " by " + std::to_string(target->height) + " pixels";
}
