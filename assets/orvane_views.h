#pragma once

// Views of the graphics area. Each draws inside the canvas below its header.

#include <QPainter>
#include <QRect>

#include "draw_kit.h"
#include "screenshot_slides.h"

namespace orvane {

// Where plots lie in the canvas: data above a scale line, a read-out strip under it.
inline constexpr QRect kPlotArea = kit::Span(216, 168, 1150, 376);
inline constexpr int kScaleLine = 380;
inline constexpr QRect kReadout = kit::Span(216, 401, 1150, 416);

void DrawSpectrumView(QPainter& p, View view);
void DrawFidView(QPainter& p, View view);
void DrawLockScanView(QPainter& p, View view);
void DrawFindingZ0View(QPainter& p);
void DrawProfileView(QPainter& p);

}  // namespace orvane
