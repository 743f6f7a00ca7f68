#include <string>
#include <utility>
#include <vector>

#include "tessivar_fixture.h"

// Which clicks move the show on, which move it back and which only grow the clue.

namespace {

const std::string kBackHint = "(Right Click on screen to go back.)";

}  // namespace

using SlideClicks = SlideShowTest;

TEST_F(SlideClicks, OnlyClicksStrictlyInsideTheAcceptedAreaGoOn) {
    for (int i = 0; i < kSlideCount; ++i) {
        int next = (i + 1) % kSlideCount;
        show.SlideIndex = static_cast<std::int16_t>(i);
        double right = Current().TargetX, bottom = Current().TargetY;
        double left = right - 1440, top = bottom - 300;
        double midX = right - 700, midY = bottom - 150;
        const std::pair<double, double> edges[] = {
            {right, midY}, {left, midY}, {midX, bottom}, {midX, top}};
        for (auto [x, y] : edges) {
            Picture1_MouseUp(show, kLeftButton, x, y);
            ASSERT_EQ(show.SlideIndex, i) << "edge (" << x << ", " << y << ")";
        }
        Picture1_MouseUp(show, kLeftButton, left + 1, top + 1);
        ASSERT_EQ(show.SlideIndex, next) << "upper-left corner of slide " << i;
        show.SlideIndex = static_cast<std::int16_t>(i);
        Picture1_MouseUp(show, kLeftButton, right - 1, bottom - 1);
        ASSERT_EQ(show.SlideIndex, next) << "lower-right corner of slide " << i;
        EXPECT_EQ(show.ClueLevel, 0);
    }
}

TEST_F(SlideClicks, EachSlideTestsOnlyItsOwnTarget) {
    // Slides 10 and 13 share TargetY; this point lies in slide 10's area only.
    GoTo(13);
    Picture1_MouseUp(show, kLeftButton, 8000, 6600);
    EXPECT_EQ(show.SlideIndex, 13);
    GoTo(10);
    Picture1_MouseUp(show, kLeftButton, 8000, 6600);
    EXPECT_EQ(show.SlideIndex, 11);
}

TEST_F(SlideClicks, TheMiddleButtonIsAWrongClickEvenOnTheTarget) {
    GoTo(4);
    Picture1_MouseUp(show, kMiddleButton, Current().TargetX - 1, Current().TargetY - 1);
    EXPECT_EQ(show.SlideIndex, 4);
    EXPECT_EQ(show.ClueLevel, 1);
}

TEST_F(SlideClicks, ARightClickGoesBackOneSlideWhereverItFalls) {
    GoTo(5);
    Picture1_MouseUp(show, kRightButton, Current().TargetX - 1, Current().TargetY - 1);
    EXPECT_EQ(show.SlideIndex, 4);
    EXPECT_EQ(show.ClueLevel, 1);
    EXPECT_EQ(show.form.InfoBox.caption,
              "Screen:  4\r\r" + std::string(Slides()[4].SlideText) + "\r\r" + kBackHint);
    EXPECT_EQ(show.form.Picture1.picture, ScreenshotPath(workingDirectory, 4).string());
}

TEST_F(SlideClicks, ARightClickOnSlideZeroWrapsToTheLastSlideWithAShortClue) {
    Picture1_MouseUp(show, kRightButton, 100, 100);
    EXPECT_EQ(show.SlideIndex, 25);
    EXPECT_EQ(show.form.InfoBox.caption,
              "Screen:  25\r\r" + std::string(Slides()[25].SlideText) + "\r\r" + kBackHint);
    EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = 1");
    // A tenth of the way from (14040, 6840) toward (11070, 7305).
    EXPECT_TRUE(show.form.InfoLine.visible);
    EXPECT_DOUBLE_EQ(show.form.InfoLine.x2, 13743);
    EXPECT_DOUBLE_EQ(show.form.InfoLine.y2, 6886.5);
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 99");
    EXPECT_EQ(show.Penalty, 1);
}

TEST_F(SlideClicks, MouseMovesWriteThePositionIntoTheHiddenLabel) {
    Picture1_MouseMove(show, 0, 15, 30);
    EXPECT_EQ(show.form.MouseXYLabel.caption, " 15, 30");
    Picture1_MouseMove(show, 1, 7.5, 18570);
    EXPECT_EQ(show.form.MouseXYLabel.caption, " 7.5, 18570");
    EXPECT_FALSE(show.form.MouseXYLabel.visible);
}
