#pragma once

#include <string>

// The page's events, a struct a kind (the kinds as PageEvent names them),
// each on control number `control`, the order it was added to the form.

// A left click, or Enter or Space on a label that takes clicks.
struct ClickEvent {
    int control;
};

// A mouse button let go over a button or a picture box: 1 left, 2 right,
// 4 middle. Over a picture box, where: twips from the top-left corner of
// its drawing area.
struct MouseUpEvent {
    int control;
    int button;
    double x = 0;
    double y = 0;
};

// The mouse moved over a picture box, with `buttons` held (their codes
// added up).
struct MouseMoveEvent {
    int control;
    int buttons;
    double x;
    double y;
};

// A key let go in a text box: the desktop's virtual key code.
struct KeyUpEvent {
    int control;
    int keyCode;
};

// What the user typed in a text box, which already shows it.
struct TextEvent {
    int control;
    std::string text;
};

// A tick mark the user set or cleared, which the check box already shows.
struct CheckEvent {
    int control;
    bool checked;
};

// A timer's tick.
struct TickEvent {
    int control;
};

// A key on a control that takes clicks, which becomes the click it stands
// for: on a knob, a mouse button; on a picture box, its keyboard pointer.
// `held`: the key repeats while held down.
struct KeyEvent {
    int control;
    int keyCode;
    bool shift = false;
    bool held = false;
};

// For no control: the read-out that waited its turn is due.
struct AnnounceEvent {};
