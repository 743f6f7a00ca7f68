#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "deck.h"
#include "image_source.h"

// The texts over the picture (the instruction box, the score and the clue
// level) take the clicks where they lie: a target under them cannot be hit.
struct CoveredArea {
    std::string_view what;  // "the instruction box"
    // In the picture's own pixels, for a picture of the given size as the
    // window shows it (shrunk to fit when larger).
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

std::vector<CoveredArea> CoveredAreas(PictureSize picture);

// The text that lies over any part of the target; nothing when students can
// click all of it.
std::optional<std::string_view> CoveringText(const TargetRect& target, PictureSize picture);
