#include "slide_form.h"

namespace {

const Font kDefault{"MS Sans Serif", 8.25, false};
const Font kArialBold{"Arial", 8.25, true};

// The screenshot shows through the score and the clue level.
Label OverPicture(const char* name, const char* caption, TwipRect rect) {
    return {.name = name,
            .caption = caption,
            .rect = rect,
            .font = kArialBold,
            .transparent = true,
            .alignment = Alignment::Centre};
}

}  // namespace

SlideForm MakeSlideForm() {
    SlideForm f;
    // Larger than the client area: its border and far parts lie outside the
    // window, so the screenshot starts right at the window's corner.
    f.Picture1.name = "Picture1";
    f.Picture1.rect = {0, 0, 23175, 12735};
    f.Picture1.font = kDefault;
    f.Picture1.background = colours::ButtonFace;
    f.Picture1.sunkenBorder = false;

    f.ScoreLabel = OverPicture("ScoreLabel", "Score = 0", {16320, 9720, 1695, 255});
    f.ClueLabel = OverPicture("ClueLabel", "Clue Level = 0", {14160, 9720, 1695, 255});
    f.MouseXYLabel = {.name = "MouseXYLabel",
                      .caption = "0,0",
                      .rect = {12600, 9720, 1455, 255},
                      .font = kDefault,
                      .alignment = Alignment::Centre,
                      .visible = false};
    // Starts just outside the info box and points near slide 0's target.
    f.InfoLine = {.name = "InfoLine",
                  .x1 = 14040,
                  .y1 = 6840,
                  .x2 = 2880,
                  .y2 = 8640,
                  .colour = Colour::Rgb(0, 0, 192),
                  .width = 2};
    f.InfoBox = {.name = "InfoBox",
                 .caption = tessivar::kInfoBoxPlaceholder,
                 .rect = {14160, 6720, 3855, 2775},
                 .font = kDefault,
                 .wordWrap = true};
    return f;
}
