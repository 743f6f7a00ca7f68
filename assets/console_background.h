#pragma once

#include <QImage>

// The simulator's window background: a mock-up of the console's start page,
// 1445 x 633 pixels, white above row 352.
QImage DrawConsoleBackground();
