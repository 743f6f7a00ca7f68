#pragma once

#include <QImage>
#include <QPainter>

// The slide show's screenshots of the Orvane console program, one per slide
// (0 to 25), each 1239 x 705 pixels with the slide's click target in place.

QImage DrawScreenshot(int slide, int ratio = 1);
// The same over the page colour on any painter, as large as the picture.
void PaintScreenshot(QPainter& p, int slide);
