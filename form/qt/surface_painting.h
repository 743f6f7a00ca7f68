#pragma once

#include <QPainter>
#include <QPalette>
#include <QRect>

#include "controls.h"

// How the windowless items look: labels, lines and shapes are painted straight
// onto the surface that holds them, in pixels of that surface.

void Paint(QPainter& painter, const Label& label, const QPalette& palette);
void Paint(QPainter& painter, const LineFigure& line, const QPalette& palette);
void Paint(QPainter& painter, const ShapeFigure& shape, const QPalette& palette);

// Everything an item paints lies inside these; empty when the item is hidden.
QRect Bounds(const Label& label);
QRect Bounds(const LineFigure& line);
QRect Bounds(const ShapeFigure& shape);
