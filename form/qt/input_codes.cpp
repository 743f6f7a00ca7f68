#include "input_codes.h"

#include "controls.h"

namespace {

struct KeyPair {
    int qt;
    int code;
};

struct ButtonPair {
    Qt::MouseButton qt;
    int code;
};

constexpr ButtonPair kButtons[] = {
    {Qt::LeftButton, kLeftButton},
    {Qt::RightButton, kRightButton},
    {Qt::MiddleButton, kMiddleButton},
};

// Letters, digits and the space bar have their character as Qt key value already.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},    {Qt::Key_Escape, 27},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
};

}  // namespace

int MouseButtonCode(Qt::MouseButton button) {
    for (ButtonPair pair : kButtons) {
        if (pair.qt == button) return pair.code;
    }
    return 0;
}

int MouseButtonsCode(Qt::MouseButtons buttons) {
    int code = 0;
    for (ButtonPair pair : kButtons) {
        if (buttons.testFlag(pair.qt)) code += pair.code;
    }
    return code;
}

int KeyCode(const QKeyEvent& event) {
    for (KeyPair pair : kKeys) {
        if (pair.qt == event.key()) return pair.code;
    }
    return event.key();
}
