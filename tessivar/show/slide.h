#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "deck.h"
#include "slide_table.h"

// A slide as the show plays it, in twips on the window, where a picture
// larger than the window is shown smaller and its target with it.
struct Slide {
    std::string picture;  // a file name in the show's picture folder
    std::string SlideText;
    // The accepted area lies strictly left of and above the target point.
    double TargetX = 0;
    double TargetY = 0;
    double AreaWidth = kTargetAreaWidth;
    double AreaHeight = kTargetAreaHeight;
    double zoom = 1;  // the picture's share of its own size on the window
    bool operator==(const Slide&) const = default;
};

// 1 for a picture that fits the window, else the largest share of its size
// that does.
double FitZoom(int width, int height);
Slide ShownSlide(const DeckSlide& slide, double zoom);

// The built-in show's screenshots: ScreenShot-N.jpg in a folder of this name.
inline constexpr char kScreenshotFolder[] = "Orvane ScreenShots";
std::string ScreenshotName(int slide);
// The built-in table as a deck, its targets in the screenshots' pixels.
Deck BuiltInDeck();
std::vector<Slide> BuiltInSlides();
