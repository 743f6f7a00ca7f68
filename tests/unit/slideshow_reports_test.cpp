#include <functional>
#include <set>
#include <vector>

#include "show_resume.h"
#include "slideshow_fixture.h"

// What the show tells its reports: where it stands after every click with
// each slide's time, each finished show, and a show resumed where it stood.

using SlideReports = SlideShowTest;

TEST_F(SlideReports, EveryClickTellsWhereTheShowStandsWithEachSlidesTime) {
    GoTo(3);
    for (int k = 0; k < 3; ++k) {
        clock.Advance(2);
        ClickWrong();
    }
    clock.Advance(4);
    ClickTarget();
    Picture1_MouseUp(show, kRightButton, 0, 0);
    ASSERT_EQ(reports.positions.size(), 1u + 3 + 3 + 1 + 1);  // the activation, then each click
    const ShowPosition& last = reports.positions.back();
    EXPECT_EQ(last.slide, 3);
    EXPECT_EQ(last.penalty, 1 + 2 + 3 + 1);
    EXPECT_EQ(last.wrongClicks[3], 3);
    EXPECT_DOUBLE_EQ(last.seconds[3], 10);
    EXPECT_DOUBLE_EQ(last.seconds[4], 0);
}

TEST_F(SlideReports, AFinishedShowReportsItsTimesAndTheNextShowCountsAfresh) {
    clock.Advance(5);
    ClickTarget();
    GoTo(25);
    clock.Advance(7);
    ClickTarget();
    ASSERT_EQ(reports.results.size(), 1u);
    EXPECT_EQ(reports.results[0].score, 100);
    EXPECT_DOUBLE_EQ(reports.results[0].seconds[0], 5);
    EXPECT_DOUBLE_EQ(reports.results[0].seconds[25], 7);
    std::vector<std::int64_t> none(kSlideCount, 0);
    EXPECT_EQ(reports.positions.back(),
              (ShowPosition{0, 0, none, std::vector<double>(none.size())}));
}

TEST_F(SlideReports, AResumedShowGoesOnAtItsSlideWithItsPenalty) {
    std::vector<std::int64_t> wrong(kSlideCount, 0);
    wrong[3] = 3;
    std::vector<double> seconds(kSlideCount, 1.5);
    ShowPosition left{5, 6, wrong, seconds};
    SlideShow resumed{messages, images, clock, reports,
                      [this] { return ScreenshotFolder(workingDirectory); }};
    Form_Load(resumed);
    ResumeShow(resumed, left);
    Form_Activate(resumed);
    EXPECT_EQ(resumed.SlideIndex, 5);
    EXPECT_EQ(resumed.form.Picture1.picture, ScreenshotPath(workingDirectory, 5).string());
    EXPECT_EQ(resumed.form.ScoreLabel.caption, "Score = 94");
    EXPECT_FALSE(resumed.form.InfoLine.visible) << "no clue for a slide not yet clicked";
    EXPECT_EQ(reports.positions.back(), left);

    while (reports.results.empty()) {
        const Slide& slide = resumed.slides[resumed.SlideIndex];
        Picture1_MouseUp(resumed, kLeftButton, slide.TargetX - 1, slide.TargetY - 1);
    }
    EXPECT_EQ(reports.results[0].score, 94);
    EXPECT_EQ(reports.results[0].wrongClicks, wrong);
    EXPECT_DOUBLE_EQ(reports.results[0].seconds[3], 1.5);
}

TEST(DeckKey, ChangesWithAnyPictureTextOrTarget) {
    const std::vector<Slide> deck = BuiltInSlides();
    const std::function<void(Slide&)> changes[] = {
        [](Slide& s) { s.picture = "ScreenShot-8.jpg"; },
        [](Slide& s) { s.SlideText += " "; },
        [](Slide& s) { s.TargetX += 15; },
        [](Slide& s) { s.TargetY -= 1; },
        [](Slide& s) { s.AreaWidth = 100; },
    };
    std::set<std::string> keys = {DeckKey(deck)};
    EXPECT_EQ(DeckKey(BuiltInSlides()), *keys.begin());
    for (const auto& change : changes) {
        std::vector<Slide> changed = deck;
        change(changed[7]);
        keys.insert(DeckKey(changed));
    }
    keys.insert(DeckKey({deck.begin(), deck.end() - 1}));
    EXPECT_EQ(keys.size(), 7u);
}
