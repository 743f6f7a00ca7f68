#pragma once

#include <QKeyEvent>
#include <Qt>

// The codes by which the programs' handlers know mouse buttons and keys.

// 1 left, 2 right, 4 middle; 0 for any other button.
int MouseButtonCode(Qt::MouseButton button);
// The sum of the codes of the buttons held.
int MouseButtonsCode(Qt::MouseButtons buttons);
// The desktop's virtual key code: 13 for Return and Enter, the upper-case
// character for letters and digits, Qt's own key value for keys without one.
int KeyCode(const QKeyEvent& event);
