#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "deck_check.h"
#include "fake_clock.h"
#include "fake_image_source.h"
#include "hostile_text.h"
#include "non_finite_text.h"
#include "recording_messages.h"
#include "slide_handlers.h"
#include "soak_run.h"

// Hostile deck files: each is refused with at most ten problems, each with its
// line, or it opens and its show plays within bounds.

namespace {

constexpr int kClicksPerDeck = 40;
// Left clicks mostly, so that shows get through to their end and start again.
constexpr int kButtons[] = {1, 1, 1, 1, 1, 2, 4, 0};

void CheckOpened(const OpenedDeck& opened, const std::string& deck) {
    ASSERT_LE(opened.problems.size(), kMostProblems) << Printable(deck);
    for (const std::string& problem : opened.problems) {
        ASSERT_TRUE(problem.starts_with("deck.csv")) << problem;
    }
    ASSERT_EQ(opened.problems.empty(), !opened.slides.empty()) << Printable(deck);
    for (const Slide& slide : opened.slides) {
        ASSERT_TRUE(std::isfinite(slide.TargetX) && std::isfinite(slide.TargetY));
        ASSERT_TRUE(slide.zoom > 0 && slide.zoom <= 1) << slide.zoom;
        ASSERT_GT(slide.AreaWidth, 0);
        ASSERT_GT(slide.AreaHeight, 0);
    }
}

// Mostly inside the slide's accepted area, so that shows get through to their
// end; else anywhere on and far off the picture.
std::pair<double, double> Aim(SoakRandom& random, const Slide& slide) {
    if (random.Below(4) == 0) return {random.Between(-1e6, 1e6), random.Between(-1e6, 1e6)};
    return {random.Between(slide.TargetX - slide.AreaWidth * 0.99, slide.TargetX),
            random.Between(slide.TargetY - slide.AreaHeight * 0.99, slide.TargetY)};
}

void Play(SoakRandom& random, const std::vector<Slide>& slides, FakeImageSource& images) {
    RecordingMessages messages;
    FakeClock clock;
    Reports nowhere;
    SlideShow show(
        messages, images, clock, nowhere, [] { return std::filesystem::path("/deck"); }, slides);
    Form_Load(show);
    Form_Activate(show);
    for (int click = 0; click < kClicksPerDeck; ++click) {
        auto [x, y] = Aim(random, show.slides[show.SlideIndex]);
        int button = random.OneOf(kButtons);
        Picture1_MouseUp(show, button, x, y);
        ASSERT_TRUE(show.SlideIndex >= 0 && show.SlideIndex < static_cast<int>(slides.size()));
        ASSERT_FALSE(ShowsNonFinite(show.form.ScoreLabel.caption));
        ASSERT_EQ(show.exitCode, 0);
    }
}

}  // namespace

TEST(TessivarSoak, HostileDeckFilesAreRefusedOrPlay) {
    SoakRun run("TESSIVAR");
    SoakRandom random{std::mt19937_64(run.seed)};
    int played = 0;
    for (std::uint64_t deck = 0; deck < run.events / 50; ++deck) {
        FakeImageSource images;
        images.files = {"/deck/a.jpg", "/deck/b.png"};
        // Larger than the window half the time, else any size at all.
        images.sizes["/deck/b.png"] =
            random.Below(2) == 0 ? PictureSize{4000, 3000}
                                 : PictureSize{1 + random.Below(5000), 1 + random.Below(5000)};
        std::string text = HostileDeck(random);
        OpenedDeck opened = OpenDeck(text, "/deck", images);
        CheckOpened(opened, text);
        if (HasFatalFailure()) return;
        if (opened.slides.empty()) continue;
        ++played;
        Play(random, opened.slides, images);
        if (HasFatalFailure()) return;
    }
    if (run.events >= 10'000) {
        EXPECT_GT(played, 0) << "no hostile deck ever opened";
    }
}
