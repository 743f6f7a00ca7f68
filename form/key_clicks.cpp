#include "key_clicks.h"

#include <algorithm>

#include "controls.h"
#include "key_codes.h"

int KnobButtonFor(int keyCode) {
    switch (keyCode) {
        case kSpaceKey:
        case kEnterKey:
        case kDownKey:
            return kLeftButton;
        case kUpKey:
            return kRightButton;
        default:
            return 0;
    }
}

namespace {

struct Step {
    int key;
    int dx, dy;
};

constexpr Step kArrows[] = {
    {kLeftKey, -1, 0},
    {kRightKey, 1, 0},
    {kUpKey, 0, -1},
    {kDownKey, 0, 1},
};

// Where a mouse could be: on a whole pixel.
int WholePixels(int twips) {
    return twips / kTwipsPerPixel * kTwipsPerPixel;
}

double Within(double value, int start, int length) {
    // The last whole pixel inside is the farthest it goes.
    return std::clamp(value, double(start),
                      double(start + std::max(WholePixels(length) - kTwipsPerPixel, 0)));
}

}  // namespace

void KeyboardPointer::Place(const TwipRect& bounds) {
    if (placed) return;
    x = bounds.left + WholePixels(bounds.width / 2);
    y = bounds.top + WholePixels(bounds.height / 2);
    placed = true;
}

PointerKeyResult KeyboardPointer::Key(int keyCode, bool shift, const TwipRect& bounds) {
    Place(bounds);
    if (keyCode == kEnterKey) return {.button = kLeftButton};
    if (keyCode == kBackspaceKey) return {.button = kRightButton};
    for (Step step : kArrows) {
        if (step.key != keyCode) continue;
        double distance = kPointerStepTwips * (shift ? kPointerShiftSteps : 1);
        x = Within(x + step.dx * distance, bounds.left, bounds.width);
        y = Within(y + step.dy * distance, bounds.top, bounds.height);
        return {.moved = true};
    }
    return {};
}
