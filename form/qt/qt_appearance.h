#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string>

#include "appearance.h"

// Translation of the models' plain appearance values into Qt's.

// Edges are rounded separately so that touching rectangles stay touching.
QRect PixelRect(const TwipRect& rect);
QRectF PixelRectF(const TwipRect& rect);
QPointF PixelPoint(double xTwips, double yTwips);

QColor ToQColor(const Colour& colour, const QPalette& palette);
// The font the programs carry for the family; never one of the machine's own.
QFont ToQFont(const Font& font);
// Registers the carried fonts and makes the plain one the application's
// default; call after the application object exists, before any window.
bool UseEmbeddedFonts();

// The models separate lines with CR, CR LF or LF; Qt wants LF.
QString DisplayText(const std::string& text);
