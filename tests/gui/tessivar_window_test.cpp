#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <utility>

#include "numtext.h"
#include "picture_widget.h"
#include "recording_messages.h"
#include "slide_display.h"
#include "tessivar_build.h"
#include "tessivar_window.h"

namespace {

constexpr int kPixel = kTwipsPerPixel;

struct TessivarWindowTest : ::testing::Test {
    RecordingMessages messages;
    TessivarWindow window{&messages, [] { return ScreenshotFolder(TessivarBuildDir()); }};
    SlideShow& show = window.model();

    void SetUp() override {
        window.Open();
        QApplication::processEvents();  // the first activation
        QApplication::setActiveWindow(&window.view);
    }
    PictureWidget& Picture() {
        auto* picture = window.view.findChild<PictureWidget*>("Picture1");
        EXPECT_NE(picture, nullptr);
        return *picture;
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&Picture(), button, Qt::NoModifier, at);
    }
    // A few pixels inside the lower-right corner of the current slide's target.
    QPoint Target() {
        const Slide& slide = show.slides[show.SlideIndex];
        return (QPointF(slide.TargetX, slide.TargetY) / kPixel).toPoint() - QPoint(5, 5);
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

// The keyboard pointer moved by arrow keys, far ones with Shift, to within a
// step of the place.
void PointTo(PictureWidget& picture, QPoint place) {
    constexpr int step = kPointerStepTwips / kPixel;
    for (;;) {
        QPoint off = place - (picture.Pointer() / kPixel).toPoint();
        bool across = std::abs(off.x()) >= step;
        int distance = across ? off.x() : off.y();
        if (std::abs(distance) < step) return;
        Qt::Key key = across ? (distance > 0 ? Qt::Key_Right : Qt::Key_Left)
                             : (distance > 0 ? Qt::Key_Down : Qt::Key_Up);
        bool far = std::abs(distance) >= step * kPointerShiftSteps;
        QTest::keyClick(&picture, key, far ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

TEST_F(TessivarWindowTest, TheKeyboardPointerReachesEveryTargetAndBackspaceGoesBack) {
    ASSERT_EQ(QApplication::focusWidget(), &Picture());
    for (int slide = 0; slide < kSlideCount; ++slide) {
        PointTo(Picture(), Target());
        QTest::keyClick(&Picture(), Qt::Key_Return);
        ASSERT_EQ(show.SlideIndex, (slide + 1) % kSlideCount) << "on slide " << slide;
    }
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(show.form.ScoreLabel.caption, "Score = 100");

    // The cross-hair shows where the pointer is; its moves are the mouse's,
    // so the place it reached is written out as a mouse move's is.
    QPoint at = (Picture().Pointer() / kPixel).toPoint();
    EXPECT_EQ(Picture().grab().toImage().pixelColor(at + QPoint(8, 0)), QColor(Qt::black));
    EXPECT_EQ(show.form.MouseXYLabel.caption,
              NumberText(static_cast<float>(Picture().Pointer().x())) + "," +
                  NumberText(static_cast<float>(Picture().Pointer().y())));
    QTest::keyClick(&Picture(), Qt::Key_Backspace);
    EXPECT_EQ(show.SlideIndex, 25);
    EXPECT_EQ(show.form.ClueLabel.caption, "Clue Level = 1");
}

TEST_F(TessivarWindowTest, AssistiveTechnologyHearsTheScreenshotAndTheNews) {
    QAccessible::setActive(true);
    Click(QPoint(300, 200));  // a wrong click
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(&Picture());
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Screenshot of screen 0");
    EXPECT_TRUE(picture->text(QAccessible::Description).startsWith("Screen:  0\n\n"));
    std::vector<QString> told;
    for (int i = 0; i < picture->childCount(); ++i) {
        told.push_back(picture->child(i)->text(QAccessible::Name));
    }
    ASSERT_EQ(told.size(), 3u);  // the instruction, the clue level and the score
    EXPECT_TRUE(told[0].startsWith("Screen:  0\n\n"));
    EXPECT_EQ(told[1], "Clue Level = 1");
    EXPECT_EQ(told[2], "Score = 99");

    Click(Target());
    EXPECT_EQ(picture->text(QAccessible::Name), "Screenshot of screen 1");
    QAccessible::setActive(false);
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

namespace {

// A folder of screenshots made by the test, as the working directory.
struct MadeScreenshots {
    QTemporaryDir dir;
    std::filesystem::path Folder() const { return dir.path().toStdString(); }
    QString Path(int slide) const {
        return QString::fromStdString(ScreenshotPath(Folder(), slide).string());
    }
    QByteArray Jpeg(QColor colour) const {
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(colour);
        for (int x = 0; x < image.width(); x += 7) image.setPixelColor(x, x % 300, Qt::black);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
        return buffer.data();
    }
    void Write(int slide, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(Path(slide)).path());
        QFile file(Path(slide));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
};

}  // namespace

TEST(TessivarWindowFailure, AMissingOrDamagedScreenshotEndsTheProgramWithAFailureStatus) {
    MadeScreenshots made;
    const QByteArray whole = made.Jpeg(Qt::red);
    QByteArray noise(5000, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) >> 3);
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    QImage(40, 30, QImage::Format_RGB32).save(&pngBuffer, "PNG");
    const std::pair<const char*, std::function<void()>> kinds[] = {
        {"missing", [] {}},
        {"cut short", [&] { made.Write(0, whole.left(whole.size() / 2)); }},
        {"zero bytes", [&] { made.Write(0, {}); }},
        {"random bytes", [&] { made.Write(0, noise); }},
        {"a PNG cut short", [&] { made.Write(0, png.left(png.size() - 20)); }},
        {"another format", [&] { made.Write(0, "%PDF-1.4\n%\xE2\xE3\n1 0 obj\n"); }},
        {"not a file", [&] { QDir().mkpath(made.Path(0)); }},
    };
    for (const auto& [kind, damage] : kinds) {
        QDir(QFileInfo(made.Path(0)).path()).removeRecursively();
        damage();
        RecordingMessages messages;
        TessivarWindow window{&messages, [&] { return ScreenshotFolder(made.Folder()); }};
        // Only if the program failed to end would this fire.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);

        window.Open();
        EXPECT_EQ(QApplication::exec(), 1) << kind;
        ASSERT_EQ(messages.shown.size(), 1u) << kind;
        EXPECT_EQ(messages.shown[0].title, "Tessivar");
        EXPECT_NE(messages.shown[0].text.find(made.Path(0).toStdString()), std::string::npos)
            << kind << ": " << messages.shown[0].text;
    }
}

TEST(TessivarWindowReload, ASlideShownAgainReadsItsScreenshotAgain) {
    MadeScreenshots made;
    made.Write(0, made.Jpeg(Qt::red));
    RecordingMessages messages;
    TessivarWindow window{&messages, [&] { return ScreenshotFolder(made.Folder()); }};
    window.Open();
    QApplication::processEvents();  // the first activation
    auto& picture = *window.view.findChild<QWidget*>("Picture1");
    EXPECT_GT(picture.grab().toImage().pixelColor(3, 3).red(), 200);

    made.Write(0, made.Jpeg(Qt::blue));
    QTest::mouseClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));  // a wrong click
    ASSERT_EQ(window.model().SlideIndex, 0);
    EXPECT_GT(picture.grab().toImage().pixelColor(3, 3).blue(), 200);
    EXPECT_TRUE(messages.shown.empty());
}
