#include <filesystem>

#include "fake_image_source.h"
#include "non_finite_text.h"
#include "recording_messages.h"
#include "slide_display.h"
#include "slide_handlers.h"
#include "soak_run.h"

namespace {

constexpr int kButtons[] = {1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 4, 0, 3, 8};

// Near the slide's target (inside its area, on its edges, just beyond) or
// anywhere, far off the picture too; in whole twips, as the window reports
// them, or between.
double Near(SoakRandom& r, double target, double reach) {
    double at = r.Below(2) == 0 ? target - r.Between(-30, reach + 30) : r.Between(-1e6, 1e6);
    return r.Below(2) == 0 ? std::round(at) : at;
}

}  // namespace

TEST(TessivarSoak, ClicksAnywhereKeepTheShowInRangeAndItsTextsFinite) {
    SoakRun run("TESSIVAR");
    SoakRandom random{std::mt19937_64(run.seed)};
    RecordingMessages messages;
    FakeImageSource images;
    std::filesystem::path folder = "/home/student/nmr";
    for (int slide = 0; slide < kSlideCount; ++slide) {
        images.files.insert(ScreenshotPath(folder, slide).string());
    }
    SlideShow show{messages, images, [&] { return folder; }};
    Form_Load(show);
    Form_Activate(show);
    RunSoak(run, [&](std::string& what) {
        const Slide& slide = show.slides[show.SlideIndex];
        double x = Near(random, slide.TargetX, kTargetAreaWidth);
        double y = Near(random, slide.TargetY, kTargetAreaHeight);
        int button = random.OneOf(kButtons);
        bool moved = random.Below(10) >= 7;
        what = (moved ? "move " : "release ") + std::to_string(button) + " at " +
               std::to_string(x) + ", " + std::to_string(y) + " on slide " +
               std::to_string(show.SlideIndex);
        std::size_t shown = messages.shown.size();
        (moved ? Picture1_MouseMove : Picture1_MouseUp)(show, button, x, y);
        std::vector<std::string> problems;
        if (show.SlideIndex < 0 || show.SlideIndex >= kSlideCount) problems.push_back("no slide");
        for (const Label* label : {&show.form.ScoreLabel, &show.form.ClueLabel,
                                   &show.form.MouseXYLabel, &show.form.InfoBox}) {
            if (ShowsNonFinite(label->caption)) problems.push_back(label->name + ": " + label->caption);
        }
        for (; shown < messages.shown.size(); ++shown) {
            if (ShowsNonFinite(messages.shown[shown].text)) problems.push_back(messages.shown[shown].text);
        }
        return problems;
    });
}
