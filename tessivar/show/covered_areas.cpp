#include "covered_areas.h"

#include "appearance.h"
#include "slide.h"
#include "slide_form.h"

namespace {

struct CoveringLabel {
    Label SlideForm::*label;
    std::string_view what;
};

constexpr CoveringLabel kCoveringLabels[] = {
    {&SlideForm::InfoBox, "the instruction box"},
    {&SlideForm::ScoreLabel, "the score label"},
    {&SlideForm::ClueLabel, "the clue level label"},
};

}  // namespace

std::vector<CoveredArea> CoveredAreas(PictureSize picture) {
    static const SlideForm kForm = MakeSlideForm();
    // Twips on the window per pixel of the picture.
    double twips = kTwipsPerPixel * FitZoom(picture.width, picture.height);
    std::vector<CoveredArea> areas;
    for (const CoveringLabel& covering : kCoveringLabels) {
        const TwipRect& r = (kForm.*covering.label).rect;
        areas.push_back({covering.what, r.left / twips, r.top / twips, (r.left + r.width) / twips,
                         (r.top + r.height) / twips});
    }
    return areas;
}

std::optional<std::string_view> CoveringText(const TargetRect& target, PictureSize picture) {
    for (const CoveredArea& area : CoveredAreas(picture)) {
        // Clicks count strictly inside the target: touching edges do not meet.
        bool acrossX = target.left < area.right && area.left < target.left + target.width;
        bool acrossY = target.top < area.bottom && area.top < target.top + target.height;
        if (acrossX && acrossY) return area.what;
    }
    return std::nullopt;
}
