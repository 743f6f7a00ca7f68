#include "slide_access.h"

#include <string>

AccessibleFacts ScreenshotFacts(const SlideShow& show) {
    std::string name = "Screenshot";
    if (!show.slides.empty()) {
        name +=
            " " + std::to_string(show.SlideIndex + 1) + " of " + std::to_string(show.slides.size());
    }
    return {.role = AccessibleRole::Image,
            .name = name,
            .description = SpokenText(show.form.InfoBox.caption)};
}
