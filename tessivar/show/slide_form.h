#pragma once

#include "controls.h"
#include "picture_box.h"

// The slide window's controls. Everything but the picture lies inside it,
// in its twips, listed here from the top of the stack down.
struct SlideForm {
    PictureBox Picture1;
    Label ScoreLabel;
    Label ClueLabel;
    Label MouseXYLabel;
    LineFigure InfoLine;
    Label InfoBox;
};

// The window as it opens, before the first slide is shown.
SlideForm MakeSlideForm();

// The window's caption and client area in twips (1239 x 705 pixels).
namespace tessivar {
inline constexpr char kFormCaption[] = "Tessivar";
inline constexpr int kFormWidth = 18585;
inline constexpr int kFormHeight = 10575;
// The info box's caption in the layout, replaced as the window first shows.
inline constexpr char kInfoBoxPlaceholder[] = "HelpInfoBox";
}  // namespace tessivar
