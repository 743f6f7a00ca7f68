#include <string>
#include <vector>

#include "results_row.h"

#include "tessivar_fixture.h"

// What wrong clicks cost, how the clue grows, and the end of the show.

using SlideScore = SlideShowTest;

TEST_F(SlideScore, TheClueLineHintsFirstAndThenPointsAtTheTarget) {
    GoTo(1);
    ClickWrong();
    EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = 1");
    // A tenth of the way from (14040, 6840) toward slide 1's target (2055, 2085).
    EXPECT_TRUE(show.form.InfoLine.visible);
    EXPECT_DOUBLE_EQ(show.form.InfoLine.x2, 12841.5);
    EXPECT_DOUBLE_EQ(show.form.InfoLine.y2, 6364.5);

    for (int level = 2; level <= 4; ++level) {
        ClickWrong();
        EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = " + std::to_string(level));
        EXPECT_TRUE(show.form.InfoLine.visible);
        EXPECT_EQ(show.form.InfoLine.x2, 2055);
        EXPECT_EQ(show.form.InfoLine.y2, 2085);
    }
    EXPECT_EQ(show.form.InfoLine.x1, 14040);
    EXPECT_EQ(show.form.InfoLine.y1, 6840);

    ClickTarget();
    EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = 0");
    EXPECT_FALSE(show.form.InfoLine.visible);
}

TEST_F(SlideScore, MWrongClicksBeforeTheRightOneCostOneToM) {
    GoTo(1);
    int expected = 100;
    for (int m : {0, 1, 2, 5}) {
        for (int k = 1; k <= m; ++k) ClickWrong();
        expected -= m * (m + 1) / 2;
        ClickTarget();
        EXPECT_EQ(show.form.ScoreLabel.caption, "Score = " + std::to_string(expected)) << m;
        EXPECT_EQ(show.Penalty, 100 - expected);
    }
}

TEST_F(SlideScore, WrongClicksOnSlideZeroShowButDoNotCount) {
    ClickWrong();
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 99");
    ClickWrong();
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 98");
    EXPECT_EQ(show.Penalty, 0);
    ClickTarget();
    EXPECT_EQ(show.SlideIndex, 1);
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 100");
}

TEST_F(SlideScore, APerfectRunEndsWithTheFullScoreAndStartsAgain) {
    GoTo(25);
    EXPECT_TRUE(messages.shown.empty());
    ClickTarget();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Tessivar");
    EXPECT_EQ(messages.shown[0].text,
              "You completed this exercise with a score of:  100!\r\rDo you want to try again?");
    EXPECT_EQ(show.SlideIndex, 0);
    EXPECT_EQ(show.form.Picture1.picture, ScreenshotPath(workingDirectory, 0).string());
    EXPECT_TRUE(show.form.InfoBox.caption.starts_with("Screen:  0\r\r"));
}

TEST_F(SlideScore, TheFinalScoreStaysOnShowUntilTheNextClick) {
    GoTo(25);
    ClickWrong();
    ClickWrong();
    ClickTarget();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "You completed this exercise with a score of:  97!\r\rDo you want to try again?");
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 97");
    EXPECT_EQ(show.Penalty, 0);
    ClickWrong();
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 99");
}

TEST_F(SlideScore, AScoreBelowZeroCarriesItsMinusSignRightAfterTheEqualsSign) {
    GoTo(1);
    for (int k = 1; k <= 14; ++k) ClickWrong();  // 1 + 2 + ... + 14 = 105
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score =-5");
    EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = 14");
    GoTo(25);
    ClickTarget();
    EXPECT_EQ(messages.shown.back().text,
              "You completed this exercise with a score of: -5!\r\rDo you want to try again?");
}

TEST_F(SlideScore, EachShowEndsWithItsResultRow) {
    const std::vector<ShowResult>& results = reports.results;
    ClickWrong();  // forgiven on slide 0, but still a wrong click
    GoTo(3);
    ClickWrong();
    ClickWrong();
    Picture1_MouseUp(show, kRightButton, 0, 0);
    Picture1_MouseUp(show, kMiddleButton, Current().TargetX - 1, Current().TargetY - 1);
    GoTo(0);
    ASSERT_EQ(results.size(), 1u);
    std::vector<std::int64_t> wrong(kSlideCount, 0), cost(kSlideCount, 0);
    wrong[0] = 1, wrong[3] = 2, wrong[2] = 1;
    cost[3] = 1 + 2, cost[2] = 3 + 4;  // a click costs where it leaves the show
    for (int slide = 0; slide < kSlideCount; ++slide) {
        EXPECT_EQ(results[0].slides[slide].wrongClicks, wrong[slide]) << slide;
        EXPECT_EQ(results[0].slides[slide].cost, cost[slide]) << slide;
        EXPECT_TRUE(results[0].slides[slide].passed) << slide;
    }
    EXPECT_EQ(results[0].score, 100 - (1 + 2 + 3 + 4));
    std::string row = "2026-12-06T22:45:00+01:00,\"/lab/deck, one\",90,1,0,1,2";
    for (int slide = 4; slide < kSlideCount; ++slide) row += ",0";
    EXPECT_EQ(ResultRow("2026-12-06T22:45:00+01:00", "/lab/deck, one", results[0]), row + "\r\n");
}

TEST_F(SlideScore, AResultThatCannotBeKeptIsToldBeforeTheScore) {
    reports.notKept = "not kept";
    GoTo(25);
    ClickTarget();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "not kept");
    EXPECT_TRUE(messages.shown[1].text.starts_with("You completed this exercise"));
}

// Going back from the first slide reaches the last: a correct click there
// is no finished show until every slide was passed by its own.
TEST_F(SlideScore, TheEndReachedWithSlidesNotPassedIsNoFinishedShow) {
    GoTo(3);
    for (int back = 0; back < 4; ++back) Picture1_MouseUp(show, kRightButton, 0, 0);
    EXPECT_EQ(show.SlideIndex, 25);
    ClickTarget();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "You have not finished this exercise yet: screens 3 to 24 are still to do.\r\r"
              "Click the named place on each of them to finish the exercise.");
    EXPECT_TRUE(reports.results.empty());
    EXPECT_EQ(show.SlideIndex, 0);

    GoTo(24);  // slides 0 to 2 again, on to 24
    ClickTarget();
    ClickTarget();
    ASSERT_EQ(reports.results.size(), 1u);
    EXPECT_TRUE(messages.shown.back().text.starts_with("You completed this exercise"));
}

TEST(UnfinishedText, NamesTheSlidesToDoInRunsAndAlone) {
    EXPECT_EQ(UnfinishedText({7}),
              "You have not finished this exercise yet: screen 7 is still to do.\r\r"
              "Click the named place on it to finish the exercise.");
    EXPECT_TRUE(UnfinishedText({0, 1, 3, 4, 5, 9}).find(": screens 0, 1, 3 to 5 and 9 are") !=
                std::string::npos);
}
