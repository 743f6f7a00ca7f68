#include <algorithm>

#include "appearance.h"
#include "slide.h"
#include "slide_form.h"

double FitZoom(int width, int height) {
    constexpr double kPixel = kTwipsPerPixel;
    return std::min(
        {1.0, tessivar::kFormWidth / kPixel / width, tessivar::kFormHeight / kPixel / height});
}

Slide ShownSlide(const DeckSlide& slide, double zoom) {
    const TargetRect& t = slide.target;
    double twips = kTwipsPerPixel * zoom;
    return {.picture = slide.picture,
            .SlideText = slide.text,
            .TargetX = (t.left + t.width) * twips,
            .TargetY = (t.top + t.height) * twips,
            .AreaWidth = t.width * twips,
            .AreaHeight = t.height * twips,
            .zoom = zoom};
}

std::string ScreenshotName(int slide) {
    return "ScreenShot-" + std::to_string(slide) + ".jpg";
}

Deck BuiltInDeck() {
    Deck deck;
    constexpr int kWidth = kTargetAreaWidth / kTwipsPerPixel;
    constexpr int kHeight = kTargetAreaHeight / kTwipsPerPixel;
    for (int i = 0; i < kSlideCount; ++i) {
        const BuiltInSlide& slide = Slides()[i];
        // Every built-in target lies on a whole pixel.
        int right = static_cast<int>(slide.TargetX / kTwipsPerPixel);
        int bottom = static_cast<int>(slide.TargetY / kTwipsPerPixel);
        deck.push_back({ScreenshotName(i),
                        std::string(slide.SlideText),
                        {right - kWidth, bottom - kHeight, kWidth, kHeight}});
    }
    return deck;
}

std::vector<Slide> BuiltInSlides() {
    std::vector<Slide> slides;
    for (const DeckSlide& slide : BuiltInDeck()) slides.push_back(ShownSlide(slide, 1));
    return slides;
}
