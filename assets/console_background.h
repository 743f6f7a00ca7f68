#pragma once

#include <QImage>
#include <QPainter>

// The simulator's window background: a mock-up of the console's start page,
// 1445 x 633 pixels, white above row 352; `ratio` device pixels to a pixel.
QImage DrawConsoleBackground(int ratio = 1);
// The same over a white page on any painter, as large as the picture.
void PaintConsoleBackground(QPainter& p);
