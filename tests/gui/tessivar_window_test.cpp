#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "recording_messages.h"
#include "slide_display.h"
#include "tessivar_build.h"
#include "tessivar_window.h"

namespace {

constexpr int kPixel = kTwipsPerPixel;

struct TessivarWindowTest : ::testing::Test {
    RecordingMessages messages;
    TessivarWindow window{&messages, TessivarBuildDir};
    SlideShow& show = window.model();

    void SetUp() override {
        window.Open();
        QApplication::processEvents();  // the first activation
    }
    QWidget& Picture() {
        auto* picture = window.view.findChild<QWidget*>("Picture1");
        EXPECT_NE(picture, nullptr);
        return *picture;
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&Picture(), button, Qt::NoModifier, at);
    }
    // A few pixels inside the lower-right corner of the current slide's target.
    QPoint Target() {
        const Slide& slide = show.slides[show.SlideIndex];
        return {slide.TargetX / kPixel - 5, slide.TargetY / kPixel - 5};
    }
};

}  // namespace

TEST_F(TessivarWindowTest, OpensOnTheFirstScreenshot) {
    EXPECT_EQ(window.view.windowTitle(), "Tessivar");
    EXPECT_EQ(window.view.size(), QSize(1239, 705));
    EXPECT_EQ(show.exitCode, 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(show.form.InfoBox.caption.starts_with("Screen:  0\r\r"));

    QImage expected(QString::fromStdString(ScreenshotPath(TessivarBuildDir(), 0).string()));
    QImage shown = Picture().grab().toImage();
    for (QPoint at : {QPoint(5, 5), QPoint(600, 300), QPoint(900, 100)}) {
        EXPECT_EQ(shown.pixelColor(at), expected.pixelColor(at)) << at.x() << ", " << at.y();
    }
}

TEST_F(TessivarWindowTest, ClickingEveryTargetInTurnCompletesTheShow) {
    for (int slide = 0; slide < kSlideCount; ++slide) {
        Click(Target());
        ASSERT_EQ(show.SlideIndex, (slide + 1) % kSlideCount) << "on slide " << slide;
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Tessivar");
    EXPECT_EQ(messages.shown[0].text,
              "You completed this exercise with a score of:  100!\r\rDo you want to try again?");
    EXPECT_EQ(show.SlideIndex, 0);
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 100");
    EXPECT_EQ(show.exitCode, 0);
}

TEST_F(TessivarWindowTest, RightClicksGoBackButClicksOnTheLabelsDoNothing) {
    QPoint onInfoBox(14160 / kPixel + 20, 6720 / kPixel + 20);
    QPoint onScore(16320 / kPixel + 50, 9720 / kPixel + 8);
    Click(onInfoBox, Qt::RightButton);
    Click(onScore);
    EXPECT_EQ(show.SlideIndex, 0);
    EXPECT_EQ(show.ClueLevel, 0);

    Click(QPoint(300, 200), Qt::RightButton);
    EXPECT_EQ(show.SlideIndex, 25);
    EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = 1");
}

TEST(TessivarWindowFailure, AMissingScreenshotEndsTheProgramWithAFailureStatus) {
    RecordingMessages messages;
    std::filesystem::path nowhere = TessivarBuildDir() / "no such folder";
    TessivarWindow window{&messages, [&] { return nowhere; }};
    // Only if the program failed to end would this fire.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);

    window.Open();
    EXPECT_EQ(QApplication::exec(), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Tessivar");
    std::string path = ScreenshotPath(nowhere, 0).string();
    EXPECT_NE(messages.shown[0].text.find(path), std::string::npos) << messages.shown[0].text;
}
