#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fake_clock.h"
#include "knobs.h"
#include "kymbral_window.h"
#include "recording_messages.h"

namespace {

struct KymbralWindowTest : ::testing::Test {
    FakeClock clock{100};
    RecordingMessages messages;
    KymbralWindow window{clock, &messages};
    Kymbral& k = window.model();

    void SetUp() override {
        window.Open();
        QApplication::processEvents();  // the first activation
    }
    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = window.view.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    QTimer* ClockTimer() {
        for (QTimer* timer : window.view.findChildren<QTimer*>()) {
            if (timer->interval() == 10) return timer;
        }
        return nullptr;
    }
};

}  // namespace

TEST_F(KymbralWindowTest, OpensActivatedAndIdle) {
    EXPECT_EQ(window.view.windowTitle(), "Kymbral (alpha version)");
    EXPECT_EQ(k.form.Info.caption, "0");
    EXPECT_EQ(k.form.LockFID.caption, "Lock");
    EXPECT_FALSE(k.form.Timer1.enabled);
    ASSERT_NE(ClockTimer(), nullptr);
    EXPECT_FALSE(ClockTimer()->isActive());
    EXPECT_EQ(Find<QListWidget>("ParametersListBox").count(), 12);
}

TEST_F(KymbralWindowTest, ARightReleaseOnTheZ0KnobStepsItUp) {
    QTest::mouseClick(&Find<QPushButton>("KeyIn0"), Qt::RightButton);
    EXPECT_EQ(k.state.Z0, 51);
    EXPECT_EQ(k.form.ShimLabel[0].caption, "51");
    QTest::mouseClick(&Find<QPushButton>("KeyIn0"), Qt::LeftButton);
    EXPECT_EQ(k.state.Z0, 50);
}

TEST_F(KymbralWindowTest, InsertShowsTheLockLevelAndTheSpike) {
    QTest::mouseClick(&Find<QPushButton>("Insert"), Qt::LeftButton);
    EXPECT_EQ(k.form.Info.caption, "53.22");
    QApplication::processEvents();

    // Bin 50 is the centre of the spectrum; the spike reaches 0.96 on a -5..5 scale.
    QImage spectrum = Find<QWidget>("PlotPeakShape").grab().toImage();
    int centreX = spectrum.width() / 2;
    double areaHeight = spectrum.height() - 4.0;
    int spikeY = 2 + static_cast<int>((5 - 0.5) / 10 * areaHeight);  // halfway up the spike
    int baselineY = 2 + static_cast<int>((5.0 + 3) / 10 * areaHeight);
    auto whiteNear = [&](int x, int y) {
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (QColor(spectrum.pixel(x + dx, y + dy)) == Qt::white) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(whiteNear(centreX, spikeY));
    EXPECT_FALSE(whiteNear(centreX - 100, spikeY));
    EXPECT_TRUE(whiteNear(centreX - 100, baselineY));
}

TEST_F(KymbralWindowTest, TheCommandLineEditsAParameterAndStartsAcquiring) {
    QLineEdit& command = Find<QLineEdit>("KeyboardInput");
    command.setFocus();
    QTest::keyClicks(&command, "pw=3");
    QTest::keyClick(&command, Qt::Key_Return);
    EXPECT_EQ(Find<QListWidget>("ParametersListBox").item(4)->text(), "pw     3");
    EXPECT_EQ(command.text(), "");
    EXPECT_EQ(k.state.pw, 3);

    QTest::keyClicks(&command, "ga");
    QTest::keyClick(&command, Qt::Key_Return);
    EXPECT_TRUE(ClockTimer()->isActive());
    EXPECT_EQ(Find<QPushButton>("Restart").text(), "Abort");

    QTest::mouseClick(&Find<QPushButton>("Restart"), Qt::LeftButton);
    EXPECT_FALSE(ClockTimer()->isActive());
}

TEST_F(KymbralWindowTest, TheGradientShimWaitHoldsTicksAndClicksUntilItEnds) {
    QTest::mouseClick(&Find<QPushButton>("Insert"), Qt::LeftButton);
    QTest::mouseClick(&Find<QPushButton>("Restart"), Qt::LeftButton);  // acquiring
    ASSERT_TRUE(ClockTimer()->isActive());

    std::string captionDuring;
    std::int16_t z0During = 0;
    std::size_t fidPointsBefore = k.form.PlotFID.strokes.size(), fidPointsDuring = 0;
    // Runs inside the wait: a tick comes due and the student clicks a knob.
    QTimer::singleShot(0, [&] {
        captionDuring = Find<QPushButton>("GradientShim").text().toStdString();
        QMetaObject::invokeMethod(ClockTimer(), "timeout");
        QTest::mouseClick(&Find<QPushButton>("KeyIn0"), Qt::RightButton);
        fidPointsDuring = k.form.PlotFID.strokes.size();
        z0During = k.state.Z0;
        clock.Advance(5);
    });
    QTest::mouseClick(&Find<QPushButton>("GradientShim"), Qt::LeftButton);

    EXPECT_EQ(captionDuring, "Shimming...");
    EXPECT_EQ(fidPointsDuring, fidPointsBefore);  // the tick was not run
    EXPECT_EQ(z0During, 50);                     // nor the click, yet
    EXPECT_EQ(k.state.Z0, 51);                   // which came after the handler
    EXPECT_EQ(k.form.ShimLabel[0].caption, "51");
    EXPECT_EQ(Find<QPushButton>("GradientShim").text(), "Gradient Shim");
    EXPECT_FALSE(ClockTimer()->isActive());      // the redraw stopped the acquisition
}

TEST(KymbralWindowMessages, TheWindowBehindAMessageShowsWhatTheHandlerDidSoFar) {
    struct Peeking : MessageBoxes {
        std::function<void()> onShow;
        void Show(const std::string&, const std::string&) override { onShow(); }
    } peeking;
    FakeClock clock{100};
    KymbralWindow window{clock, &peeking};
    std::string behind;
    peeking.onShow = [&] {
        behind = window.view.findChild<QPushButton*>("Restart")->text().toStdString();
    };
    window.Open();
    QApplication::processEvents();
    QTest::mouseClick(window.view.findChild<QPushButton*>("Restart"), Qt::LeftButton);
    QTimer* timer = nullptr;
    for (QTimer* each : window.view.findChildren<QTimer*>()) {
        if (each->interval() == 10) timer = each;
    }
    ASSERT_NE(timer, nullptr);
    QMetaObject::invokeMethod(timer, "timeout");  // the scan starts
    window.view.Dispatch([&] { window.model().form.PW90Value.text = "0"; });
    clock.Advance(31);
    QMetaObject::invokeMethod(timer, "timeout");  // the scan's last tick
    QMetaObject::invokeMethod(timer, "timeout");  // the next scan is refused
    EXPECT_EQ(behind, "GA");
}

TEST_F(KymbralWindowTest, AnEnlargedWindowShowsThePlainFormBesideThePicture) {
    window.view.resize(1500, 800);
    QImage shown = window.view.grab().toImage();
    QColor face = QApplication::palette().color(QPalette::Button);
    for (int x = 1280; x < 1500; x += 4) {
        for (int y = 0; y < 800; y += 8) {
            ASSERT_EQ(shown.pixelColor(x, y), face) << x << ", " << y;
        }
    }
}
