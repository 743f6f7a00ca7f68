#include "tessivar_fixture.h"

// Where the screenshots are looked for, and what happens when one fails.

using SlideImages = SlideShowTest;

TEST_F(SlideImages, LiveInAFolderUnderTheWorkingDirectory) {
    EXPECT_EQ(ScreenshotPath("/home/student/nmr", 0),
              std::filesystem::path("/home/student/nmr/Orvane ScreenShots/ScreenShot-0.jpg"));
    EXPECT_EQ(ScreenshotPath("/lab", 25),
              std::filesystem::path("/lab/Orvane ScreenShots/ScreenShot-25.jpg"));
}

TEST_F(SlideImages, TheFolderIsAskedAfreshForEachLoad) {
    workingDirectory = "/elsewhere";
    images.files.insert("/elsewhere/Orvane ScreenShots/ScreenShot-1.jpg");
    ClickTarget();
    EXPECT_EQ(show.form.Picture1.picture, "/elsewhere/Orvane ScreenShots/ScreenShot-1.jpg");
    EXPECT_EQ(show.exitCode, 0);
}

TEST_F(SlideImages, EachSlideAsksAheadForTheNextOnesScreenshotTheLastForTheFirsts) {
    GoTo(24);
    images.prefetched.clear();
    ClickWrong();
    ClickTarget();
    ClickTarget();  // the end of the show, and slide 0 again
    auto path = [this](int slide) { return ScreenshotPath(workingDirectory, slide).string(); };
    EXPECT_EQ(images.prefetched, (std::vector<std::string>{path(25), path(0), path(1)}));
}

TEST_F(SlideImages, AMissingScreenshotIsReportedAndEndsTheShow) {
    const std::string missing = ScreenshotPath(workingDirectory, 3).string();
    images.files.erase(missing);
    GoTo(2);
    ASSERT_TRUE(messages.shown.empty());
    ClickTarget();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Tessivar");
    EXPECT_NE(messages.shown[0].text.find(missing), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(messages.shown[0].text.find('\n'), std::string::npos);
    EXPECT_NE(show.exitCode, 0);
    EXPECT_NE(show.form.Picture1.picture, missing);
}

TEST(SlideImagesAtStart, WithoutTheFirstScreenshotTheShowEndsAtOnce) {
    RecordingMessages messages;
    FakeImageSource images;
    FakeClock clock;
    Reports nowhere;
    SlideShow show{messages, images, clock, nowhere, [] { return ScreenshotFolder("/empty"); }};
    Form_Load(show);
    Form_Activate(show);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("/empty/Orvane ScreenShots/ScreenShot-0.jpg"),
              std::string::npos);
    EXPECT_NE(show.exitCode, 0);
}
