#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "show_resume.h"
#include "tessivar_fixture.h"

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
    EXPECT_EQ(last.slides[3].wrongClicks, 3);
    EXPECT_DOUBLE_EQ(last.slides[3].seconds, 10);
    EXPECT_DOUBLE_EQ(last.slides[4].seconds, 0);
}

TEST_F(SlideReports, AFinishedShowReportsItsTimesAndTheNextShowCountsAfresh) {
    clock.Advance(5);
    ClickTarget();
    GoTo(25);
    clock.Advance(7);
    ClickTarget();
    ASSERT_EQ(reports.results.size(), 1u);
    EXPECT_EQ(reports.results[0].score, 100);
    EXPECT_DOUBLE_EQ(reports.results[0].slides[0].seconds, 5);
    EXPECT_DOUBLE_EQ(reports.results[0].slides[25].seconds, 7);
    EXPECT_EQ(reports.positions.back(),
              (ShowPosition{0, 0, 0, std::vector<SlideRecord>(kSlideCount)}));
}

// Two students on the same slides with the same clicks, one of whom leaves
// after every click and comes back, pay the same and end with the same record.
TEST_F(SlideReports, AStudentWhoLeavesAfterEveryClickPaysWhatOneWhoStaysPays) {
    RecordingReports relaunched;
    std::optional<ShowPosition> left;
    const auto clickOnce = [&](int button, bool onTarget) {
        SlideShow again{messages, images, clock, relaunched,
                        [this] { return ScreenshotFolder(workingDirectory); }};
        Form_Load(again);
        if (left) ResumeShow(again, *left);
        Form_Activate(again);
        EXPECT_EQ(again.form.ClueLabel.caption, show.form.ClueLabel.caption);
        EXPECT_EQ(again.form.InfoLine.visible, show.form.InfoLine.visible);
        if (show.form.InfoLine.visible) {
            EXPECT_EQ(again.form.InfoLine.x2, show.form.InfoLine.x2);
        }
        const Slide& slide = again.slides[again.SlideIndex];
        double x = onTarget ? slide.TargetX - 1 : 0, y = onTarget ? slide.TargetY - 1 : 0;
        Picture1_MouseUp(again, button, x, y);
        Picture1_MouseUp(show, button, x, y);
        left = relaunched.positions.back();
    };
    for (int k = 0; k < 2; ++k) clickOnce(kLeftButton, true);
    for (int k = 0; k < 2; ++k) clickOnce(kLeftButton, false);
    clickOnce(kRightButton, false);
    clickOnce(kLeftButton, false);
    for (int k = 0; k < 3; ++k) clickOnce(kLeftButton, true);
    EXPECT_EQ(*left, PositionOf(show));
    EXPECT_EQ(left->penalty, 1 + 2 + 3 + 4);
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 90");
}

TEST_F(SlideReports, AResumedShowOpensAtItsSlideWithItsPenaltyAndClue) {
    std::vector<SlideRecord> slides(kSlideCount);
    for (int i = 0; i < 5; ++i) slides[i].passed = true;
    slides[3] = {3, 6, 1.5, true};
    ShowPosition left{5, 6, 2, slides};
    SlideShow resumed{messages, images, clock, reports,
                      [this] { return ScreenshotFolder(workingDirectory); }};
    Form_Load(resumed);
    ResumeShow(resumed, left);
    Form_Activate(resumed);
    EXPECT_EQ(resumed.form.Picture1.picture, ScreenshotPath(workingDirectory, 5).string());
    EXPECT_EQ(resumed.form.ScoreLabel.caption, "Score = 94");
    EXPECT_EQ(resumed.form.ClueLabel.caption, "Clue Level = 2");
    EXPECT_TRUE(resumed.form.InfoLine.visible);
    EXPECT_EQ(reports.positions.back(), left);

    while (reports.results.empty()) {
        const Slide& slide = resumed.slides[resumed.SlideIndex];
        Picture1_MouseUp(resumed, kLeftButton, slide.TargetX - 1, slide.TargetY - 1);
    }
    EXPECT_TRUE(messages.shown.back().text.starts_with("You completed this exercise"));
    EXPECT_EQ(reports.results[0].score, 94);
    EXPECT_EQ(reports.results[0].slides[3], slides[3]);
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
