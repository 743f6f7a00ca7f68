#pragma once

// The parts of an Orvane screenshot, each drawn from the slide's row.

#include <QPainter>

#include "screenshot_slides.h"

namespace orvane {

// Title, menu and tool bars, command line, graphics tools, status and console bars.
void DrawChrome(QPainter& p, const Slide& slide);
// Experiment selector and study queue.
void DrawLeftColumn(QPainter& p, const Slide& slide);
// The tabbed parameter panel under the graphics area.
void DrawParameterPanel(QPainter& p, const Slide& slide);
// The graphics area: spectra, FIDs, lock scans, shim profiles.
void DrawCanvas(QPainter& p, const Slide& slide);

}  // namespace orvane
