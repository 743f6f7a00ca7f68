#pragma once

// Where the parts of the Orvane window lie in every screenshot. The slide
// show's click targets fall on these parts, so they stay put from slide to slide.

#include <QRect>
#include <QSize>

#include "draw_kit.h"

namespace orvane::layout {

using kit::Span;

inline constexpr QSize kImage{1239, 705};

inline constexpr QRect kTitleBar = Span(0, 0, 1238, 21);
inline constexpr QRect kMenuBar = Span(0, 22, 1238, 41);
inline constexpr QRect kToolBar = Span(0, 42, 1238, 91);

inline constexpr QRect kSelector = Span(0, 94, 196, 338);
inline constexpr QRect kQueue = Span(0, 342, 196, 632);

inline constexpr QRect kWorkspace = Span(202, 104, 322, 129);
inline constexpr QRect kCommandLine = Span(330, 104, 1000, 129);

inline constexpr QRect kCanvas = Span(200, 138, 1186, 417);
inline constexpr QRect kToolColumn = Span(1190, 138, 1236, 417);

inline constexpr QRect kPanelBar = Span(200, 419, 1238, 450);
inline constexpr QRect kPanelMenu = Span(204, 455, 290, 628);
inline constexpr QRect kPanelBody = Span(296, 455, 940, 628);

// The slide show lays its instruction box over the right end of the panel
// and its score labels over the right of the status bar: nothing to click there.
inline constexpr QRect kStatusBar = Span(0, 636, 1238, 666);
inline constexpr QRect kConsoleBar = Span(0, 668, 1238, 704);

}  // namespace orvane::layout
