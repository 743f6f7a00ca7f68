#include "slide_access.h"

#include <string>

AccessibleFacts ScreenshotFacts(const SlideShow& show) {
    // The screen's number as its instruction gives it, counted from 0.
    std::string name = "Screenshot";
    if (!show.slides.empty()) name += " of screen " + std::to_string(show.SlideIndex);
    return {.role = AccessibleRole::Image,
            .name = name,
            .description = SpokenText(show.form.InfoBox.caption)};
}
