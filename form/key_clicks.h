#pragma once

#include "appearance.h"

// Keys that the views turn into the clicks the handlers already take, so that
// every control that takes a click serves without a mouse. The handlers never
// learn which device a click came from.

// The mouse button that a key on a focused knob (a button that tells the
// mouse buttons apart) stands for: Space, Enter and Down the left button, one
// step down; Up the right button, one step up; 0 for any other key.
int KnobButtonFor(int keyCode);

// One arrow key's move of the keyboard pointer; Shift moves ten times as far.
inline constexpr int kPointerStepTwips = 4 * kTwipsPerPixel;
inline constexpr int kPointerShiftSteps = 10;

struct PointerKeyResult {
    bool moved = false;
    int button = 0;  // the mouse button clicked where the pointer is; 0 for none
};

// A pointer that keys move over a picture that takes clicks, and click with.
struct KeyboardPointer {
    // Twips from the top-left corner of the picture's drawing area.
    double x = 0;
    double y = 0;
    bool placed = false;

    // Until it is placed, it waits in the middle of what is seen.
    void Place(const TwipRect& bounds);
    // Arrow keys move it, kept within `bounds` (the part of the picture that
    // is seen); Enter clicks the left button where it is, Backspace the right.
    PointerKeyResult Key(int keyCode, bool shift, const TwipRect& bounds);
};
